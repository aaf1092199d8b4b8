// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "suchlage.h"

#include <algorithm>

namespace {

using Seitenbits::maskenBits;

} // namespace

Suchlage::Suchlage(const Lage &lage)
{
    seitenZahl = lage.freieSeiten();
    if (!passend())
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
        const int i = static_cast<int>(lageSeiten.size());
        lageSeiten.push_back(s);
        kastenA[i] = nummer(a);
        kastenB[i] = nummer(b);
        kastenPaar[i] = kastenA[i] ^ kastenB[i];
        freieXor[kastenA[i]] ^= i;
        freieXor[kastenB[i]] ^= i;
        freiMaske |= std::uint64_t(1) << i;
        kastenSeiten[kastenA[i]] |= std::uint64_t(1) << i;
        kastenSeiten[kastenB[i]] |= std::uint64_t(1) << i;
    }
    offen = lage.offeneFelder();
    for (int k = 0; k < kastenZahl; ++k) {
        if (frei[k] == 1) {
            nehmbarMaske[k / maskenBits] |= std::uint64_t(1) << (k % maskenBits);
            ++nehmbarZahl;
        }
        if (frei[k] <= 2)
            wirdSchwach(k);
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
            const int s = lageSeiten[static_cast<std::size_t>(i)];
            const int bit = symmetrieZahl > 1 ? innen[static_cast<std::size_t>(lage.gespiegelt(s, art))] : i;
            bildBits[art][i] = static_cast<std::uint8_t>(bit);
            bildMaske[i][art] = std::uint64_t(1) << bit;
            urbilder[art][bit] = static_cast<std::int8_t>(i);
            bild[art] |= std::uint64_t(1) << bit;
        }
    }
}

int Suchlage::bitDerSeite(int seite) const
{
    const auto i = std::find(lageSeiten.begin(), lageSeiten.end(), seite);
    return i == lageSeiten.end() ? -1 : static_cast<int>(i - lageSeiten.begin());
}

std::uint64_t Suchlage::schluessel(int &art) const
{
    art = 0;
    for (int g = 1; g < symmetrieZahl; ++g) {
        if (bild[g] < bild[art])
            art = g;
    }
    return bild[art];
}

inline void Suchlage::wirdSchwach(int k)
{
    // Adds one to the count of each side of k: no count goes above two.
    const std::uint64_t m = kastenSeiten[k];
    schwachZwei |= schwachEins & m;
    schwachEins ^= m;
}

inline void Suchlage::wirdStark(int k)
{
    const std::uint64_t m = kastenSeiten[k];
    schwachZwei &= ~(~schwachEins & m);
    schwachEins ^= m;
}

// Whether a side makes a box one that can be taken, or completes it, is as
// good as chance: the counts are changed without a branch.
inline int Suchlage::schliesse(int k)
{
    const int f = --frei[k];
    nehmbarMaske[k / maskenBits] ^= std::uint64_t(f <= 1) << (k % maskenBits);
    nehmbarZahl += (f == 1) - (f == 0);
    if (f == 2)
        wirdSchwach(k);
    return f == 0;
}

inline void Suchlage::oeffne(int k)
{
    const int f = frei[k]++;
    nehmbarMaske[k / maskenBits] ^= std::uint64_t(f <= 1) << (k % maskenBits);
    nehmbarZahl += (f == 0) - (f == 1);
    offen += f == 0;
    if (f == 2)
        wirdStark(k);
}

bool Suchlage::istUeberholt(int s) const
{
    // Side s joins box b, which has two free sides, to box j, which has
    // three or more; u is b's other free side. Drawn, u leaves b to be taken
    // by s, which never costs the taker anything as j keeps two free sides
    // or more; once taken, the position is the one after s and u with b
    // gone, which s offers the opponent too, among other choices. So u is
    // never worse than s. Where u also ends at a box with three free sides
    // or more, the two are alike, and the one with the higher number goes.
    const int b = frei[kastenA[s]] == 2 ? kastenA[s] : kastenB[s];
    const int u = freieXor[b] ^ s;
    return frei[andererKasten(u, b)] == 2 || u < s;
}

