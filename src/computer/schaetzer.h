// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SCHAETZER_H
#define PUNKTFELD_SCHAETZER_H

class Lage;

// An estimate of a position's value where no search reaches its end, for the
// game review, and where it has been measured to be good enough to show.
//
// One game played out by the simple rules hands control of the long chains
// to whoever happens to run out of safe sides second, and which player that
// is changes with every safe side drawn before, so its result jumps from one
// position to the next. The estimate therefore averages play-outs that draw
// the safe sides at random, each a different order, before the simple rules
// play the rest: the positions before and after a quiet side get about the
// same value.
class Schaetzer
{
public:
    // The open boxes the player to move gets less the opponent's, estimated.
    // The same position always gets the same estimate.
    static int schaetze(const Lage &lage);
    // Whether estimates of positions of this board and stage came within two
    // boxes of the exact value for nine in ten positions where it was
    // measured (BENCHMARKS.md, "How good the review's estimates are").
    static bool verlaesslich(const Lage &lage);
};

#endif
