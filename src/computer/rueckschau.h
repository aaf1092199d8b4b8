// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_RUECKSCHAU_H
#define PUNKTFELD_RUECKSCHAU_H

#include "lage.h"
#include "meister.h"

#include <atomic>
#include <cstddef>
#include <functional>
#include <vector>

// Values the positions of a game that is over or under way, one after
// another, as the Meister sees them: for a game review. It needs no Qt and
// only reads its copies, so it can run on any thread.
class Rueckschau
{
public:
    // What the Meister knows of one position, for the player to move there.
    struct Bewertung
    {
        // The open boxes the player to move still gets with best play, less
        // those the opponent gets; an estimate unless `exakt`.
        int wert = 0;
        bool exakt = true;
        // Exact, or an estimate at a stage where estimates were measured to
        // be close; else `wert` is not to be shown.
        bool bekannt = true;
        // The side the Meister would draw; -1 where none is free.
        int besteSeite = -1;
    };

    // Each position gets at most `jeStellung` to think.
    explicit Rueckschau(std::chrono::milliseconds jeStellung);

    // The positions in order, until `abbruch` is set; `fortschritt` is told
    // how many are done after each one. A stopped review returns fewer.
    std::vector<Bewertung> bewerte(const std::vector<Lage> &lagen, const std::atomic<bool> *abbruch,
                                   const std::function<void(std::size_t)> &fortschritt) const;

private:
    Meister meister;
};

#endif
