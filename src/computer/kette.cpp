// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kette.h"

#include "model/richtung.h"
#include "model/stellung.h"

void Kette::sammle(const Stellung &stellung, int start)
{
    this->stellung = &stellung;
    const auto felder = static_cast<std::size_t>(stellung.gitter().feldAnzahl());
    // A new round number unmarks every box at once; only when the numbers
    // run out are the marks cleared.
    if (marken.size() != felder || ++runde == 0) {
        marken.assign(felder, 0);
        runde = 1;
    }
    anzahl = 0;
    besuche(start);
}

void Kette::besuche(int platz)
{
    const Gitter &gitter = stellung->gitter();
    const int spalten = gitter.spalten();
    // A free side always lies between two boxes, so the neighbour across it
    // is the next or previous box in the row or column.
    const int schritt[Richtung::anzahl] = {-spalten, 1, spalten, -1};
    bool frei[Richtung::anzahl];
    int freie = 0;
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung)
        freie += frei[richtung] = stellung->istFrei(gitter.seiteVon(platz, richtung));
    if (freie != 2) {
        int auswege = 0;
        for (int richtung = 0; richtung < Richtung::anzahl; ++richtung)
            auswege += frei[richtung] && !enthaelt(platz + schritt[richtung]);
        // With two or more ways out the box does not fall with the chain.
        if (auswege > 1)
            return;
    }
    marken[static_cast<std::size_t>(platz)] = runde;
    ++anzahl;
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        if (frei[richtung] && !enthaelt(platz + schritt[richtung]))
            besuche(platz + schritt[richtung]);
    }
}
