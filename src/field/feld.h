// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_FELD_H
#define PUNKTFELD_FELD_H

#include <QPoint>

class QPainter;

// How a box looks: its owner's symbol, or the gray of a hole, drawn from its
// top-left dot; and which of its sides a press inside it means.
class Feld
{
public:
    // A smiling face for the human, a rounded square for the computer.
    static void zeichneBesitzer(QPainter &maler, QPoint ecke, bool mensch);
    // The hole's gray fill, and its right and bottom lines in gray too, so
    // that none of its lines looks free.
    static void zeichneLoch(QPainter &maler, QPoint ecke);
    // The side a press at (dx, dy) inside the box means: the box is cut
    // along both diagonals into four triangles, one per side.
    static int richtungBei(int dx, int dy);
};

#endif
