// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "meister.h"

#include "endspielsuche.h"
#include "faustregel.h"
#include "notbremse.h"
#include "wertgrenze.h"

#include <algorithm>
#include <cstdint>

namespace {

using Uhr = std::chrono::steady_clock;

// Up to this many free sides a search to the end of a position from a game
// on the small board visits at most about 850 000 positions (BENCHMARKS.md):
// it gets 1 200 000. Above it, it gets a short try when no safe side is
// left, where it often succeeds; with safe sides left, a position of 41
// free sides needs about 1 600 000 at the 90th percentile, and the
// Meister's decisions at 41 would take longer than a tenth of a second too
// often.
constexpr int volleSucheBis = 40;
constexpr int versuchBis = volleSucheBis;
constexpr long volleSucheKnoten = 1200000;
constexpr long versuchKnoten = 150000;
// The rules of thumb compare their choices with this much work at most,
// counted in positions searched and in free sides looked at: one for each
// of them in every position of a play-out or an order of safe sides, and
// every free side once for each side drawn when a position is played out
// by the simple rules.
constexpr long faustArbeit = 400000;
// Positions valued on the way to a decision are searched to the end up to
// this many free sides, and estimated by playing them out above.
constexpr int bewerteExaktBis = 26;
// With this many safe sides left or fewer, every order of drawing them is
// searched.
constexpr int sichereSucheBis = 8;
// Safe sides are compared by games played on from them at random, the way a
// player without a plan draws safe sides, until this many free sides are
// left, where a search values the position to its end.
constexpr int probespielBis = 22;
constexpr int probespiele = 24;
// Trying every order of the loops is cheap only for a few of them.
constexpr std::size_t ringeHoechstens = 7;
// Each round of play-outs starts its generator this far from the last one's:
// a prime, so that the rounds' games share no pattern.
constexpr std::uint64_t saatSchritt = 7919u;
// Fowler, Noll and Vo's hash, to seed the play-outs by the position.
constexpr std::uint64_t fnvAnfang = 1469598103934665603ull;
constexpr std::uint64_t fnvFaktor = 1099511628211ull;

// The work the rules of thumb have left, shared by all their comparisons.
struct Kontext
{
    long *arbeit;
    const Notbremse &bremse;

