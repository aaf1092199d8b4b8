// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brettkopie.h"

#include "field/feld.h"
#include "field/richtung.h"
#include "field/seite.h"
#include "field/spielfeld.h"

namespace Brettkopie {

Lage kopiere(const Spielfeld &spielfeld)
{
    Lage lage(spielfeld.zeilenAnzahl(), spielfeld.spaltenAnzahl());
    for (int r = 0; r < spielfeld.zeilenAnzahl(); ++r) {
        for (int c = 0; c < spielfeld.spaltenAnzahl(); ++c) {
            const Feld *feld = spielfeld.feld(r, c);
            if (feld->istGesperrt()) {
                lage.sperre(r, c);
                continue;
            }
            // Each side between two boxes is met twice; the second draw of
            // it changes nothing.
            for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
                if (!feld->seite(richtung)->istFrei())
                    lage.ziehe(lage.seite(r, c, richtung));
            }
        }
    }
    return lage;
}

Computerspieler::Wahl wahl(const Spielfeld &spielfeld, int seite)
{
    // Side numbers depend on the board's size alone.
    const Lage lage(spielfeld.zeilenAnzahl(), spielfeld.spaltenAnzahl());
    if (seite < 0 || seite >= lage.seitenAnzahl())
        return {};
    int erstes = -1;
    int zweites = -1;
    lage.felderAn(seite, erstes, zweites);
    for (const int platz : {erstes, zweites}) {
        if (platz < 0)
            continue;
        const int r = platz / lage.spalten();
        const int c = platz % lage.spalten();
        for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
            const Feld *feld = spielfeld.feld(r, c);
            if (lage.seite(r, c, richtung) == seite && feld && feld->seite(richtung)->istFrei())
                return {feld, richtung};
        }
    }
    return {};
}

}
