// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_BRETTKOPIE_H
#define PUNKTFELD_BRETTKOPIE_H

#include "computerspieler.h"
#include "lage.h"

class Spielfeld;

// Between the grid and the Meister's compact copy of it.
namespace Brettkopie {

// The holes and the drawn sides of the grid.
Lage kopiere(const Spielfeld &spielfeld);
// The side a copy of this grid numbers `seite`, named by a box of the grid
// in play and its direction there; a null box when the side is not free in
// the grid.
Computerspieler::Wahl wahl(const Spielfeld &spielfeld, int seite);

}

#endif
