// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "faustregel.h"

#include "wertgrenze.h"

#include <algorithm>
#include <utility>

namespace {

// A chain of this many boxes or more is long: whoever is given it can take
// all but two and hand those back, and keep control.
constexpr int langeKetteAb = 3;
// Handing back the last four boxes of a loop keeps control.
constexpr int ringRest = 4;
// In a play-out, handing over boxes to keep control pays on a rough count
// when at least this many are left after them.
constexpr int kontrolleLohntAb = 8;
// Estimates played out by rules of thumb are rough: a chain more than this
// many boxes longer than the shortest is never given away for them.
constexpr int hoechstensLaenger = 2;

}

int Faustregel::anderesFeld(const Lage &lage, int seite, int platz)
{
    int a = -1;
    int b = -1;
    lage.felderAn(seite, a, b);
    return a == platz ? b : a;
}

int Faustregel::freieSeiteVon(const Lage &lage, int platz, int ausser)
{
    const int z = platz / lage.spalten();
    const int s = platz % lage.spalten();
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        const int seite = lage.seite(z, s, richtung);
        if (seite != ausser && lage.istFrei(seite))
            return seite;
    }
    return -1;
}

int Faustregel::sichererFang(const Lage &lage)
{
    const int felder = lage.zeilen() * lage.spalten();
    for (int platz = 0; platz < felder; ++platz) {
        if (frei(lage, platz) != 1)
            continue;
        const int seite = freieSeiteVon(lage, platz);
        if (frei(lage, anderesFeld(lage, seite, platz)) != 2)
            return seite;
    }
    return -1;
}

bool Faustregel::fangStelle(const Lage &lage, int &nehmen, int &ablehnen)
{
    ablehnen = -1;
    nehmen = sichererFang(lage);
    if (nehmen >= 0)
        return true;
    const int felder = lage.zeilen() * lage.spalten();
    int erstes = -1;
    int nehmbar = 0;
    for (int platz = 0; platz < felder; ++platz) {
        if (frei(lage, platz) == 1) {
            ++nehmbar;
            if (erstes < 0)
                erstes = platz;
        }
    }
    if (erstes < 0)
        return false;
    nehmen = freieSeiteVon(lage, erstes);
    ablehnen = ablehnSeite(lage, erstes, nehmbar);
    return true;
}

int Faustregel::ablehnSeite(const Lage &lage, int platz, int nehmbar)
{
    // The box behind the one to take has one more free side t; drawing t
    // hands both over, and is worth it only when nothing else goes with them:
    // at the end of a chain, or as two pairs at the end of a loop.
    const int nehmen = freieSeiteVon(lage, platz);
    const int n = anderesFeld(lage, nehmen, platz);
    const int t = freieSeiteVon(lage, n, nehmen);
    const int m = anderesFeld(lage, t, n);
    if (nehmbar == 1 && frei(lage, m) >= 3)
        return t;
    if (nehmbar == 2 && frei(lage, m) == 2) {
        const int u = freieSeiteVon(lage, m, t);
        if (frei(lage, anderesFeld(lage, u, m)) == 1)
            return t;
    }
    return -1;
}

int Faustregel::nimmAlles(Lage &lage)
{
    int genommen = 0;
    const int felder = lage.zeilen() * lage.spalten();
    bool weiter = true;
    while (weiter) {
        weiter = false;
        for (int platz = 0; platz < felder; ++platz) {
            if (frei(lage, platz) == 1) {
                genommen += lage.ziehe(freieSeiteVon(lage, platz));
                weiter = true;
            }
        }
    }
    return genommen;
}

bool Faustregel::istSicher(const Lage &lage, int seite)
{
    int a = -1;
    int b = -1;
    lage.felderAn(seite, a, b);
    return lage.istFrei(seite) && frei(lage, a) >= 3 && frei(lage, b) >= 3;
}

std::vector<int> Faustregel::sichereSeiten(const Lage &lage)
{
    std::vector<int> seiten;
    for (int s = 0; s < lage.seitenAnzahl(); ++s) {
        if (istSicher(lage, s))
            seiten.push_back(s);
    }
    return seiten;
}

int Faustregel::kettenLaenge(const Lage &lage, int seite)
{
    int a = -1;
    int b = -1;
    lage.felderAn(seite, a, b);
    int laenge = 0;
    for (int start : {a, b}) {
        int platz = start;
        int durch = seite;
        while (frei(lage, platz) == 2) {
            ++laenge;
            durch = freieSeiteVon(lage, platz, durch);
            platz = anderesFeld(lage, durch, platz);
            if (platz == start || (start == b && platz == a))
                return laenge;
        }
    }
    return laenge;
}

