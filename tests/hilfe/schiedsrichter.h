// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_SCHIEDSRICHTER_H
#define PUNKTFELD_TEST_SCHIEDSRICHTER_H

#include <cstdint>
#include <vector>

class Lage;

// The exact value of small positions, found the plain way so that it can
// judge a cleverer player: every free side is tried in every position that
// can follow the start, and each position is valued once and remembered.
// Besides reading which sides a Lage has drawn, it keeps nothing of the
// engine: its own side numbers (the inner sides only, as bits), its own boxes
// and its own counting of completed boxes.
class Schiedsrichter
{
public:
    // The most free sides a start may have: every position that can follow
    // it is valued up front, one byte each.
    static constexpr std::size_t hoechstensFrei = 24;

    // Values every position that can follow `start` up front, on a board of
    // any size.
    explicit Schiedsrichter(const Lage &start);

    // With best play from both sides: the open boxes the player to move in
    // `lage` still gets, less those the opponent gets. `lage` must follow the
    // start: every side drawn there is drawn here.
    int wert(const Lage &lage) const;
    // The same for drawing the free side `seite` (numbered as Lage numbers
    // it) first: the boxes it completes, then the value of what follows for
    // whoever moves then, counted for the player drawing it.
    int zugwert(const Lage &lage, int seite) const;

    // The long chains of any position, as the long-chain rule counts them:
    // runs of three or more boxes with two free sides each, joined by free
    // sides, that do not close into a loop.
    static int langeKetten(const Lage &lage);

private:
    // Which of the sides free in the start are drawn, one bit each: a
    // position that follows the start is known by them.
    using Index = std::uint32_t;

    Index index(const Lage &lage) const;
    int vollendet(Index gezogen, int frei) const;
    void bewerteAlle();

    // The number Lage gives each inner side.
    std::vector<int> lagenummer;
    // The inner sides free in the start; for each of them, the sides free in
    // the start of the two boxes it lies between, as an index.
    std::vector<int> freie;
    std::vector<Index> nachbarn;
    std::vector<std::int8_t> gemerkt;
};

#endif
