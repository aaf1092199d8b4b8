// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ZUG_H
#define PUNKTFELD_ZUG_H

#include <vector>

class Feld;
class Seite;

// One turn of the move history: every side one player took in a row, and the
// boxes those sides completed. The pointers own nothing; they point into the
// current grid.
struct Zug
{
    bool spieler = true;
    std::vector<Seite *> seiten;
    std::vector<Feld *> felder;
};

#endif