int Faustregel::langeKetten(const Lage &lage)
{
    const int felder = lage.zeilen() * lage.spalten();
    std::vector<std::uint8_t> gesehen(static_cast<std::size_t>(felder), 0);
    std::vector<int> offen;
    int ketten = 0;
    for (int start = 0; start < felder; ++start) {
        if (gesehen[static_cast<std::size_t>(start)] || lage.istGesperrt(start) || frei(lage, start) != 2)
            continue;
        gesehen[static_cast<std::size_t>(start)] = 1;
        offen.assign(1, start);
        int laenge = 0;
        bool ring = true;
        while (!offen.empty()) {
            const int platz = offen.back();
            offen.pop_back();
            ++laenge;
            for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
                const int seite = lage.seite(platz / lage.spalten(), platz % lage.spalten(), richtung);
                if (!lage.istFrei(seite))
                    continue;
                const int weiter = anderesFeld(lage, seite, platz);
                // A chain ends where it meets a box with more or fewer free
                // sides; a loop never does.
                if (frei(lage, weiter) != 2) {
                    ring = false;
                } else if (!gesehen[static_cast<std::size_t>(weiter)]) {
                    gesehen[static_cast<std::size_t>(weiter)] = 1;
                    offen.push_back(weiter);
                }
            }
        }
        ketten += !ring && laenge >= langeKetteAb;
    }
    return ketten;
}

std::vector<int> Faustregel::oeffnungen(const Lage &lage)
{
    const int felder = lage.zeilen() * lage.spalten();
    std::vector<std::uint8_t> gesehen(static_cast<std::size_t>(felder), 0);
    std::vector<int> ergebnis;
    for (int platz = 0; platz < felder; ++platz) {
        if (gesehen[static_cast<std::size_t>(platz)] || frei(lage, platz) != 2)
            continue;
        // The sides of the run of two-sided boxes through this box, in order
        // from one end to the other.
        std::vector<int> seiten;
        bool ring = false;
        const int erste = freieSeiteVon(lage, platz);
        const int zweite = freieSeiteVon(lage, platz, erste);
        for (int durch : {erste, zweite}) {
            std::vector<int> weg;
            int feld = platz;
            int s = durch;
            for (;;) {
                weg.push_back(s);
                const int naechstes = anderesFeld(lage, s, feld);
                if (naechstes == platz) {
                    ring = true;
                    break;
                }
                if (frei(lage, naechstes) != 2)
                    break;
                gesehen[static_cast<std::size_t>(naechstes)] = 1;
                feld = naechstes;
                s = freieSeiteVon(lage, feld, s);
            }
            if (ring) {
                seiten = weg;
                break;
            }
            if (durch == erste)
                seiten.assign(weg.rbegin(), weg.rend());
            else
                seiten.insert(seiten.end(), weg.begin(), weg.end());
        }
        gesehen[static_cast<std::size_t>(platz)] = 1;
        ergebnis.push_back(seiten.front());
        if (!ring && seiten.size() >= 3)
            ergebnis.push_back(seiten[seiten.size() / 2]);
    }
    return ergebnis;
}

bool Faustregel::nurRinge(const Lage &lage, std::vector<int> &groessen)
{
    groessen.clear();
    const int felder = lage.zeilen() * lage.spalten();
    std::vector<std::uint8_t> gesehen(static_cast<std::size_t>(felder), 0);
    for (int platz = 0; platz < felder; ++platz) {
        const int f = frei(lage, platz);
        if (f == 0 || gesehen[static_cast<std::size_t>(platz)])
            continue;
        if (f != 2)
            return false;
        int groesse = 0;
        int feld = platz;
        int durch = -1;
        do {
            gesehen[static_cast<std::size_t>(feld)] = 1;
            ++groesse;
            durch = freieSeiteVon(lage, feld, durch);
            feld = anderesFeld(lage, durch, feld);
            if (frei(lage, feld) != 2)
                return false;
        } while (feld != platz);
        groessen.push_back(groesse);
    }
    return true;
}

