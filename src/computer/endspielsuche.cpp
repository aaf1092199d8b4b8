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
            kastenSeiten.push_back(0);
            frei.push_back(Richtung::anzahl - lage.geschlosseneSeiten(platz));
        }
        return nr;
    };
    for (int s : Seitenbits::vonDerMitteAus(lage)) {
        int a = -1;
        int b = -1;
        lage.felderAn(s, a, b);
        const int i = static_cast<int>(lageSeite.size());
        lageSeite.push_back(s);
        kastenA.push_back(nummer(a));
        kastenB.push_back(nummer(b));
        kastenSeiten[static_cast<std::size_t>(kastenA.back())] |= std::uint64_t(1) << i;
        kastenSeiten[static_cast<std::size_t>(kastenB.back())] |= std::uint64_t(1) << i;
        freiMaske |= std::uint64_t(1) << i;
    }
    offen = lage.offeneFelder();
    for (int k = 0; k < kastenZahl; ++k) {
        if (frei[static_cast<std::size_t>(k)] == 1) {
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
    for (int art = 0; art < symmetrieZahl; ++art)
        bild[art] &= ~(std::uint64_t(1) << bildBit[art][s]);
    const int fertig = schliesse(kastenA[s]) + schliesse(kastenB[s]);
    offen -= fertig;
    return fertig;
}

int Endspielsuche::schliesse(int k)
{
    std::uint64_t &wort = nehmbarMaske[k / maskenBits];
    const std::uint64_t bit = std::uint64_t(1) << (k % maskenBits);
    switch (--frei[static_cast<std::size_t>(k)]) {
    case 1:
        wort |= bit;
        ++nehmbarZahl;
        return 0;
    case 0:
        wort &= ~bit;
        --nehmbarZahl;
        return 1;
    default:
        return 0;
    }
}

void Endspielsuche::oeffne(int k)
{
    std::uint64_t &wort = nehmbarMaske[k / maskenBits];
    const std::uint64_t bit = std::uint64_t(1) << (k % maskenBits);
    switch (frei[static_cast<std::size_t>(k)]++) {
    case 0:
        wort |= bit;
        ++nehmbarZahl;
        ++offen;
        break;
    case 1:
        wort &= ~bit;
        --nehmbarZahl;
        break;
    default:
        break;
    }
}

void Endspielsuche::nimmZurueck(int s)
{
    freiMaske |= std::uint64_t(1) << s;
    for (int art = 0; art < symmetrieZahl; ++art)
        bild[art] |= std::uint64_t(1) << bildBit[art][s];
    oeffne(kastenA[s]);
    oeffne(kastenB[s]);
}

int Endspielsuche::freieSeiteVon(int k) const
{
    const std::uint64_t m = kastenSeiten[static_cast<std::size_t>(k)] & freiMaske;
    return m ? niedrigstesBit(m) : -1;
}

int Endspielsuche::sichererFang() const
{
    // Taking a box is never wrong when the box behind it does not continue a
    // chain: either it falls with it, or it keeps three or four free sides.
    // Nor is it when the box can never be part of the last two (four)
    // boxes handed over: captures can be made in any order, and the only
    // turn worth making other than taking everything ends with such a
    // hand-over, so a line that takes this box later can take it now.
    int fang = -1;
    jederNehmbare([this, &fang](int k) {
        const int s = freieSeiteVon(k);
        if (frei[static_cast<std::size_t>(andererKasten(s, k))] != 2 || !kannAbgebenWerden(k)) {
            fang = s;
            return false;
        }
        return true;
    });
    return fang;
}

int Endspielsuche::ablehnSeite(int k, int nehmbar, bool *amEnde) const
{
    // Box k can be taken and the box n behind it has one more free side t.
    // Drawing t hands over k and n, and is worth trying only when that is all
    // it hands over: at the end of a chain (the box beyond t keeps two free
    // sides or more) or of a loop (the box beyond t and the last box form a
    // second pair).
    const int s = freieSeiteVon(k);
    const int n = andererKasten(s, k);
    const std::uint64_t rest = kastenSeiten[static_cast<std::size_t>(n)] & freiMaske & ~(std::uint64_t(1) << s);
    const int t = niedrigstesBit(rest);
    const int m = andererKasten(t, n);
    const int fm = frei[static_cast<std::size_t>(m)];
    bool ende = fm >= 3;
    if (!ende && fm == 2) {
        const std::uint64_t weiter = kastenSeiten[static_cast<std::size_t>(m)] & freiMaske & ~(std::uint64_t(1) << t);
        const int u = niedrigstesBit(weiter);
        ende = frei[static_cast<std::size_t>(andererKasten(u, m))] == 1;
    }
    if (amEnde)
        *amEnde = ende;
    return (ende && nehmbar == (fm >= 3 ? 1 : 2)) ? t : -1;
}

bool Endspielsuche::kannAblehnen() const
{
    if (nehmbarZahl == 0 || nehmbarZahl > 2)
        return false;
    bool gefunden = false;
    jederNehmbare([this, &gefunden](int k) {
        gefunden = ablehnSeite(k, nehmbarZahl) >= 0;
        return !gefunden;
    });
    return gefunden;
}

int Endspielsuche::erzeugeZuege(int *zuege, int tabellenZug) const
{
    int anzahl = 0;
    if (nehmbarZahl > 0) {
        jederNehmbare([this, zuege, &anzahl](int k) {
            const int s = freieSeiteVon(k);
            if (std::find(zuege, zuege + anzahl, s) == zuege + anzahl)
                zuege[anzahl++] = s;
            const int t = ablehnSeite(k, nehmbarZahl);
            if (t >= 0 && std::find(zuege, zuege + anzahl, t) == zuege + anzahl)
                zuege[anzahl++] = t;
            return true;
        });
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
        const int g = (frei[static_cast<std::size_t>(kastenA[s])] <= 2) + (frei[static_cast<std::size_t>(kastenB[s])] <= 2);
        gruppe[g][gruppenZahl[g]++] = s;
    }
    const int sicher = gruppenZahl[0];
    for (int g = 0; g < 3; ++g) {
        std::copy(gruppe[g], gruppe[g] + gruppenZahl[g], zuege + anzahl);
        anzahl += gruppenZahl[g];
    }
    // Among the safe sides, those that cut off most often before go first.
    int *erste = zuege + anzahl - (sicher + gruppenZahl[1] + gruppenZahl[2]);
    std::stable_sort(erste, erste + sicher, [this](int x, int y) { return geschichte[x] > geschichte[y]; });
    return anzahl;
}

int Endspielsuche::suche(int alpha, int beta)
{
    int gewonnen = 0;
    int gezogen[hoechstensSeiten];
    int anzahl = 0;
    for (int s = sichererFang(); s >= 0; s = sichererFang()) {
        gewonnen += ziehe(s);
        gezogen[anzahl++] = s;
    }
    const int wert = gewonnen + (freiMaske ? knotenWert(alpha - gewonnen, beta - gewonnen) : 0);
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

int Endspielsuche::knotenWert(int alpha, int beta)
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
    if (beta <= 0 && kannAblehnen())
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
    const int anzahl = erzeugeZuege(zuege, tabellenZug);
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
    const int fang = sichererFang();
    if (fang >= 0)
        zuege[anzahl++] = fang;
    else
        anzahl = erzeugeZuege(zuege, -1);
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
