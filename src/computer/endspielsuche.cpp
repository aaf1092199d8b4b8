// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "endspielsuche.h"

#include "wertgrenze.h"

#include <algorithm>

namespace {

// The search asks the brake this seldom: often enough to stop at once,
// rarely enough to cost nothing.
constexpr long knotenJeBremsblick = 1024;
// From this many free sides on, a search below a safe side costs hundreds
// of positions: enough to look up the positions the safe sides lead to
// first.
constexpr int tabellenBlickAb = 28;

using Seitenbits::anzahlBits;
using Seitenbits::niedrigstesBit;

// The positions a search keeps grow about eightfold for every two more free
// sides, to up to some 260 000 at 40 (BENCHMARKS.md): its table starts with
// room for as many, and for no more than it visits at most. Without a safe
// side, only chains and loops are left to open, which few positions settle.
constexpr int vollBei = 40;
constexpr int vollHochzahl = 18;
std::size_t erwarteteLagen(const Suchlage &lage, long knotenGrenze)
{
    if (lage.sichereSeiten() == 0)
        return 1;
    const int hochzahl = vollHochzahl - 3 * std::max(0, vollBei - anzahlBits(lage.freieSeiten())) / 2;
    const long lagen = hochzahl > 0 ? long(1) << hochzahl : 1;
    return static_cast<std::size_t>(std::max(1L, std::min(lagen, knotenGrenze)));
}

// Every free side but `s`, or every one when s is -1.
std::uint64_t ohne(int s)
{
    return s >= 0 ? ~(std::uint64_t(1) << s) : ~std::uint64_t(0);
}

// Copies the n sides `von` to `nach` in order, a side going after those
// that do not come later than it: an insertion sort, without memory to
// ask for, as the lists are short.
template<typename Spaeter>
void sortiereEin(const int *von, int n, int *nach, Spaeter &&spaeter)
{
    for (int i = 0; i < n; ++i) {
        const int s = von[i];
        int j = i;
        for (; j > 0 && spaeter(nach[j - 1], s); --j)
            nach[j] = nach[j - 1];
        nach[j] = s;
    }
}

} // namespace

Endspielsuche::Endspielsuche(const Lage &start, long knotenGrenze, const Notbremse &bremse)
    : knotenGrenze(knotenGrenze),
      bremse(bremse),
      lage(start),
      tabelle(erwarteteLagen(lage, knotenGrenze))
{
}

bool Endspielsuche::gibtAuf()
{
    if (abgebrochen)
        return true;
    if (++knoten > knotenGrenze || (knoten % knotenJeBremsblick == 0 && bremse.halt()))
        abgebrochen = true;
    return abgebrochen;
}

int Endspielsuche::erzeugeZuege(int *zuege, int tabellenZug, const Suchlage::Wahl &wahl) const
{
    return weitereZuege(zuege, ersteZuege(zuege, tabellenZug, wahl), tabellenZug);
}

int Endspielsuche::ersteZuege(int *zuege, int tabellenZug, const Suchlage::Wahl &wahl) const
{
    int anzahl = 0;
    const auto fuegeAn = [zuege, &anzahl](int s) {
        if (s >= 0 && std::find(zuege, zuege + anzahl, s) == zuege + anzahl)
            zuege[anzahl++] = s;
    };
    if (lage.nehmbar() > Suchlage::Wahl::plaetze) {
        // More boxes can be taken than a hand-over leaves: only taking.
        lage.jederNehmbare([this, &fuegeAn](int k) {
            fuegeAn(lage.freieSeiteVon(k));
            return true;
        });
    } else {
        for (int i = 0; i < wahl.anzahl; ++i) {
            fuegeAn(wahl.nimm[i]);
            fuegeAn(wahl.gib[i]);
        }
    }
    if (lage.nehmbar() > 0) {
        // The side that was best before goes first here too.
        const auto zug = std::find(zuege, zuege + anzahl, tabellenZug);
        if (zug != zuege + anzahl)
            std::rotate(zuege, zug, zug + 1);
        return anzahl;
    }
    // The side that was best before goes first, then the safe sides, those
    // that cut off most often before first; sorted in place, as a sort that
    // needs memory would ask for it at every position.
    if (istTabellenZug(tabellenZug))
        zuege[anzahl++] = tabellenZug;
    int sichere[hoechstensSeiten];
    int zahl = 0;
    for (std::uint64_t m = lage.sichereSeiten() & ohne(tabellenZug); m; m &= m - 1)
        sichere[zahl++] = niedrigstesBit(m);
    sortiereEin(sichere, zahl, zuege + anzahl, [this](int a, int b) { return geschichte[a] < geschichte[b]; });
    return anzahl + zahl;
}

