// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "endspielsuche.h"

#include "seitenbits.h"
#include "wertgrenze.h"

#include <algorithm>

namespace {

// The search asks the brake this seldom: often enough to stop at once,
// rarely enough to cost nothing.
constexpr long knotenJeBremsblick = 1024;

using Seitenbits::maskenBits;
using Seitenbits::niedrigstesBit;

} // namespace

Endspielsuche::Endspielsuche(const Lage &lage, long knotenGrenze, const Notbremse &bremse)
    : knotenGrenze(knotenGrenze),
      bremse(bremse)
{
    seitenZahl = lage.freieSeiten();
    passend = seitenZahl <= hoechstensSeiten;
    if (!passend)
        return;
    std::vector<int> kastenNr(static_cast<std::size_t>(lage.zeilen() * lage.spalten()), -1);
    auto nummer = [&](int platz) {
        int &nr = kastenNr[static_cast<std::size_t>(platz)];
        if (nr < 0) {
            nr = kastenZahl++;
            frei[nr] = Richtung::anzahl - lage.geschlosseneSeiten(platz);
        }
        return nr;
    };
    for (int s : Seitenbits::vonDerMitteAus(lage)) {
        int a = -1;
        int b = -1;
        lage.felderAn(s, a, b);
        const int i = static_cast<int>(lageSeite.size());
        lageSeite.push_back(s);
        kastenA[i] = nummer(a);
        kastenB[i] = nummer(b);
        kastenSeiten[kastenA[i]] |= std::uint64_t(1) << i;
        kastenSeiten[kastenB[i]] |= std::uint64_t(1) << i;
        freiMaske |= std::uint64_t(1) << i;
    }
    offen = lage.offeneFelder();
    for (int k = 0; k < kastenZahl; ++k) {
        if (frei[k] == 1) {
            nehmbarMaske[k / maskenBits] |= std::uint64_t(1) << (k % maskenBits);
            ++nehmbarZahl;
        }
    }
    std::vector<int> innen(static_cast<std::size_t>(lage.seitenAnzahl()), -1);
    int innenZahl = 0;
    for (int s = 0; s < lage.seitenAnzahl(); ++s) {
        int a = -1;
        int b = -1;
        lage.felderAn(s, a, b);
        if (a >= 0 && b >= 0)
            innen[static_cast<std::size_t>(s)] = innenZahl++;
    }
    symmetrieZahl = innenZahl <= hoechstensSeiten ? Lage::symmetrien : 1;
    for (int art = 0; art < symmetrieZahl; ++art) {
        for (int i = 0; i < seitenZahl; ++i) {
            const int s = lageSeite[static_cast<std::size_t>(i)];
            const int bit = symmetrieZahl > 1 ? innen[static_cast<std::size_t>(lage.gespiegelt(s, art))] : i;
            bildBit[art][i] = static_cast<std::uint8_t>(bit);
            bildMaske[i][art] = std::uint64_t(1) << bit;
            urbild[art][bit] = static_cast<std::int8_t>(i);
            bild[art] |= std::uint64_t(1) << bit;
        }
    }
}

bool Endspielsuche::gibtAuf()
{
    if (abgebrochen)
        return true;
    if (++knoten > knotenGrenze || (knoten % knotenJeBremsblick == 0 && bremse.halt()))
        abgebrochen = true;
    return abgebrochen;
}

std::uint64_t Endspielsuche::schluessel(int &art) const
{
    art = 0;
    for (int g = 1; g < symmetrieZahl; ++g) {
        if (bild[g] < bild[art])
            art = g;
    }
    return bild[art];
}

int Endspielsuche::ziehe(int s)
{
    freiMaske &= ~(std::uint64_t(1) << s);
    for (int art = 0; art < Lage::symmetrien; ++art)
        bild[art] ^= bildMaske[s][art];
    const int fertig = schliesse(kastenA[s]) + schliesse(kastenB[s]);
    offen -= fertig;
    return fertig;
}

// Whether a side makes a box one that can be taken, or completes it, is as
// good as chance: the counts are changed without a branch.
inline int Endspielsuche::schliesse(int k)
{
    const int f = --frei[k];
    nehmbarMaske[k / maskenBits] ^= std::uint64_t(f <= 1) << (k % maskenBits);
    nehmbarZahl += (f == 1) - (f == 0);
    return f == 0;
}

inline void Endspielsuche::oeffne(int k)
{
    const int f = frei[k]++;
    nehmbarMaske[k / maskenBits] ^= std::uint64_t(f <= 1) << (k % maskenBits);
    nehmbarZahl += (f == 0) - (f == 1);
    offen += f == 0;
}

void Endspielsuche::nimmZurueck(int s)
{
    freiMaske |= std::uint64_t(1) << s;
    for (int art = 0; art < Lage::symmetrien; ++art)
        bild[art] ^= bildMaske[s][art];
    oeffne(kastenA[s]);
    oeffne(kastenB[s]);
}

