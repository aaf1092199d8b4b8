// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_ZUFALLSSPIEL_H
#define PUNKTFELD_TEST_ZUFALLSSPIEL_H

#include "computer/lage.h"

// Positions of random games for the engine's tests, drawn with std::rand,
// so that a test's seed gives its positions.
namespace Zufallsspiel {

// What drawing a side does: complete a box, give nothing away (both its boxes
// keep at least two free sides), or hand the opponent a box.
enum class Art { nehmen, sicher, abgeben };

Art art(const Lage &lage, int seite);
// Whether some free side of the position does that.
bool gibt(const Lage &lage, Art gesucht);
// Random play that mostly completes what it can and mostly keeps to safe
// sides; the lower `vorsicht`, the more often it gives boxes away while
// safe sides remain.
int zufallszug(const Lage &lage, int vorsicht);
// A small board played at random, mostly by safe sides, down to `frei`
// free sides.
Lage mittelspiel(int frei);

}

#endif
