// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_GEOMETRIE_H
#define PUNKTFELD_GEOMETRIE_H

#include "model/gitter.h"

#include <QPoint>
#include <QSize>

// Where the boxes lie in the board picture at its natural size; a larger
// picture is the same drawing scaled.
namespace Geometrie {

// A box is a square of this many pixels; neighbouring boxes share the dots
// and the side between them.
constexpr int feldKante = 40;
// The top-left dot of the first box. The picture keeps this margin at its
// top and left, and two pixels beyond the last dots at its right and bottom.
constexpr int ursprungX = 1;
constexpr int ursprungY = 2;
constexpr int randRechts = 2;
constexpr int randUnten = 2;

// The top-left dot of the box in that row and column.
constexpr QPoint ecke(int zeile, int spalte)
{
    return QPoint(ursprungX + feldKante * spalte, ursprungY + feldKante * zeile);
}

inline QPoint ecke(const Gitter &gitter, int platz)
{
    return ecke(gitter.zeileVon(platz), gitter.spalteVon(platz));
}

constexpr int bildBreite(int spalten)
{
    return ursprungX + feldKante * spalten + randRechts;
}

constexpr int bildHoehe(int zeilen)
{
    return ursprungY + feldKante * zeilen + randUnten;
}

inline QSize bildGroesse(const Gitter &gitter)
{
    return QSize(bildBreite(gitter.spalten()), bildHoehe(gitter.zeilen()));
}

}

#endif
