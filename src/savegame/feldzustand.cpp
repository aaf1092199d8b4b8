// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feldzustand.h"

#include "model/richtung.h"
#include "model/stellung.h"
#include "zustandscode.h"

namespace Feldzustand {

char code(const Stellung &stellung, int platz)
{
    const Gitter &gitter = stellung.gitter();
    int code = 0;
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        if (stellung.art(gitter.seiteVon(platz, richtung)) == Stellung::Art::gezogen)
            code |= Zustandscode::gezogen(richtung);
    }
    if (stellung.istGeschlossen(platz))
        code |= Zustandscode::geschlossen;
    if (stellung.besitzer(platz) == Stellung::Besitzer::mensch)
        code |= Zustandscode::vomMenschen;
    if (stellung.istGesperrt(platz))
        code |= Zustandscode::gesperrt;
    return static_cast<char>(code);
}

void setze(Stellung &stellung, int platz, char code)
{
    const int bits = static_cast<unsigned char>(code);
    if (bits & Zustandscode::gesperrt) {
        stellung.sperre(platz);
        return;
    }
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        // A side already drawn through the neighbour's code stays as it is.
        if (bits & Zustandscode::gezogen(richtung))
            stellung.ziehe(stellung.gitter().seiteVon(platz, richtung));
    }
    if (bits & Zustandscode::geschlossen) {
        const bool mensch = (bits & Zustandscode::vomMenschen) != 0;
        stellung.setzeBesitzer(platz, mensch ? Stellung::Besitzer::mensch : Stellung::Besitzer::computer);
    }
}

}
