// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_FELDZUSTAND_H
#define PUNKTFELD_FELDZUSTAND_H

class Stellung;

// A box's state code in a saved game: its drawn sides, whether it is
// complete, whether the human owns it, whether it is a hole.
namespace Feldzustand {

char code(const Stellung &stellung, int platz);
// Puts what the code says into the position: its drawn sides and its owner,
// or the hole. Holes are best set before the sides of other boxes, as a
// hole's edge stays closed whatever a neighbour's code says.
void setze(Stellung &stellung, int platz, char code);

}

#endif
