// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TASTENWEG_H
#define PUNKTFELD_TASTENWEG_H

class Stellung;

// How the keyboard's mark moves over the board: from side to free side, by
// where their lines lie in the picture, so that it passes holes and drawn
// sides alike.
class Tastenweg
{
public:
    // The free side nearest to `von` in the direction (dx, dy), one of
    // (1, 0), (-1, 0), (0, 1), (0, -1): the one least far along that
    // direction, a step aside counting double. `von` itself where there is
    // none.
    static int naechste(const Stellung &stellung, int von, int dx, int dy);
    // Where the mark starts: the free side nearest the board's middle, or -1.
    static int anfang(const Stellung &stellung);
};

#endif
