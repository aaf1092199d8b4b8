// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_MEISTER_H
#define PUNKTFELD_MEISTER_H

#include "lage.h"

#include <atomic>
#include <chrono>

// The strongest computer player. It needs no Qt and only reads its copy of the
// position, so it can think on any thread.
//
// It decides in this order, the first step that applies giving the side:
// 1. Exact search: with few free sides, or none of them safe, and no more
//    than Endspielsuche takes, the position is searched to its end (all the
//    time to think for the fewest sides, a short try above). Its side comes
//    with the exact value.
// Otherwise the rules of thumb of Faustregel choose, for a short time:
// 2. Captures: a box that can be taken is taken, unless handing the last two
//    (four) boxes over is worth more, the rest valued by a search or a
//    play-out.
// 3. Loony endgames: with no safe side left, each way of giving boxes away,
//    fewest boxes first, is valued by what the opponent can make of it.
// 4. The last safe sides: with only a few left, every order of drawing them
//    is searched, when time is left to start.
// 5. Play-outs: while the search could finish the game later on, the safe
//    sides are compared by games played on from them at random.
// 6. The long-chain rule: on a larger board, a safe side that leaves the
//    dots and the long chains odd for the opponent.
class Meister
{
public:
    // The computer level at which the Meister plays.
    static constexpr int level = 6;

    // The side to draw and what is known of the position.
    struct Rat
    {
        // A free side of the position, or -1 when no side is free.
        int seite = -1;
        // True when `wert` is the position's exact value.
        bool exakt = false;
        // With best play from both sides: the open boxes the player to move
        // still gets, less those the opponent gets.
        int wert = 0;
    };

    // The time one decision may take at most; a search that runs out of it,
    // or is told to stop, plays the best side it has found.
    explicit Meister(std::chrono::milliseconds bedenkzeit = std::chrono::milliseconds(400));

    Rat waehle(const Lage &lage, const std::atomic<bool> *abbruch = nullptr) const;

private:
    std::chrono::milliseconds bedenkzeit;
};

#endif
