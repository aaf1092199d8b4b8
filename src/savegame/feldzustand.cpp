// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feldzustand.h"

#include "field/feld.h"
#include "field/richtung.h"
#include "field/seite.h"
#include "zustandscode.h"

namespace Feldzustand {

char code(const Feld &feld)
{
    int code = 0;
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        if (feld.seite(richtung)->istGezogen())
            code |= Zustandscode::gezogen(richtung);
    }
    if (feld.istGeschlossen())
        code |= Zustandscode::geschlossen;
    if (feld.istVomMenschen())
        code |= Zustandscode::vomMenschen;
    if (feld.istGesperrt())
        code |= Zustandscode::gesperrt;
    return static_cast<char>(code);
}

void setze(Feld &feld, char code)
{
    const int bits = static_cast<unsigned char>(code);
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        // A side already taken through the neighbour's code is closed, and
        // ziehe() leaves it alone.
        if (bits & Zustandscode::gezogen(richtung))
            feld.seite(richtung)->ziehe();
    }
    if (bits & Zustandscode::gesperrt)
        feld.sperre();
    else if (bits & Zustandscode::geschlossen)
        feld.zeichneBesitzer((bits & Zustandscode::vomMenschen) != 0);
}

}