    bool erschoepft() const { return *arbeit <= 0 || bremse.halt(); }
    void verbrauche(long menge) const { *arbeit -= menge; }
};

// The value of a position in which nothing can be taken, for the player to
// move: searched when it is small, else played out by simple rules.
int schaetze(const Lage &lage, const Kontext &k)
{
    std::vector<int> ringe;
    if (Faustregel::nurRinge(lage, ringe) && ringe.size() <= ringeHoechstens)
        return Faustregel::ringWert(ringe);
    if (lage.freieSeiten() <= bewerteExaktBis && !k.erschoepft()) {
        Endspielsuche suche(lage, *k.arbeit, k.bremse);
        int wert = 0;
        const bool geloest = suche.bewerte(wert);
        k.verbrauche(suche.knotenZahl());
        if (geloest)
            return wert;
    }
    k.verbrauche(long(lage.freieSeiten()) * lage.freieSeiten());
    return Faustregel::ausspielen(lage);
}

// Taking everything against handing over the last two (four) boxes: the
// remaining position R is the same either way, so with v its value for the
// player to move, taking all brings k + v and handing over h boxes brings
// k - 2h - v.
struct Fangwahl
{
    int wert;
    bool ablehnen;
};

Fangwahl fangWahl(const Lage &lage, int ablehnen, const Kontext &k)
{
    Lage rest = lage;
    const int alle = Faustregel::nimmAlles(rest);
    const int v = schaetze(rest, k);
    Fangwahl wahl{alle + v, false};
    if (ablehnen >= 0) {
        Lage gegeben = lage;
        gegeben.ziehe(ablehnen);
        const int h = Faustregel::nimmAlles(gegeben);
        if (alle - 2 * h - v > wahl.wert)
            wahl = {alle - 2 * h - v, true};
    }
    return wahl;
}

// The value for the player to move of a position where boxes may be
// waiting to be taken.
int wertMitFang(Lage lage, const Kontext &k)
{
    int gewonnen = 0;
    int nehmen = -1;
    int ablehnen = -1;
    while (Faustregel::fangStelle(lage, nehmen, ablehnen)) {
        if (ablehnen >= 0)
            return gewonnen + fangWahl(lage, ablehnen, k).wert;
        gewonnen += lage.ziehe(nehmen);
    }
    return gewonnen + schaetze(lage, k);
}

// Every order of drawing the remaining safe sides, each side valued by the
// position once none are left.
int sichereSuche(Lage &lage, const Kontext &k, int alpha, int beta, int &zug)
{
    zug = -1;
    k.verbrauche(lage.freieSeiten());
    const std::vector<int> sicher = Faustregel::sichereSeiten(lage);
    if (sicher.empty() || k.erschoepft())
        return schaetze(lage, k);
    int bester = -Wertgrenze::unendlich;
    for (int s : sicher) {
        Lage danach = lage;
        danach.ziehe(s);
        int antwort = -1;
        const int v = -sichereSuche(danach, k, -beta, -alpha, antwort);
        if (v > bester) {
            bester = v;
            zug = s;
        }
        alpha = std::max(alpha, v);
        if (alpha >= beta || k.erschoepft())
            break;
    }
    return bester;
}

int loonyZug(const Lage &lage, const Kontext &k)
{
    // Shortest first: when the work runs out, the shortest have been valued.
    int bester = -Wertgrenze::unendlich;
    int zug = Faustregel::kuerzesteOeffnung(lage);
    for (const int s : Faustregel::oeffnungsArten(lage)) {
        Lage danach = lage;
        danach.ziehe(s);
        const int v = -wertMitFang(danach, k);
        if (v > bester) {
            bester = v;
            zug = s;
        }
        if (k.erschoepft())
            break;
    }
    return zug;
}

// A small generator of its own (xorshift): the same position always gets the
// same games, and the standard generator of the other levels is left alone.
int zufallUnter(std::uint64_t &zustand, int n)
{
    zustand ^= zustand << 13;
    zustand ^= zustand >> 7;
    zustand ^= zustand << 17;
    return static_cast<int>(zustand % static_cast<std::uint64_t>(n));
}

// The value for the player to move after `lage`, from one game played on:
// both take what they can, draw random safe sides, and the rest is searched.
int probespiel(Lage lage, std::uint64_t &zufall, const Kontext &k)
{
    int bilanz = 0;
    int vorzeichen = 1;
    for (;;) {
        const int fang = Faustregel::sichererFang(lage);
        int nehmen = -1;
        int ablehnen = -1;
        if (fang >= 0 || Faustregel::fangStelle(lage, nehmen, ablehnen)) {
            bilanz += vorzeichen * lage.ziehe(fang >= 0 ? fang : nehmen);
            continue;
        }
        const std::vector<int> sicher = Faustregel::sichereSeiten(lage);
        if (sicher.empty() || lage.freieSeiten() <= probespielBis)
            return bilanz + vorzeichen * schaetze(lage, k);
        k.verbrauche(lage.freieSeiten());
        lage.ziehe(sicher[static_cast<std::size_t>(zufallUnter(zufall, static_cast<int>(sicher.size())))]);
        vorzeichen = -vorzeichen;
    }
}

std::uint64_t fingerabdruck(const Lage &lage)
{
    std::uint64_t h = fnvAnfang;
    for (int s = 0; s < lage.seitenAnzahl(); ++s)
        h = (h ^ static_cast<std::uint64_t>(lage.istFrei(s))) * fnvFaktor;
    return h;
}

int probespielZug(const Lage &lage, const std::vector<int> &sicher, const Kontext &k)
{
    std::vector<long> summe(sicher.size(), 0);
    const std::uint64_t saat = fingerabdruck(lage);
    int runden = 0;
    for (; runden < probespiele; ++runden) {
        std::vector<long> runde(sicher.size(), 0);
        for (std::size_t i = 0; i < sicher.size(); ++i) {
            // The same games for every side, so that the sides differ by
            // what they do and not by luck.
            std::uint64_t zufall = (saat + static_cast<std::uint64_t>(runden) * saatSchritt) | 1u;
            Lage danach = lage;
            danach.ziehe(sicher[i]);
            runde[i] = -probespiel(danach, zufall, k);
        }
        // A round cut short would favour the sides it reached.
        if (k.erschoepft() && runden > 0)
            break;
        for (std::size_t i = 0; i < sicher.size(); ++i)
            summe[i] += runde[i];
    }
    const auto bester = std::max_element(summe.begin(), summe.end());
    return sicher[static_cast<std::size_t>(bester - summe.begin())];
}

int faustZug(const Lage &lage, const Kontext &k)
{
    int nehmen = -1;
    int ablehnen = -1;
    if (Faustregel::fangStelle(lage, nehmen, ablehnen)) {
        if (ablehnen >= 0 && fangWahl(lage, ablehnen, k).ablehnen)
            return ablehnen;
        return nehmen;
    }
    const std::vector<int> sicher = Faustregel::sichereSeiten(lage);
    if (sicher.empty())
        return loonyZug(lage, k);
    if (static_cast<int>(sicher.size()) <= sichereSucheBis) {
        Lage kopie = lage;
        int zug = -1;
        sichereSuche(kopie, k, -Wertgrenze::unendlich, Wertgrenze::unendlich, zug);
        if (zug >= 0)
            return zug;
    }
    if (lage.freieSeiten() <= Endspielsuche::hoechstensSeiten)
        return probespielZug(lage, sicher, k);
    return Faustregel::kettenregelSeite(lage, sicher);
}

} // namespace

