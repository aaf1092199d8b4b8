// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ZUG_H
#define PUNKTFELD_ZUG_H

#include <vector>

// One turn of the move history: every side one player drew in a row, and the
// boxes those sides completed, by their numbers on the board.
struct Zug
{
    bool spieler = true;
    std::vector<int> seiten;
    std::vector<int> felder;
};

#endif