int Endspielsuche::weitereZuege(int *zuege, int anzahl, int tabellenZug) const
{
    if (lage.nehmbar() > 0)
        return anzahl;
    // Then the sides that give away the fewest boxes. A side that opens a
    // chain at its end is left out: the side next to it is never worse.
    // Of the sides inside one chain or loop, only one is tried.
    // Sides left out, and sides of chains already walked that are tried
    // each on its own.
    std::uint64_t erledigt = 0;
    std::uint64_t gesehen = 0;
    // The sides inside each chain or loop walked, for each of its sides.
    int laenge[hoechstensSeiten];
    const auto kette = [this, &erledigt, &gesehen, &laenge](int s) {
        bool gleichwertig = false;
        const std::uint64_t seiten = lage.kettenSeiten(s, gleichwertig);
        (gleichwertig ? erledigt : gesehen) |= seiten;
        const int l = anzahlBits(seiten);
        for (std::uint64_t m = seiten; m; m &= m - 1)
            laenge[niedrigstesBit(m)] = l;
    };
    if (istTabellenZug(tabellenZug) && lage.gibtWeg(tabellenZug) == 2)
        kette(tabellenZug);
    for (std::uint64_t m = lage.gebenEinenWeg() & ohne(tabellenZug); m; m &= m - 1) {
        const int s = niedrigstesBit(m);
        if (!lage.istUeberholt(s))
            zuege[anzahl++] = s;
    }
    int beide[hoechstensSeiten];
    int zahl = 0;
    for (std::uint64_t m = lage.gebenBeideWeg() & ohne(tabellenZug); m; m &= m - 1) {
        const int s = niedrigstesBit(m);
        if (erledigt >> s & 1)
            continue;
        if (!(gesehen >> s & 1))
            kette(s);
        beide[zahl++] = s;
    }
    // Where boxes have to be given away, the best side most often opens the
    // shortest chain or loop: those go first.
    sortiereEin(beide, zahl, zuege + anzahl, [&laenge](int a, int b) { return laenge[a] > laenge[b]; });
    return anzahl + zahl;
}

bool Endspielsuche::istTabellenZug(int tabellenZug) const
{
    return tabellenZug >= 0 && (lage.freieSeiten() >> tabellenZug & 1);
}

int Endspielsuche::suche(int alpha, int beta)
{
    int gezogen[hoechstensSeiten];
    int anzahl = 0;
    Suchlage::Wahl wahl;
    const int gewonnen = lage.nimmSichere(wahl, gezogen, anzahl);
    const int wert = gewonnen + (lage.freieSeiten() ? knotenWert(alpha - gewonnen, beta - gewonnen, wahl) : 0);
    while (anzahl > 0)
        lage.nimmZurueck(gezogen[--anzahl]);
    return wert;
}

int Endspielsuche::probiere(int s, int alpha, int beta)
{
    const int fertig = lage.ziehe(s);
    const int v = fertig > 0 ? fertig + suche(alpha - fertig, beta - fertig) : -suche(-beta, -alpha);
    lage.nimmZurueck(s);
    return v;
}

