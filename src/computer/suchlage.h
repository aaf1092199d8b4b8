// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SUCHLAGE_H
#define PUNKTFELD_SUCHLAGE_H

#include "lage.h"
#include "seitenbits.h"

#include <cstdint>
#include <limits>
#include <vector>

// The position the exact search works on, made to draw a side and take it
// back in a few operations: each free side is one bit of a mask, each box
// knows how many free sides it has left and which, and the boxes that can
// be taken are kept as bits too. The key of the position for the search's
// table is the least of the free sides' masks under the board's four
// symmetries, when the board has no more inner sides than a mask has bits,
// so that mirror images share it. The sides are numbered from the middle
// of the board outwards.
class Suchlage
{
public:
    static constexpr int hoechstensSeiten = std::numeric_limits<std::uint64_t>::digits;

    // What the look for a box that is always right to take found when there
    // was none: then every box that can be taken ends a chain or loop whose
    // last boxes can be handed over. For the first two such boxes, the side
    // that takes it and the side that hands it over with the box behind it,
    // or -1 when that side would hand over more.
    struct Wahl
    {
        static constexpr int plaetze = 2;
        int anzahl = 0;
        int nimm[plaetze] = {};
        int gib[plaetze] = {};
    };

    explicit Suchlage(const Lage &lage);
    // Whether the position has few enough free sides to be searched.
    bool passend() const { return seitenZahl <= hoechstensSeiten; }
    // The free sides the position started with.
    int anfangsSeiten() const { return seitenZahl; }
    // The side of the game's board that bit i stands for, and back (-1 for
    // a side that was not free).
    int lageSeite(int i) const { return lageSeiten[static_cast<std::size_t>(i)]; }
    int bitDerSeite(int seite) const;

    std::uint64_t freieSeiten() const { return freiMaske; }
    int offeneKaesten() const { return offen; }
    int nehmbar() const { return nehmbarZahl; }
    // How many of its two boxes side s gives away: none (a safe side), one
    // or both.
    int gibtWeg(int s) const { return int(schwachEins >> s & 1) + 2 * int(schwachZwei >> s & 1); }
    // The free sides that give away none, one or both of their boxes.
    std::uint64_t sichereSeiten() const { return freiMaske & ~(schwachEins | schwachZwei); }
    std::uint64_t gebenEinenWeg() const { return freiMaske & schwachEins; }
    std::uint64_t gebenBeideWeg() const { return freiMaske & schwachZwei; }

    // Whether side s, which joins a box with two free sides to one with
    // three or more in a position where nothing can be taken, need not be
    // tried because another side is at least as good for the player who
    // draws it.
    bool istUeberholt(int s) const;

    // The sides inside the chain or loop of side s, which joins two boxes
    // with two free sides each, in a position where nothing can be taken;
    // `gleichwertig` tells whether each of them is as good as s.
    std::uint64_t kettenSeiten(int s, bool &gleichwertig) const;

    // Draws a free side and returns the boxes it completed; nimmZurueck
    // takes the side back.
    int ziehe(int s);
    void nimmZurueck(int s);

    // The table's key for the position and the symmetry that gives it.
    std::uint64_t schluessel(int &art) const;
    // The key after drawing the safe side s, without drawing it.
    std::uint64_t schluesselNach(int s) const;
    // Side s as its bit under symmetry `art`, and back.
    int bildBit(int art, int s) const { return bildBits[art][s]; }
    int urbild(int art, int bit) const { return urbilder[art][bit]; }

