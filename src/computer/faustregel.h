// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_FAUSTREGEL_H
#define PUNKTFELD_FAUSTREGEL_H

#include "lage.h"

#include <cstdint>
#include <vector>

// What the strongest computer player knows of a position too large to search
// to its end: which boxes can be taken, where a chain or loop can be handed
// over, which sides are safe, what falls when a side is given away, and a
// quick estimate of the value by playing the game out with simple rules.
class Faustregel
{
public:
    // A side that takes a box and is never wrong to draw: the box behind
    // does not continue a chain. -1 when there is none. The search has a
    // twin of it on masks, Endspielsuche::sichererFang.
    static int sichererFang(const Lage &lage);
    // At the end of a chain or loop that can be taken: the side `nehmen`
    // that takes the next box, and, when handing over the last two (four)
    // boxes is possible, the side `ablehnen` that does it (else -1). False
    // when no box can be taken.
    static bool fangStelle(const Lage &lage, int &nehmen, int &ablehnen);
    // Takes every box that can be taken, one after another; returns their
    // number.
    static int nimmAlles(Lage &lage);
    // Safe sides: drawn, they leave no box that can be taken.
    static std::vector<int> sichereSeiten(const Lage &lage);
    static bool istSicher(const Lage &lage, int seite);
    // The number of boxes with two free sides joined to `seite` through other
    // such boxes: what the opponent can take once `seite` is given away.
    static int kettenLaenge(const Lage &lage, int seite);
    // The chains of three or more boxes with two free sides each, loops not
    // counted: the long chains the long-chain rule counts, as far as they
    // have formed.
    static int langeKetten(const Lage &lage);
    // One side for each way of giving boxes away that differs in what it
    // gives: the end and the middle of every chain, one side of each loop.
    static std::vector<int> oeffnungen(const Lage &lage);
    // The side that gives away the fewest boxes, a pair in its middle.
    static int kuerzesteOeffnung(const Lage &lage);
    // One side for each number of boxes given away, fewest first, and none
    // that gives away much more than the fewest.
    static std::vector<int> oeffnungsArten(const Lage &lage);
    // The long-chain rule: of the safe sides `sicher`, one that leaves the
    // dots and the long chains odd for the opponent, else the middle one.
    static int kettenregelSeite(const Lage &lage, const std::vector<int> &sicher);
    // When every open box has two free sides, the position is made of
    // loops alone: their sizes. False otherwise.
    static bool nurRinge(const Lage &lage, std::vector<int> &groessen);
    // The exact value of a position of loops alone for the player to move,
    // who must give one away: the opponent either takes it all and moves
    // next, or takes all but four, hands those back and keeps control.
    static int ringWert(std::vector<int> groessen);
    // The open boxes the player to move gets less the opponent's when both
    // play the simple rules to the end: take what can be taken, keep control
    // where that pays on a rough count, draw safe sides, and give away the
    // shortest chain.
    static int ausspielen(Lage lage);

private:
    // When box `platz`, one of the `nehmbar` boxes that can be taken, ends a
    // chain or loop whose last two (four) boxes can be handed over: the side
    // that does it, else -1. Endspielsuche::ablehnSeite is its twin on masks.
    static int ablehnSeite(const Lage &lage, int platz, int nehmbar);
    static int freieSeiteVon(const Lage &lage, int platz, int ausser = -1);
    static int anderesFeld(const Lage &lage, int seite, int platz);
    static int frei(const Lage &lage, int platz) { return Richtung::anzahl - lage.geschlosseneSeiten(platz); }
};

#endif