int Endspielsuche::knotenWert(int alpha, int beta, const Suchlage::Wahl &wahl)
{
    if (gibtAuf())
        return 0;
    const int offen = lage.offeneKaesten();
    if (offen <= alpha)
        return offen;
    if (-offen >= beta)
        return -offen;
    // Whoever can hand over the last boxes of a chain or loop gets at least
    // as much as the opponent from the rest: taking them all and moving on,
    // or handing them over and letting the opponent move on, leaves the same
    // position, so one of the two is worth nothing less than nothing.
    if (beta <= 0 && lage.kannAblehnen(wahl))
        return 0;
    int art = 0;
    const std::uint64_t schluessel = lage.schluessel(art);
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
        tabellenZug = e->zug >= 0 ? lage.urbild(art, e->zug) : -1;
    }
    const int alphaVorher = alpha;
    const long bonus = long(1) << (anzahlBits(lage.freieSeiten()) / 2);
    Stand stand{alpha, beta};
    if (lage.kannAblehnen(wahl)) {
        wahlWert(bonus, wahl, tabellenZug, stand);
    } else {
        int zuege[hoechstensSeiten];
        const int erste = ersteZuege(zuege, tabellenZug, wahl);
        int zug = -1;
        if (const int schnitt = tabellenSchnitt(zuege, erste, beta, zug); schnitt >= beta) {
            tabelle.merke(schluessel, offen, alphaVorher, beta, schnitt, lage.bildBit(art, zug));
            return schnitt;
        }
        const auto probiereSeite = [this, &zuege](int i, int a, int b) { return probiere(zuege[i], a, b); };
        besteSeite(zuege, 0, erste, bonus, probiereSeite, stand);
        // The sides that give boxes away cost a walk along their chains to
        // find: only where no side before them cut off.
        if (stand.alpha < stand.beta && !abgebrochen)
            besteSeite(zuege, erste, weitereZuege(zuege, erste, tabellenZug), bonus, probiereSeite, stand);
    }
    if (abgebrochen)
        return 0;
    tabelle.merke(schluessel, offen, alphaVorher, beta, stand.bester,
                  stand.besterZug >= 0 ? lage.bildBit(art, stand.besterZug) : -1);
    return stand.bester;
}

template<typename Werte>
void Endspielsuche::besteSeite(const int *seiten, int von, int bis, long bonus, Werte &&werte, Stand &stand)
{
    for (int i = von; i < bis; ++i) {
        int v = 0;
        if (i == 0 || stand.beta - stand.alpha == 1) {
            v = werte(i, stand.alpha, stand.beta);
        } else {
            // The first side is most likely best: the others only have to
            // show that they are no better, which a window of one value
            // shows with less work, and only one that is better is searched
            // again for its value.
            v = werte(i, stand.alpha, stand.alpha + 1);
            if (v > stand.alpha && v < stand.beta && !abgebrochen)
                v = werte(i, v, stand.beta);
        }
        if (abgebrochen)
            return;
        if (v > stand.bester) {
            stand.bester = v;
            stand.besterZug = seiten[i];
            if (v > stand.alpha) {
                stand.alpha = v;
                if (stand.alpha >= stand.beta) {
                    // The sides tried before it did not cut off here: they
                    // lose what it wins, so that a side that cuts off only
                    // now and then does not stay in front.
                    geschichte[seiten[i]] += bonus;
                    for (int j = 0; j < i; ++j)
                        geschichte[seiten[j]] -= bonus;
                    return;
                }
            }
        }
    }
}

