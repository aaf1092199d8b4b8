// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_FELDZUSTAND_H
#define PUNKTFELD_FELDZUSTAND_H

class Feld;

// A box as a saved game holds it, one byte with the bits of zustandscode.h,
// and a box restored from that byte.
namespace Feldzustand {

char code(const Feld &feld);
// Takes the sides the code names, then blocks the box or marks its owner.
void setze(Feld &feld, char code);

}

#endif
