// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tastenweg.h"

#include "geometrie.h"
#include "model/stellung.h"
#include "seite.h"

#include <limits>

namespace {

// Sideways steps count this many times a step along the way, so that the
// mark keeps to its row or column where it can.
constexpr int seitwaertsGewicht = 2;

// Twice the middle of a side's line, in whole pixels.
QPoint mitte(const Gitter &gitter, int seite)
{
    const QLine linie = Seite::linie(gitter, seite);
    return linie.p1() + linie.p2();
}

}

int Tastenweg::naechste(const Stellung &stellung, int von, int dx, int dy)
{
    const Gitter &gitter = stellung.gitter();
    const QPoint start = mitte(gitter, von);
    int beste = von;
    long kleinste = std::numeric_limits<long>::max();
    for (int seite = 0; seite < gitter.seitenAnzahl(); ++seite) {
        if (seite == von || !stellung.istFrei(seite))
            continue;
        const QPoint weg = mitte(gitter, seite) - start;
        const long entlang = long(weg.x()) * dx + long(weg.y()) * dy;
        const long seitwaerts = std::abs(long(weg.x()) * dy) + std::abs(long(weg.y()) * dx);
        if (entlang <= 0)
            continue;
        const long abstand = entlang + seitwaertsGewicht * seitwaerts;
        if (abstand < kleinste) {
            kleinste = abstand;
            beste = seite;
        }
    }
    return beste;
}

int Tastenweg::anfang(const Stellung &stellung)
{
    const Gitter &gitter = stellung.gitter();
    const QSize groesse = Geometrie::bildGroesse(gitter);
    const QPoint mittelpunkt(groesse.width(), groesse.height());
    int beste = -1;
    long kleinste = std::numeric_limits<long>::max();
    for (int seite = 0; seite < gitter.seitenAnzahl(); ++seite) {
        if (!stellung.istFrei(seite))
            continue;
        const QPoint weg = mitte(gitter, seite) - mittelpunkt;
        const long abstand = long(weg.x()) * weg.x() + long(weg.y()) * weg.y();
        if (abstand < kleinste) {
            kleinste = abstand;
            beste = seite;
        }
    }
    return beste;
}
