// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_BENCH_BEWERTETELAGE_H
#define PUNKTFELD_BENCH_BEWERTETELAGE_H

#include "computer/lage.h"

#include <QString>
#include <vector>

// A position from a game with its exact value and a side chosen in it, kept
// one per line of text, so that the positions a measurement found can pin
// what it found:
//
//   zeilen spalten holes drawn best side value
//
// holes and drawn list places and side numbers as Lage numbers them, joined
// by commas, "-" for none; best is the position's exact value for the player
// to move, value that of drawing `side`.
struct BewerteteLage
{
    Lage lage;
    int bester = 0;
    int seite = -1;
    int seitenWert = 0;

    QString zeile() const;
    // The positions of a file written by zeile(); lines starting with '#'
    // say what the file holds.
    static std::vector<BewerteteLage> lies(const QString &datei);
};

#endif
