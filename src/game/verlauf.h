// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_VERLAUF_H
#define PUNKTFELD_VERLAUF_H

#include "zug.h"

#include <cstddef>
#include <vector>

// The move history: one record per turn, oldest first, and how many of them
// are on the board. The records after those form the redo tail. Undo and
// redo step over at most two records, a turn of each player.
class Verlauf
{
public:
    // Appends a record after the last one on the board, dropping any redo
    // tail first, and puts it on the board.
    void merke(Zug zug);
    // The last record on the board, or null when none is.
    Zug *letzterZug();
    // Drops every record after the last one on the board. True when there
    // were any.
    bool verwirfWiederholung();
    // Takes at most two records off the board and returns them, the most
    // recent first.
    std::vector<const Zug *> zurueck();
    // Takes records off the board until `anzahl` are left on it, the most
    // recent first.
    std::vector<const Zug *> zurueckBis(std::size_t anzahl);
    // Puts at most two records of the redo tail back on the board and
    // returns them, the oldest first.
    std::vector<const Zug *> vor();
    void leere();

    // Every record, oldest first; the first `anzahlAufDemBrett()` are on the
    // board, the others form the redo tail.
    const std::vector<Zug> &alle() const { return zuege; }
    std::size_t anzahlAufDemBrett() const { return aufDemBrett; }

    bool kannZurueck() const { return aufDemBrett > 0; }
    bool kannVor() const { return aufDemBrett < zuege.size(); }

private:
    std::vector<Zug> zuege;
    std::size_t aufDemBrett = 0;
};

#endif
