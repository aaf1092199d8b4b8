// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wertetabelle.h"

#include <algorithm>

Wertetabelle::Wertetabelle()
    : tabelle(erste),
      maske(erste - 1)
{
}

std::size_t Wertetabelle::platzFuer(std::uint64_t schluessel) const
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
    const Eintrag &e = tabelle[platzFuer(schluessel)];
    return e.schluessel == schluessel ? &e : nullptr;
}

void Wertetabelle::wachse()
{
    std::vector<Eintrag> alt(tabelle.size() * 2);
    alt.swap(tabelle);
    maske = tabelle.size() - 1;
    belegt = 0;
    for (const Eintrag &e : alt) {
        if (e.schluessel == 0)
            continue;
        Eintrag &ziel = tabelle[platzFuer(e.schluessel)];
        if (ziel.schluessel == 0)
            ++belegt;
        ziel = e;
    }
}

void Wertetabelle::merke(std::uint64_t schluessel, int offen, int alpha, int beta, int bester, int zug)
{
    if (belegt * 4 > tabelle.size() * 3 && tabelle.size() < groesste)
        wachse();
    Eintrag &ziel = tabelle[platzFuer(schluessel)];
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
