// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_WERTETABELLE_H
#define PUNKTFELD_WERTETABELLE_H

#include <cstdint>
#include <vector>

// What the exact search knows of the positions it has valued: for each key,
// a lower and an upper bound of the value and the best side found. A key
// has four places to go, side by side in memory; when all four are taken,
// the position with the fewest free sides gives way, as it cost the least
// to value. The table starts as large as the search expects to need: a
// small search costs little to set up, and a large one neither stops to
// move its entries nor fetches fresh memory from the system page by page
// while it runs, which cost it a sixth of its time. It grows when half
// full, to 64 MiB at most, and goes with the search.
class Wertetabelle
{
public:
    struct Eintrag
    {
        std::uint64_t schluessel = 0;
        std::int16_t unten = 0;
        std::int16_t oben = 0;
        std::int8_t zug = -1;
    };

    // Room for about `erwartet` positions at first.
    explicit Wertetabelle(std::size_t erwartet);

    // The entry of the position with this key, or null when it is not kept.
    const Eintrag *finde(std::uint64_t schluessel) const;
    // Asks the memory for the place of a key that will be looked up soon.
    void holeVor(std::uint64_t schluessel) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&tabelle[fachFuer(schluessel)]);
#else
        (void)schluessel;
#endif
    }
    // Keeps what a search with the window (alpha, beta) found: `bester`,
    // the best value, is exact inside the window, an upper bound at or below
    // alpha and a lower bound at or above beta; with `offen` boxes open, the
    // value lies between -offen and offen.
    void merke(std::uint64_t schluessel, int offen, int alpha, int beta, int bester, int zug);
    std::size_t bytes() const { return tabelle.size() * sizeof(Fach); }

private:
    // The four places of a key fill one line of the processor's cache, so
    // that a look-up waits for the memory once.
    static constexpr std::size_t plaetzeJeFach = 4;
    static constexpr std::size_t cacheZeile = 64;
    struct alignas(cacheZeile) Fach
    {
        Eintrag platz[plaetzeJeFach];
    };
    static_assert(sizeof(Fach) == cacheZeile, "an entry grew");

    std::size_t fachFuer(std::uint64_t schluessel) const;
    // The place where a key is kept or is to go.
    Eintrag &platzFuer(std::uint64_t schluessel);
    void wachse();

    std::vector<Fach> tabelle;
    std::uint64_t maske = 0;
    std::size_t belegt = 0;
    // Counted in places: the first size lies between the two smaller ones.
    static constexpr std::size_t kleinste = std::size_t(1) << 12;
    static constexpr std::size_t groessteErste = std::size_t(1) << 19;
    static constexpr std::size_t groesste = std::size_t(1) << 22;
};

#endif