inline int Endspielsuche::freieSeiteVon(int k) const
{
    const std::uint64_t m = kastenSeiten[k] & freiMaske;
    return m ? niedrigstesBit(m) : -1;
}

int Endspielsuche::sichererFang(Wahl &wahl) const
{
    // Taking a box is never wrong when the box behind it does not continue a
    // chain: either it falls with it, or it keeps three or four free sides.
    // Nor is it when the box can never be part of the last two (four)
    // boxes handed over: captures can be made in any order, and the only
    // turn worth making other than taking everything ends with such a
    // hand-over, so a line that takes this box later can take it now.
    int fang = -1;
    wahl.anzahl = 0;
    jederNehmbare([this, &fang, &wahl](int k) {
        const int s = freieSeiteVon(k);
        const Abgabe a = frei[andererKasten(s, k)] == 2 ? abgabe(k, s) : Abgabe{};
        if (!a.amEnde) {
            fang = s;
            return false;
        }
        // What the moves of the position need, so that they are not looked
        // for twice.
        if (wahl.anzahl < Wahl::plaetze) {
            wahl.nimm[wahl.anzahl] = s;
            wahl.gib[wahl.anzahl] = nehmbarZahl == a.allein ? a.gib : -1;
            ++wahl.anzahl;
        }
        return true;
    });
    return fang;
}

inline Endspielsuche::Abgabe Endspielsuche::abgabe(int k, int s) const
{
    // Box k can be taken by side s and the box n behind it has one more free
    // side t. Drawing t hands over k and n, and is worth trying only when
    // that is all it hands over: at the end of a chain (the box beyond t
    // keeps two free sides or more) or of a loop (the box beyond t and the
    // last box form a second pair).
    const int n = andererKasten(s, k);
    const std::uint64_t rest = kastenSeiten[n] & freiMaske & ~(std::uint64_t(1) << s);
    const int t = niedrigstesBit(rest);
    const int m = andererKasten(t, n);
    const int fm = frei[m];
    if (fm >= 3)
        return Abgabe{t, true, 1};
    if (fm == 2) {
        const std::uint64_t weiter = kastenSeiten[m] & freiMaske & ~(std::uint64_t(1) << t);
        if (frei[andererKasten(niedrigstesBit(weiter), m)] == 1)
            return Abgabe{t, true, 2};
    }
    return Abgabe{};
}

bool Endspielsuche::kannAblehnen(const Wahl &wahl) const
{
    return std::any_of(wahl.gib, wahl.gib + wahl.anzahl, [](int t) { return t >= 0; });
}

int Endspielsuche::erzeugeZuege(int *zuege, int tabellenZug, const Wahl &wahl) const
{
    int anzahl = 0;
    const auto fuegeAn = [zuege, &anzahl](int s) {
        if (s >= 0 && std::find(zuege, zuege + anzahl, s) == zuege + anzahl)
            zuege[anzahl++] = s;
    };
    if (nehmbarZahl > Wahl::plaetze) {
        // More boxes can be taken than a hand-over leaves: only taking.
        jederNehmbare([this, &fuegeAn](int k) {
            fuegeAn(freieSeiteVon(k));
            return true;
        });
    }
    for (int i = 0; i < wahl.anzahl && nehmbarZahl <= Wahl::plaetze; ++i) {
        fuegeAn(wahl.nimm[i]);
        fuegeAn(wahl.gib[i]);
    }
    if (nehmbarZahl > 0) {
        // The side that was best before goes first here too.
        const auto zug = std::find(zuege, zuege + anzahl, tabellenZug);
        if (zug != zuege + anzahl)
            std::rotate(zuege, zug, zug + 1);
        return anzahl;
    }
    // The side that was best before goes first, then the safe sides, then
    // the sides that give away the fewest boxes.
    if (tabellenZug >= 0 && (freiMaske >> tabellenZug & 1))
        zuege[anzahl++] = tabellenZug;
    // By how many of its two boxes a side gives away: none, one or both.
    int gruppe[3][hoechstensSeiten];
    int gruppenZahl[3] = {};
    for (std::uint64_t m = freiMaske; m; m &= m - 1) {
        const int s = niedrigstesBit(m);
        if (s == tabellenZug)
            continue;
        const int g = (frei[kastenA[s]] <= 2) + (frei[kastenB[s]] <= 2);
        gruppe[g][gruppenZahl[g]++] = s;
    }
    // Among the safe sides, those that cut off most often before go first;
    // sorted in place, as a sort that needs memory would ask for it at
    // every position.
    int *sicher = zuege + anzahl;
    for (int i = 0; i < gruppenZahl[0]; ++i) {
        const int s = gruppe[0][i];
        int j = i;
        for (; j > 0 && geschichte[sicher[j - 1]] < geschichte[s]; --j)
            sicher[j] = sicher[j - 1];
        sicher[j] = s;
    }
    anzahl += gruppenZahl[0];
    for (int g = 1; g < 3; ++g) {
        std::copy(gruppe[g], gruppe[g] + gruppenZahl[g], zuege + anzahl);
        anzahl += gruppenZahl[g];
    }
    return anzahl;
}