std::uint64_t Suchlage::kettenSeiten(int s, bool &gleichwertig) const
{
    // Wherever a chain between two different boxes with three free sides
    // or more, or a loop, is opened inside, the opponent has the same
    // choices: take every box and move on, or take all but the last two
    // (four) and hand those over. Either way every side of it is drawn and
    // the boxes at its ends each lose one free side, so the same position
    // follows. A chain whose ends meet at one box is left alone: that box
    // loses two sides and may change what the opponent can take.
    std::uint64_t innen = std::uint64_t(1) << s;
    int ende[2] = {-1, -1};
    const int start[2] = {kastenA[s], kastenB[s]};
    gleichwertig = true;
    for (int richtung = 0; richtung < 2; ++richtung) {
        int x = start[richtung];
        int e = s;
        for (;;) {
            const int f = freieXor[x] ^ e;
            if (f == s)
                return innen;
            const int y = andererKasten(f, x);
            if (frei[y] != 2) {
                ende[richtung] = y;
                break;
            }
            innen |= std::uint64_t(1) << f;
            x = y;
            e = f;
        }
    }
    gleichwertig = ende[0] != ende[1];
    return innen;
}

std::uint64_t Suchlage::schluesselNach(int s) const
{
    std::uint64_t k = bild[0] ^ bildMaske[s][0];
    for (int g = 1; g < symmetrieZahl; ++g)
        k = std::min(k, bild[g] ^ bildMaske[s][g]);
    return k;
}

int Suchlage::ziehe(int s)
{
    freiMaske &= ~(std::uint64_t(1) << s);
    for (int art = 0; art < Lage::symmetrien; ++art)
        bild[art] ^= bildMaske[s][art];
    freieXor[kastenA[s]] ^= s;
    freieXor[kastenB[s]] ^= s;
    const int fertig = schliesse(kastenA[s]) + schliesse(kastenB[s]);
    offen -= fertig;
    return fertig;
}

void Suchlage::nimmZurueck(int s)
{
    freiMaske |= std::uint64_t(1) << s;
    for (int art = 0; art < Lage::symmetrien; ++art)
        bild[art] ^= bildMaske[s][art];
    freieXor[kastenA[s]] ^= s;
    freieXor[kastenB[s]] ^= s;
    oeffne(kastenA[s]);
    oeffne(kastenB[s]);
}

inline Suchlage::Abgabe Suchlage::abgabe(int k, int s) const
{
    // Box k can be taken by side s and the box n behind it has one more free
    // side t. Drawing t hands over k and n, and is worth trying only when
    // that is all it hands over: at the end of a chain (the box beyond t
    // keeps two free sides or more) or of a loop (the box beyond t and the
    // last box form a second pair).
    const int n = andererKasten(s, k);
    const int t = freieXor[n] ^ s;
    const int m = andererKasten(t, n);
    const int fm = frei[m];
    if (fm >= 3)
        return Abgabe{t, true, 1};
    if (fm == 2) {
        if (frei[andererKasten(freieXor[m] ^ t, m)] == 1)
            return Abgabe{t, true, 2};
    }
    return Abgabe{};
}

int Suchlage::sichererFang(Wahl &wahl) const
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
            fang = k;
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

bool Suchlage::kannAblehnen(const Wahl &wahl) const
{
    return std::any_of(wahl.gib, wahl.gib + wahl.anzahl, [](int t) { return t >= 0; });
}

int Suchlage::nimmSichere(Wahl &wahl, int *gezogen, int &anzahl)
{
    int gewonnen = 0;
    for (int k = sichererFang(wahl); k >= 0; k = sichererFang(wahl))
        gewonnen += nimmKette(k, gezogen, anzahl);
    return gewonnen;
}

int Suchlage::nimmKette(int k, int *gezogen, int &anzahl)
{
    // Taking a box of a chain makes the next one a box that can be taken:
    // it is looked at at once, without looking at every box again.
    int gewonnen = 0;
    for (int s = freieSeiteVon(k);;) {
        const int n = andererKasten(s, k);
        const bool weiter = frei[n] == 2;
        gewonnen += ziehe(s);
        gezogen[anzahl++] = s;
        if (!weiter)
            return gewonnen;
        k = n;
        s = freieSeiteVon(k);
        if (frei[andererKasten(s, k)] == 2 && abgabe(k, s).amEnde)
            return gewonnen;
    }
}
