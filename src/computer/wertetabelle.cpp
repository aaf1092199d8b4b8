// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wertetabelle.h"

#include "seitenbits.h"

#include <algorithm>

namespace {

// The table's sizes are powers of two, so that a mask finds a key's place,
// and it grows when half full: twice as many places as positions.
std::size_t ersteGroesse(std::size_t erwartet, std::size_t kleinste, std::size_t groessteErste)
{
    std::size_t plaetze = kleinste;
    while (plaetze < 2 * erwartet && plaetze < groessteErste)
        plaetze *= 2;
    return plaetze;
}

} // namespace

Wertetabelle::Wertetabelle(std::size_t erwartet)
    : tabelle(ersteGroesse(erwartet, kleinste, groessteErste) / plaetzeJeFach),
      maske(tabelle.size() - 1)
{
}

std::size_t Wertetabelle::fachFuer(std::uint64_t schluessel) const
{
    // The low bits of a product depend on the key's low bits alone: the
    // high half is folded down before and after, so that every free side
    // moves the place.
    std::uint64_t h = schluessel ^ (schluessel >> 32);
    h *= 0x9E3779B97F4A7C15ull;
    h ^= h >> 32;
    return static_cast<std::size_t>(h & maske);
}

const Wertetabelle::Eintrag *Wertetabelle::finde(std::uint64_t schluessel) const
{
    for (const Eintrag &e : tabelle[fachFuer(schluessel)].platz) {
        if (e.schluessel == schluessel)
            return &e;
    }
    return nullptr;
}

Wertetabelle::Eintrag &Wertetabelle::platzFuer(std::uint64_t schluessel)
{
    // The key has one bit for each free side.
    Fach &fach = tabelle[fachFuer(schluessel)];
    Eintrag *weicht = &fach.platz[0];
    for (Eintrag &e : fach.platz) {
        if (e.schluessel == schluessel || e.schluessel == 0)
            return e;
        if (Seitenbits::anzahlBits(e.schluessel) < Seitenbits::anzahlBits(weicht->schluessel))
            weicht = &e;
    }
    return *weicht;
}

void Wertetabelle::wachse()
{
    std::vector<Fach> alt(tabelle.size() * 2);
    alt.swap(tabelle);
    maske = tabelle.size() - 1;
    belegt = 0;
    for (const Fach &fach : alt) {
        for (const Eintrag &e : fach.platz) {
            if (e.schluessel == 0)
                continue;
            Eintrag &ziel = platzFuer(e.schluessel);
            if (ziel.schluessel == 0)
                ++belegt;
            ziel = e;
        }
    }
}

void Wertetabelle::merke(std::uint64_t schluessel, int offen, int alpha, int beta, int bester, int zug)
{
    if (belegt * 2 > tabelle.size() * plaetzeJeFach && tabelle.size() * plaetzeJeFach < groesste)
        wachse();
    Eintrag &ziel = platzFuer(schluessel);
    if (ziel.schluessel == 0)
        ++belegt;
    if (ziel.schluessel != schluessel) {
        ziel.schluessel = schluessel;
        ziel.unten = static_cast<std::int16_t>(-offen);
        ziel.oben = static_cast<std::int16_t>(offen);
    }
    if (bester <= alpha)
        ziel.oben = static_cast<std::int16_t>(std::min<int>(ziel.oben, bester));
    else if (bester >= beta)
        ziel.unten = static_cast<std::int16_t>(std::max<int>(ziel.unten, bester));
    else
        ziel.unten = ziel.oben = static_cast<std::int16_t>(bester);
    ziel.zug = static_cast<std::int8_t>(zug);
}