int Endspielsuche::suche(int alpha, int beta)
{
    int gewonnen = 0;
    int gezogen[hoechstensSeiten];
    int anzahl = 0;
    Wahl wahl;
    for (int s = sichererFang(wahl); s >= 0; s = sichererFang(wahl)) {
        gewonnen += ziehe(s);
        gezogen[anzahl++] = s;
    }
    const int wert = gewonnen + (freiMaske ? knotenWert(alpha - gewonnen, beta - gewonnen, wahl) : 0);
    while (anzahl > 0)
        nimmZurueck(gezogen[--anzahl]);
    return wert;
}

int Endspielsuche::probiere(int s, int alpha, int beta)
{
    const int fertig = ziehe(s);
    const int v = fertig > 0 ? fertig + suche(alpha - fertig, beta - fertig) : -suche(-beta, -alpha);
    nimmZurueck(s);
    return v;
}

int Endspielsuche::knotenWert(int alpha, int beta, const Wahl &wahl)
{
    if (gibtAuf())
        return 0;
    if (offen <= alpha)
        return offen;
    if (-offen >= beta)
        return -offen;
    // Whoever can hand over the last boxes of a chain or loop gets at least
    // as much as the opponent from the rest: taking them all and moving on,
    // or handing them over and letting the opponent move on, leaves the same
    // position, so one of the two is worth nothing less than nothing.
    if (beta <= 0 && kannAblehnen(wahl))
        return 0;
    int art = 0;
    const std::uint64_t schluessel = this->schluessel(art);
    int tabellenZug = -1;
    if (const Wertetabelle::Eintrag *e = tabelle.finde(schluessel)) {
        if (e->unten >= beta)
            return e->unten;
        if (e->oben <= alpha)
            return e->oben;
        if (e->unten == e->oben)
            return e->unten;
        alpha = std::max(alpha, static_cast<int>(e->unten));
        beta = std::min(beta, static_cast<int>(e->oben));
        tabellenZug = e->zug >= 0 ? urbild[art][e->zug] : -1;
    }
    const int alphaVorher = alpha;
    int zuege[hoechstensSeiten];
    const int anzahl = erzeugeZuege(zuege, tabellenZug, wahl);
    int bester = -Wertgrenze::unendlich;
    int besterZug = -1;
    for (int i = 0; i < anzahl; ++i) {
        const int s = zuege[i];
        int v = 0;
        if (i == 0 || beta - alpha == 1) {
            v = probiere(s, alpha, beta);
        } else {
            // The first side is most likely best: the others only have to
            // show that they are no better, which a window of one value
            // shows with less work, and only one that is better is searched
            // again for its value.
            v = probiere(s, alpha, alpha + 1);
            if (v > alpha && v < beta && !abgebrochen)
                v = probiere(s, v, beta);
        }
        if (abgebrochen)
            return 0;
        if (v > bester) {
            bester = v;
            besterZug = s;
            if (v > alpha) {
                alpha = v;
                if (alpha >= beta) {
                    geschichte[s] += long(1) << (__builtin_popcountll(freiMaske) / 2);
                    break;
                }
            }
        }
    }
    tabelle.merke(schluessel, offen, alphaVorher, beta, bester, besterZug >= 0 ? bildBit[art][besterZug] : -1);
    return bester;
}

bool Endspielsuche::loese(int &seite, int &wert)
{
    if (!passend || seitenZahl == 0)
        return false;
    int zuege[hoechstensSeiten];
    int anzahl = 0;
    Wahl wahl;
    const int fang = sichererFang(wahl);
    if (fang >= 0)
        zuege[anzahl++] = fang;
    else
        anzahl = erzeugeZuege(zuege, -1, wahl);
    int bester = -Wertgrenze::unendlich;
    int besterZug = -1;
    for (int i = 0; i < anzahl; ++i) {
        const int s = zuege[i];
        int v = 0;
        if (i == 0) {
            v = probiere(s, -Wertgrenze::unendlich, Wertgrenze::unendlich);
        } else {
            v = probiere(s, bester, bester + 1);
            if (v > bester && !abgebrochen)
                v = probiere(s, v, Wertgrenze::unendlich);
        }
        if (abgebrochen)
            return false;
        if (v > bester) {
            bester = v;
            besterZug = s;
        }
    }
    seite = lageSeite[static_cast<std::size_t>(besterZug)];
    wert = bester;
    return true;
}

bool Endspielsuche::istAuchBeste(int seite, int wert)
{
    const auto i = std::find(lageSeite.begin(), lageSeite.end(), seite);
    return passend && i != lageSeite.end() && probiere(static_cast<int>(i - lageSeite.begin()), wert - 1, wert) >= wert
           && !abgebrochen;
}

bool Endspielsuche::bewerte(int &wert)
{
    if (!passend)
        return false;
    const int v = suche(-Wertgrenze::unendlich, Wertgrenze::unendlich);
    if (abgebrochen)
        return false;
    wert = v;
    return true;
}
