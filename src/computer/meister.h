// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_MEISTER_H
#define PUNKTFELD_MEISTER_H

#include "lage.h"

#include <atomic>
#include <chrono>

class Endspielsuche;
class Notbremse;

// The strongest computer player. It needs no Qt and only reads its copy of the
// position, so it can think on any thread.
//
// It decides in this order, the first step that applies giving the side:
// 1. Exact search: with few free sides, or none of them safe, and no more
//    than Endspielsuche takes, the position is searched to its end (all the
//    work it may do for the fewest sides, a short try above). Its side comes
//    with the exact value. Playing a game, the Meister counts the boxes
//    already taken too: where the game is lost with best play, every side
//    loses it, and it plays the rules of thumb's side, which leaves a
//    fallible opponent the most room to go wrong; where it is drawn, that
//    side when it keeps the draw. Asked for a hint, it names the best side.
// Otherwise the rules of thumb of Faustregel choose, with a budget of work:
// 2. Captures: a box that can be taken is taken, unless handing the last two
//    (four) boxes over is worth more, the rest valued by a search or a
//    play-out.
// 3. Loony endgames: with no safe side left, each way of giving boxes away,
//    fewest boxes first, is valued by what the opponent can make of it.
// 4. The last safe sides: with only a few left, every order of drawing them
//    is searched, when work is left to start.
// 5. Play-outs: while the search could finish the game later on, the safe
//    sides are compared by games played on from them at random.
// 6. The long-chain rule: on a larger board, a safe side that leaves the
//    dots and the long chains odd for the opponent.
class Meister
{
public:
    // The computer level at which the Meister plays.
    static constexpr int level = 6;

    // What the side is for: the Meister's own turn in a game, or a hint,
    // which must keep the value it reports.
    enum class Zweck { spielen, raten };

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
        // True when the safety cap on the clock cut the decision short, so
        // that another machine may answer otherwise.
        bool gekappt = false;
    };

    // Every limit of a decision is a count of work (positions searched,
    // games played out), so the same position always gets the same answer;
    // the counts keep a decision far below its thinking time here. The
    // clock is only a safety cap for slower machines: a decision that
    // reaches it, or is told to stop, plays the best side it has found.
    // The safety cap on the clock, in milliseconds.
    static constexpr long sicherheitsFristVorgabe = 2000;

    explicit Meister(std::chrono::milliseconds sicherheitsFrist = std::chrono::milliseconds(sicherheitsFristVorgabe),
                     Zweck zweck = Zweck::spielen);

    Rat waehle(const Lage &lage, const std::atomic<bool> *abbruch = nullptr) const;

private:
    int spielSeite(const Lage &lage, const Rat &rat, Endspielsuche &suche, const Notbremse &bremse) const;

    std::chrono::milliseconds sicherheitsFrist;
    Zweck zweck;
};

#endif
