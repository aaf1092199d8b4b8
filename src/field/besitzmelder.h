// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_BESITZMELDER_H
#define PUNKTFELD_BESITZMELDER_H

// Told by a box when it gets or loses its owner, so that the score follows
// the board whatever changed it: a move, undo and redo, an opened game.
class Besitzmelder
{
public:
    virtual void besitzerGeaendert(bool mensch, bool dazu) = 0;

protected:
    ~Besitzmelder() = default;
};

#endif