void Endspielsuche::wahlWert(long bonus, const Suchlage::Wahl &wahl, int tabellenZug, Stand &stand)
{
    // Taking the last boxes and moving on, or handing them over so that the
    // opponent takes them and moves on, leaves the same position: it is
    // reached once, and its value serves both.
    const int gib = *std::find_if(wahl.gib, wahl.gib + wahl.anzahl, [](int t) { return t >= 0; });
    const int nimm = wahl.nimm[0];
    const int seiten[2] = {tabellenZug == gib ? gib : nimm, tabellenZug == gib ? nimm : gib};
    int gezogen[hoechstensSeiten];
    int anzahl = 1;
    gezogen[0] = nimm;
    Suchlage::Wahl rest;
    const int boxen = lage.ziehe(nimm) + lage.nimmSichere(rest, gezogen, anzahl);
    const auto werte = [this, &seiten, nimm, boxen, &rest](int i, int a, int b) {
        const bool nehmen = seiten[i] == nimm;
        if (lage.freieSeiten() == 0)
            return nehmen ? boxen : -boxen;
        return nehmen ? boxen + knotenWert(a - boxen, b - boxen, rest)
                      : -boxen - knotenWert(-b - boxen, -a - boxen, rest);
    };
    besteSeite(seiten, 0, 2, bonus, werte, stand);
    while (anzahl > 0)
        lage.nimmZurueck(gezogen[--anzahl]);
}

int Endspielsuche::tabellenSchnitt(const int *zuege, int anzahl, int beta, int &zug) const
{
    // A safe side leads to a position without boxes to take, whose key is
    // known without drawing it. Where the table already shows such a
    // position bad enough for the opponent, the side cuts off without a
    // search. The look costs a table entry for each safe side, which only a
    // large enough search below repays.
    if (lage.nehmbar() > 0 || anzahlBits(lage.freieSeiten()) < tabellenBlickAb)
        return -Wertgrenze::unendlich;
    std::uint64_t kinder[hoechstensSeiten];
    int seiten[hoechstensSeiten];
    int zahl = 0;
    for (int i = 0; i < anzahl; ++i) {
        const int s = zuege[i];
        if (lage.gibtWeg(s) > 0)
            continue;
        const std::uint64_t k = lage.schluesselNach(s);
        seiten[zahl] = s;
        kinder[zahl++] = k;
        // All entries are asked for before the first is read.
        tabelle.holeVor(k);
    }
    for (int i = 0; i < zahl; ++i) {
        const Wertetabelle::Eintrag *e = tabelle.finde(kinder[i]);
        if (e && -e->oben >= beta) {
            zug = seiten[i];
            return -e->oben;
        }
    }
    return -Wertgrenze::unendlich;
}

bool Endspielsuche::loese(int &seite, int &wert)
{
    if (!lage.passend() || lage.anfangsSeiten() == 0)
        return false;
    int zuege[hoechstensSeiten];
    int anzahl = 0;
    Suchlage::Wahl wahl;
    const int fang = lage.sichererFang(wahl);
    if (fang >= 0)
        zuege[anzahl++] = lage.freieSeiteVon(fang);
    else
        anzahl = erzeugeZuege(zuege, -1, wahl);
    int bester = -Wertgrenze::unendlich;
    int besterZug = -1;
    // The safe sides come first, at first from the middle outwards. The
    // searches below the first ones teach the history which sides cut off,
    // so the safe sides not yet tried are put in its order before each.
    const int sichere = static_cast<int>(
        std::find_if(zuege, zuege + anzahl, [this](int s) { return lage.gibtWeg(s) > 0; }) - zuege);
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0 && i < sichere)
            std::stable_sort(zuege + i, zuege + sichere, [this](int a, int b) { return geschichte[a] > geschichte[b]; });
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
    seite = lage.lageSeite(besterZug);
    wert = bester;
    return true;
}

bool Endspielsuche::istAuchBeste(int seite, int wert)
{
    const int s = lage.passend() ? lage.bitDerSeite(seite) : -1;
    return s >= 0 && probiere(s, wert - 1, wert) >= wert && !abgebrochen;
}

bool Endspielsuche::bewerte(int &wert)
{
    if (!lage.passend())
        return false;
    const int v = suche(-Wertgrenze::unendlich, Wertgrenze::unendlich);
    if (abgebrochen)
        return false;
    wert = v;
    return true;
}
