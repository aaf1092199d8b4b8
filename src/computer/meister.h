// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_MEISTER_H
#define PUNKTFELD_MEISTER_H

#include "lage.h"

#include <atomic>
#include <chrono>

// The strongest computer player. It needs no Qt and only reads its copy of the
// position, so it can think on any thread.
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
