// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_KETTE_H
#define PUNKTFELD_KETTE_H

#include <vector>

class Stellung;

// The chain of a box with two closed sides: the boxes the opponent could take
// one after another once one of its sides is given away. Boxes are named by
// their place in the grid, row by row; a mark per box makes collecting a
// chain cost one visit per box it reaches.
class Kette
{
public:
    // Collects the chain that starts at the box at `start`, which has two
    // closed sides, replacing the chain collected before.
    void sammle(const Stellung &stellung, int start);
    // The number of boxes in the chain.
    int laenge() const { return anzahl; }
    bool enthaelt(int platz) const { return marken[static_cast<std::size_t>(platz)] == runde; }

private:
    void besuche(int platz);

    const Stellung *stellung = nullptr;
    std::vector<unsigned> marken;
    unsigned runde = 0;
    int anzahl = 0;
};

#endif