Meister::Meister(std::chrono::milliseconds sicherheitsFrist, Zweck zweck)
    : sicherheitsFrist(sicherheitsFrist), zweck(zweck)
{
}

int Meister::spielSeite(const Lage &lage, const Rat &rat, Endspielsuche &suche, const Notbremse &bremse) const
{
    const int ausgang = lage.vorsprung() + rat.wert;
    if (zweck == Zweck::raten || ausgang > 0)
        return rat.seite;
    long arbeit = faustArbeit;
    const int faust = faustZug(lage, Kontext{&arbeit, bremse});
    if (faust == rat.seite || ausgang < 0)
        return faust;
    return suche.istAuchBeste(faust, rat.wert) ? faust : rat.seite;
}

Meister::Rat Meister::waehle(const Lage &lage, const std::atomic<bool> *abbruch) const
{
    Rat rat;
    if (lage.freieSeiten() == 0) {
        rat.exakt = true;
        return rat;
    }
    const Notbremse bremse(Uhr::now() + sicherheitsFrist, abbruch);
    const bool versuchen = lage.freieSeiten() <= versuchBis || Faustregel::sichereSeiten(lage).empty();
    if (versuchen && lage.freieSeiten() <= Endspielsuche::hoechstensSeiten) {
        Endspielsuche suche(lage, lage.freieSeiten() <= volleSucheBis ? volleSucheKnoten : versuchKnoten, bremse);
        if (suche.loese(rat.seite, rat.wert)) {
            rat.exakt = true;
            rat.seite = spielSeite(lage, rat, suche, bremse);
            return rat;
        }
    }
    long arbeit = faustArbeit;
    rat.seite = faustZug(lage, Kontext{&arbeit, bremse});
    rat.gekappt = bremse.kappeErreicht();
    return rat;
}
