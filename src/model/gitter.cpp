// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gitter.h"

#include "richtung.h"

namespace {

struct Masse
{
    int zeilen;
    int spalten;
};
constexpr Masse kleinesBrett{5, 6};
constexpr Masse mittleresBrett{11, 13};
constexpr Masse grossesBrett{15, 22};

}

Gitter::Gitter(int zeilen, int spalten)
    : zeilenAnzahl(zeilen), spaltenAnzahl(spalten)
{
}

Gitter Gitter::fuerGroesse(int groesse)
{
    const Masse masse = groesse == klein ? kleinesBrett : groesse == mittel ? mittleresBrett : grossesBrett;
    return Gitter(masse.zeilen, masse.spalten);
}

bool Gitter::enthaelt(int zeile, int spalte) const
{
    return zeile >= 0 && zeile < zeilenAnzahl && spalte >= 0 && spalte < spaltenAnzahl;
}

int Gitter::seite(int zeile, int spalte, int richtung) const
{
    const int links = waagrechte() + zeile * (spaltenAnzahl + 1) + spalte;
    switch (richtung % Richtung::anzahl) {
    case Richtung::oben:
        return zeile * spaltenAnzahl + spalte;
    case Richtung::unten:
        return (zeile + 1) * spaltenAnzahl + spalte;
    case Richtung::links:
        return links;
    default:
        return links + 1;
    }
}

int Gitter::nachbar(int zeile, int spalte, int richtung) const
{
    static const int dz[Richtung::anzahl] = {-1, 0, 1, 0};
    static const int ds[Richtung::anzahl] = {0, 1, 0, -1};
    const int z = zeile + dz[richtung % Richtung::anzahl];
    const int s = spalte + ds[richtung % Richtung::anzahl];
    return enthaelt(z, s) ? platz(z, s) : -1;
}

std::pair<int, int> Gitter::felderAn(int seite) const
{
    if (istWaagrecht(seite)) {
        const int r = seite / spaltenAnzahl;
        const int c = seite % spaltenAnzahl;
        return {r > 0 ? platz(r - 1, c) : -1, r < zeilenAnzahl ? platz(r, c) : -1};
    }
    const int r = (seite - waagrechte()) / (spaltenAnzahl + 1);
    const int c = (seite - waagrechte()) % (spaltenAnzahl + 1);
    return {c > 0 ? platz(r, c - 1) : -1, c < spaltenAnzahl ? platz(r, c) : -1};
}

int Gitter::richtungIn(int seite, int platz) const
{
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        if (seiteVon(platz, richtung) == seite)
            return richtung;
    }
    return -1;
}

bool Gitter::istRahmen(int seite) const
{
    const auto [erstes, zweites] = felderAn(seite);
    return erstes < 0 || zweites < 0;
}
