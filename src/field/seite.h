// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SEITE_H
#define PUNKTFELD_SEITE_H

#include <QLine>
#include <QRect>

class Gitter;

// Where a side lies in the board picture at its natural size: a line from
// one dot to the next, one box long.
class Seite
{
public:
    // The whole line, from dot to dot.
    static QLine linie(const Gitter &gitter, int seite);
    // The line of a free side. A free vertical side stops one pixel short
    // of both dots, so that the dots keep showing between free sides.
    static QLine freieLinie(const Gitter &gitter, int seite);
    // The pixels any line of this side covers at the most, whatever its
    // colour and width.
    static QRect bereich(const Gitter &gitter, int seite);
};

#endif