    // A box that is always right to take, or -1 with `wahl` filled. It
    // takes more than its twin Faustregel::sichererFang: also every box that
    // cannot become one of the last boxes handed over. It runs at every
    // node of the search.
    int sichererFang(Wahl &wahl) const;
    // Takes every box that is always right to take, adds the sides drawn to
    // `gezogen` (for nimmZurueck) and returns the boxes won; `wahl` is left
    // filled for the position reached.
    int nimmSichere(Wahl &wahl, int *gezogen, int &anzahl);
    // True when the last two (four) boxes of a chain (loop) can be handed
    // over.
    bool kannAblehnen(const Wahl &wahl) const;
    // The free side of a box that has only one.
    int freieSeiteVon(int k) const { return freieXor[k]; }
    // Calls tue(k) for every box k that can be taken until it returns false.
    template<typename F>
    void jederNehmbare(F &&tue) const
    {
        for (int w = 0; w < nehmbarWorte; ++w) {
            for (std::uint64_t m = nehmbarMaske[w]; m; m &= m - 1) {
                if (!tue(w * Seitenbits::maskenBits + Seitenbits::niedrigstesBit(m)))
                    return;
            }
        }
    }

private:
    // How a box that can be taken is handed over together with the box
    // behind it, which has two free sides: `gib`, that box's other free
    // side, does it; `amEnde`, whether the two are the last two (four) of
    // their chain (loop), whatever boxes can be taken besides; `allein`, how
    // many boxes can be taken when `gib` hands over these alone: one at the
    // end of a chain, the two ends of a loop.
    struct Abgabe
    {
        int gib = -1;
        bool amEnde = false;
        int allein = 0;
    };
    // Box k can be taken by side s. The twin of Faustregel::ablehnSeite, on
    // masks.
    Abgabe abgabe(int k, int s) const;
    // Takes box k, which is always right to take, and the boxes of its
    // chain after it as long as that holds for each; adds the sides drawn
    // to `gezogen` and returns the boxes won.
    int nimmKette(int k, int *gezogen, int &anzahl);
    // A side of box k drawn or taken back; closing returns the boxes completed.
    int schliesse(int k);
    void oeffne(int k);
    // Box k has come down to two free sides, or back up to three.
    void wirdSchwach(int k);
    void wirdStark(int k);
    int andererKasten(int s, int k) const { return kastenPaar[s] ^ k; }

    int seitenZahl = 0;
    int kastenZahl = 0;
    std::vector<int> lageSeiten;
    // Every free side touches two boxes, so there are twice as many boxes as
    // sides at most.
    static constexpr int hoechstensKaesten = 2 * hoechstensSeiten;
    int kastenA[hoechstensSeiten] = {};
    int kastenB[hoechstensSeiten] = {};
    // The two boxes of each side, joined by exclusive or: either one gives
    // the other.
    int kastenPaar[hoechstensSeiten] = {};
    // The free sides of each box, their numbers joined by exclusive or: with
    // one left, it is that side; with two, either one gives the other.
    int freieXor[hoechstensKaesten] = {};
    int frei[hoechstensKaesten] = {};
    std::uint64_t freiMaske = 0;
    // The sides of each box that were free at the start.
    std::uint64_t kastenSeiten[hoechstensKaesten] = {};
    // For every side, how many of its boxes have two free sides or fewer,
    // counted in two bits kept in two masks: so that the sides of each kind
    // are read at once, without looking at their boxes. A box's count
    // changes only when it comes down to two free sides or back up.
    std::uint64_t schwachEins = 0;
    std::uint64_t schwachZwei = 0;
    // Under each symmetry: the bit of each free side among the board's inner
    // sides (also as a mask), the free side of each bit, and the mask of the
    // free sides.
    int symmetrieZahl = 1;
    std::uint8_t bildBits[Lage::symmetrien][hoechstensSeiten] = {};
    std::uint64_t bildMaske[hoechstensSeiten][Lage::symmetrien] = {};
    std::int8_t urbilder[Lage::symmetrien][hoechstensSeiten] = {};
    std::uint64_t bild[Lage::symmetrien] = {};
    int offen = 0;
    // The boxes with one free side, one bit each.
    static constexpr int nehmbarWorte = hoechstensKaesten / Seitenbits::maskenBits;
    std::uint64_t nehmbarMaske[nehmbarWorte] = {};
    int nehmbarZahl = 0;
};

#endif
