// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seite.h"

#include "geometrie.h"

using Geometrie::feldKante;

namespace {
// The widest line is two pixels, one on either side of its dots, and a
// pixel more for rounding at other scales.
constexpr int saum = 2;
}

QLine Seite::linie(const Gitter &gitter, int seite)
{
    const auto [erstes, zweites] = gitter.felderAn(seite);
    // A line is named by the box after it where there is one, else by the
    // box before it, whose far edge it is.
    if (gitter.istWaagrecht(seite)) {
        const QPoint anfang = zweites >= 0 ? Geometrie::ecke(gitter, zweites)
                                           : Geometrie::ecke(gitter, erstes) + QPoint(0, feldKante);
        return QLine(anfang, anfang + QPoint(feldKante, 0));
    }
    const QPoint anfang = zweites >= 0 ? Geometrie::ecke(gitter, zweites)
                                       : Geometrie::ecke(gitter, erstes) + QPoint(feldKante, 0);
    return QLine(anfang, anfang + QPoint(0, feldKante));
}

QLine Seite::freieLinie(const Gitter &gitter, int seite)
{
    const QLine ganz = linie(gitter, seite);
    if (gitter.istWaagrecht(seite))
        return ganz;
    return QLine(ganz.p1() + QPoint(0, 1), ganz.p2() - QPoint(0, 1));
}

QRect Seite::bereich(const Gitter &gitter, int seite)
{
    const QLine l = linie(gitter, seite);
    return QRect(l.p1(), l.p2()).adjusted(-saum, -saum, saum, saum);
}
