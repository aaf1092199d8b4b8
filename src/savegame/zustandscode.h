// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ZUSTANDSCODE_H
#define PUNKTFELD_ZUSTANDSCODE_H

// The bits of a box's state code, one byte per box in a saved game. The
// highest bit is never set and is ignored when a game is opened.
namespace Zustandscode {

// The side in that direction (0 top, 1 right, 2 bottom, 3 left) was taken
// by a player. Frame sides and the sides of holes never set it, and a side
// between two boxes sets it in both.
constexpr int gezogen(int richtung)
{
    return 1 << richtung;
}

// None of the box's sides is free.
constexpr int geschlossen = 16;
// The human owns the box; a closed box without it is the computer's.
constexpr int vomMenschen = 32;
// The box is a hole, cut out of play.
constexpr int gesperrt = 64;
// A hole as it is saved: blocked, and with every side closed.
constexpr int loch = gesperrt | geschlossen;

}

#endif
