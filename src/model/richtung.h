// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_RICHTUNG_H
#define PUNKTFELD_RICHTUNG_H

// The four directions from a box, clockwise from the top: where a side lies
// in its box, and where a neighbouring box lies. A saved game and the
// engine's copy count them the same way.
namespace Richtung {

enum Wert : int
{
    oben = 0,
    rechts = 1,
    unten = 2,
    links = 3,
};

constexpr int anzahl = 4;

// The direction back from the neighbour: a side is the bottom side of the
// box above it, and so on.
constexpr int gegenueber(int richtung)
{
    return (richtung + 2) % anzahl;
}

}

#endif
