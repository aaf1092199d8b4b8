// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A box and its state code in a saved game, kept here beside the file they
// are written to rather than with the box's drawing.

#include "field/feld.h"
#include "field/seite.h"
#include "zustandscode.h"

char Feld::zustand() const
{
    int code = 0;
    for (int richtung = 0; richtung < 4; ++richtung) {
        if (seiten[richtung]->istGezogen())
            code |= Zustandscode::gezogen(richtung);
    }
    if (istGeschlossen())
        code |= Zustandscode::geschlossen;
    if (vomMenschen)
        code |= Zustandscode::vomMenschen;
    if (gesperrt)
        code |= Zustandscode::gesperrt;
    return static_cast<char>(code);
}

void Feld::setzeZustand(char code)
{
    const int bits = static_cast<unsigned char>(code);
    for (int richtung = 0; richtung < 4; ++richtung) {
        // A side already taken through the neighbour's code is closed, and
        // ziehe() leaves it alone.
        if (bits & Zustandscode::gezogen(richtung))
            seiten[richtung]->ziehe();
    }
    if (bits & Zustandscode::gesperrt) {
        sperre();
    } else if (bits & Zustandscode::geschlossen) {
        vomMenschen = (bits & Zustandscode::vomMenschen) != 0;
        zeichneBesitzer(vomMenschen);
    }
}
