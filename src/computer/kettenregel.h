// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_KETTENREGEL_H
#define PUNKTFELD_KETTENREGEL_H

class Lage;

// Who is on course for control of the long chains, by the long-chain rule as
// it applies to this game, for a learner to see before the endgame.
//
// The rule counts turns. From a position with F free sides and O open boxes,
// every side drawn either completes a box or ends a turn, and a side that
// completes two boxes at once (a double-cross) saves one completing side. So
// the turns left are F - O + D + 1, where D is the double-crosses still to
// come, and the player to move takes the last turn, the one that takes the
// last long chain, when F - O + D is even.
//
// Whoever keeps control hands over the last two boxes of every long chain
// but the last, which the other takes with one double-cross each; a loop
// handed over adds two, which keeps the parity. Where the frame is played,
// the last chain runs into it and is taken without one. Here the frame and
// the holes' edges are drawn from the start, so every free side lies between
// two boxes in play, and the game's very last side always completes two
// boxes: one more double-cross. With L long chains, D = L, and the player to
// move is on course for control when F - O + L is even.
//
// Holes change the count too: an inner one takes its four edges and its box,
// three in all, and turns the parity over. Counting free sides and open boxes
// takes the frame and the holes into account alike.
class Kettenregel
{
public:
    enum class Kontrolle
    {
        amZug,
        gegner,
        // No long chain has formed yet: the rule has nothing to count.
        offen,
    };

    // The long chains counted are those formed so far.
    static Kontrolle kontrolle(const Lage &lage);
};

#endif
