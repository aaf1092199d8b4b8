// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_COMPUTERSPIELER_H
#define PUNKTFELD_COMPUTERSPIELER_H

#include "kette.h"

#include <vector>

class Feld;
class Spielfeld;

// The computer's choice of a side. In order of preference it completes a box,
// takes a side that gives nothing away, or opens the smallest chain; below
// level 5 each preference can be skipped at random. The choice takes nothing
// itself, so it can be asked for either player.
class Computerspieler
{
public:
    // A side named by one of its boxes and its direction there. The box is
    // the read-only one of the grid that was asked; the move is made on the
    // grid's box at the same row and column.
    struct Wahl
    {
        const Feld *feld = nullptr;
        int richtung = 0;
    };

    // The side to take next; a null box when no side is free.
    Wahl waehle(const Spielfeld &spielfeld, int level);
    // Any free side, each as likely as the next; a null box when none is.
    static Wahl irgendeineSeite(const Spielfeld &spielfeld);

private:
    static bool levelZug(int level);
    void klassifiziere(const Spielfeld &spielfeld);
    static Wahl vervollstaendige(const std::vector<const Feld *> &kandidaten);
    Wahl sichereSeite();
    Wahl kleinsteKette(const Spielfeld &spielfeld, int level);

    std::vector<const Feld *> dreierFelder;
    std::vector<const Feld *> sichereFelder;
    // Places in the grid rather than boxes, as the chains are followed by
    // place.
    std::vector<int> zweierFelder;
    std::vector<const Feld *> uebersehen;
    Kette kette;
};

#endif