int Faustregel::ringWert(std::vector<int> groessen)
{
    // The value for the receiver of the loop given away; the player to move
    // gets its negative. The loops are few, so trying each order is cheap
    // once equal sizes are tried only once.
    if (groessen.empty())
        return 0;
    std::sort(groessen.begin(), groessen.end());
    int empfaenger = Wertgrenze::unendlich;
    for (std::size_t i = 0; i < groessen.size(); ++i) {
        if (i > 0 && groessen[i] == groessen[i - 1])
            continue;
        std::vector<int> rest = groessen;
        rest.erase(rest.begin() + static_cast<std::ptrdiff_t>(i));
        const int danach = -ringWert(rest);
        const int x = groessen[i];
        empfaenger = std::min(empfaenger, std::max(x - danach, x - 2 * ringRest + danach));
    }
    return -empfaenger;
}

int Faustregel::kuerzesteOeffnung(const Lage &lage)
{
    // A pair is given away in its middle, so that the opponent cannot hand
    // it back.
    int seite = -1;
    int bestes = Wertgrenze::unendlich;
    for (int s : oeffnungen(lage)) {
        const int laenge = kettenLaenge(lage, s);
        int a = -1;
        int b = -1;
        lage.felderAn(s, a, b);
        const int gewicht = 2 * laenge + (laenge == 2 && (frei(lage, a) != 2 || frei(lage, b) != 2));
        if (gewicht < bestes) {
            bestes = gewicht;
            seite = s;
        }
    }
    for (int s = 0; seite < 0 && s < lage.seitenAnzahl(); ++s) {
        if (lage.istFrei(s))
            seite = s;
    }
    return seite;
}

std::vector<int> Faustregel::oeffnungsArten(const Lage &lage)
{
    // Two to a box, one more at the end of a chain: equal weights give away
    // the same.
    std::vector<std::pair<int, int>> arten;
    for (int s : oeffnungen(lage)) {
        int a = -1;
        int b = -1;
        lage.felderAn(s, a, b);
        const int ende = frei(lage, a) != 2 || frei(lage, b) != 2;
        arten.emplace_back(2 * kettenLaenge(lage, s) + ende, s);
    }
    std::sort(arten.begin(), arten.end());
    arten.erase(std::unique(arten.begin(), arten.end(),
                            [](const auto &x, const auto &y) { return x.first == y.first; }),
                arten.end());
    while (!arten.empty() && arten.back().first > arten.front().first + 2 * hoechstensLaenger)
        arten.pop_back();
    std::vector<int> seiten;
    for (const auto &art : arten)
        seiten.push_back(art.second);
    return seiten;
}

int Faustregel::kettenregelSeite(const Lage &lage, const std::vector<int> &sicher)
{
    // Whoever is to move wants the dots (here the free sides less the open
    // boxes, plus one, as the frame is never drawn) and the long chains to
    // add up to an even number, for then the opponent must open the first
    // long chain. Only the long chains formed so far are counted.
    const int punkte = lage.freieSeiten() - lage.offeneFelder() + 1;
    const std::size_t mitte = sicher.size() / 2;
    for (std::size_t i = 0; i < sicher.size(); ++i) {
        // From the middle outwards, so that the board fills evenly.
        const int s = sicher[(mitte + i) % sicher.size()];
        Lage danach = lage;
        danach.ziehe(s);
        if ((punkte - 1 + langeKetten(danach)) % 2 == 1)
            return s;
    }
    return sicher[mitte];
}

int Faustregel::ausspielen(Lage lage)
{
    int bilanz = 0;
    int vorzeichen = 1;
    while (lage.freieSeiten() > 0) {
        int nehmen = -1;
        int ablehnen = -1;
        int seite = -1;
        if (fangStelle(lage, nehmen, ablehnen)) {
            seite = nehmen;
            if (ablehnen >= 0) {
                // Keeping control costs the boxes handed over; it pays on a
                // rough count when much more is left after them.
                Lage rest = lage;
                nimmAlles(rest);
                if (rest.offeneFelder() >= kontrolleLohntAb)
                    seite = ablehnen;
            }
        } else {
            const std::vector<int> sicher = sichereSeiten(lage);
            if (!sicher.empty()) {
                seite = sicher[sicher.size() / 2];
            } else {
                seite = kuerzesteOeffnung(lage);
            }
        }
        const int fertig = lage.ziehe(seite);
        if (fertig > 0)
            bilanz += vorzeichen * fertig;
        else
            vorzeichen = -vorzeichen;
    }
    return bilanz;
}
