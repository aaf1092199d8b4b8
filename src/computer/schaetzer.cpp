// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schaetzer.h"

#include "faustregel.h"
#include "lage.h"

#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// Play-outs per estimate.
constexpr int ausspiele = 16;
// Valuing loops alone tries their orders: cheap only for a few of them.
constexpr std::size_t ringeHoechstens = 7;
// Fowler, Noll and Vo's hash, to seed the random sides by the position; a
// generator of its own leaves the levels' rand() sequence alone.
constexpr std::uint64_t fnvAnfang = 1469598103934665603ull;
constexpr std::uint64_t fnvFaktor = 1099511628211ull;
// Knuth's MMIX linear congruential generator, its high bits.
constexpr std::uint64_t lcgFaktor = 6364136223846793005ull;
constexpr std::uint64_t lcgSchritt = 1442695040888963407ull;
constexpr int lcgVerwerfen = 33;

// Where the estimates came within two boxes for nine positions in ten: up to
// this many free sides on a board of these rows and columns. Above it, the
// search that finds the exact values to compare with reaches no further (64
// free sides), or the estimates were further off. On the small board they
// never came that close.
struct Messbereich
{
    int zeilen;
    int spalten;
    int bisFrei;
};
constexpr Messbereich gemessen[] = {{11, 13, 52}, {15, 22, 60}};

std::uint64_t streuwert(const Lage &lage)
{
    std::uint64_t wert = fnvAnfang;
    for (int seite = 0; seite < lage.seitenAnzahl(); ++seite) {
        wert ^= lage.istFrei(seite) ? 1u : 0u;
        wert *= fnvFaktor;
    }
    return wert;
}

class Zufall
{
public:
    explicit Zufall(std::uint64_t saat)
        : zustand(saat)
    {
    }
    std::size_t unter(std::size_t n)
    {
        zustand = zustand * lcgFaktor + lcgSchritt;
        return static_cast<std::size_t>(zustand >> lcgVerwerfen) % n;
    }

private:
    std::uint64_t zustand;
};

// Safe sides drawn at random until none is left, then the simple rules to
// the end: for the player to move at the start.
int ausspielenZufaellig(const Lage &lage, Zufall &zufall)
{
    Lage weiter = lage;
    int vorzeichen = 1;
    for (std::vector<int> sicher = Faustregel::sichereSeiten(weiter); !sicher.empty();
         sicher = Faustregel::sichereSeiten(weiter)) {
        weiter.ziehe(sicher[zufall.unter(sicher.size())]);
        vorzeichen = -vorzeichen;
    }
    return vorzeichen * Faustregel::ausspielen(weiter);
}

}

int Schaetzer::schaetze(const Lage &lage)
{
    std::vector<int> ringe;
    if (Faustregel::nurRinge(lage, ringe) && ringe.size() <= ringeHoechstens)
        return Faustregel::ringWert(ringe);
    int nehmen = -1;
    int ablehnen = -1;
    if (Faustregel::fangStelle(lage, nehmen, ablehnen) || Faustregel::sichereSeiten(lage).empty())
        return Faustregel::ausspielen(lage);
    Zufall zufall(streuwert(lage));
    int summe = 0;
    for (int i = 0; i < ausspiele; ++i)
        summe += ausspielenZufaellig(lage, zufall);
    return static_cast<int>(std::lround(static_cast<double>(summe) / ausspiele));
}

bool Schaetzer::verlaesslich(const Lage &lage)
{
    for (const Messbereich &bereich : gemessen) {
        if (lage.zeilen() == bereich.zeilen && lage.spalten() == bereich.spalten)
            return lage.freieSeiten() <= bereich.bisFrei;
    }
    return false;
}
