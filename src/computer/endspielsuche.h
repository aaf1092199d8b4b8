// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ENDSPIELSUCHE_H
#define PUNKTFELD_ENDSPIELSUCHE_H

#include "lage.h"
#include "notbremse.h"
#include "seitenbits.h"
#include "wertetabelle.h"

#include <cstdint>
#include <limits>
#include <vector>

// Solves a position with at most hoechstensSeiten free sides exactly:
// alpha-beta over the sides, with a table of the positions already valued
// (both bounds), keyed by the set of free sides. On a board with no more
// inner sides than that, the key is the least of the free sides' masks
// under the board's four symmetries, so that mirror images share an entry.
// Boxes that can be taken are taken at once where that can never be wrong,
// which is every box but the last two (four) of a chain (loop); there only
// "take all" and "hand over the last two (four)" are tried, and whoever can
// hand them over is known to get at least nothing. Elsewhere the side the
// table remembers goes first, then the safe sides from the middle of the
// board outwards, those that cut off most often before first; every side
// after the first need only show with a window of one value that it is no
// better. One object serves one decision and one thread.
class Endspielsuche
{
public:
    // Each free side is one bit of a mask, and the mask is the table's key.
    static constexpr int hoechstensSeiten = std::numeric_limits<std::uint64_t>::digits;

    // The search gives up after `knotenGrenze` positions visited, so that
    // whether it finishes depends on the position alone, or when the brake
    // says so.
    Endspielsuche(const Lage &lage, long knotenGrenze, const Notbremse &bremse);

    // The best side of the position and its value for the player to move.
    // False when the search gave up; the results are then unset.
    bool loese(int &seite, int &wert);
    // Only the value of the position, for the player to move.
    bool bewerte(int &wert);
    // After loese: whether side `seite` of the position is worth `wert` too.
    // False also when the search gives up.
    bool istAuchBeste(int seite, int wert);
    // The positions visited so far.
    long knotenZahl() const { return knoten; }
    // The memory the table holds now.
    std::size_t tabellenBytes() const { return tabelle.bytes(); }

private:
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

    int suche(int alpha, int beta);
    int knotenWert(int alpha, int beta, const Wahl &wahl);
    // Draws side s, values what follows for the player drawing it, and
    // takes the side back.
    int probiere(int s, int alpha, int beta);
    // Fills `zuege` with the sides worth trying once no box is left that is
    // always right to take, each free side once at most, so hoechstensSeiten
    // places are enough; returns their number.
    int erzeugeZuege(int *zuege, int tabellenZug, const Wahl &wahl) const;
    // The side that takes a box that is always right to take, or -1 with
    // `wahl` filled. It takes more than its twin Faustregel::sichererFang:
    // also every box that cannot become one of the last boxes handed over.
    // It runs at every node of the search.
    int sichererFang(Wahl &wahl) const;
    // Box k can be taken by side s. The twin of Faustregel::ablehnSeite, on
    // masks.
    Abgabe abgabe(int k, int s) const;
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
    // True when the last two (four) boxes of a chain (loop) can be handed
    // over.
    bool kannAblehnen(const Wahl &wahl) const;
    int ziehe(int s);
    void nimmZurueck(int s);
    // A side of box k drawn or taken back; closing returns the boxes completed.
    int schliesse(int k);
    void oeffne(int k);
    // The table's key for the position and the symmetry that gives it.
    std::uint64_t schluessel(int &art) const;
    int andererKasten(int s, int k) const { return kastenA[s] == k ? kastenB[s] : kastenA[s]; }
    int freieSeiteVon(int k) const;
    bool gibtAuf();

    bool passend = false;
    bool abgebrochen = false;
    long knotenGrenze;
    const Notbremse &bremse;
    long knoten = 0;

    int seitenZahl = 0;
    int kastenZahl = 0;
    std::vector<int> lageSeite;
    // Every free side touches two boxes, so there are twice as many boxes as
    // sides at most.
    static constexpr int hoechstensKaesten = 2 * hoechstensSeiten;
    int kastenA[hoechstensSeiten] = {};
    int kastenB[hoechstensSeiten] = {};
    std::uint64_t kastenSeiten[hoechstensKaesten] = {};
    int frei[hoechstensKaesten] = {};
    std::uint64_t freiMaske = 0;
    // Under each symmetry: the bit of each free side among the board's inner
    // sides (also as a mask), the free side of each bit, and the mask of the
    // free sides.
    int symmetrieZahl = 1;
    std::uint8_t bildBit[Lage::symmetrien][hoechstensSeiten] = {};
    std::uint64_t bildMaske[hoechstensSeiten][Lage::symmetrien] = {};
    std::int8_t urbild[Lage::symmetrien][hoechstensSeiten] = {};
    std::uint64_t bild[Lage::symmetrien] = {};
    int offen = 0;
    // The boxes with one free side, one bit each.
    static constexpr int nehmbarWorte = hoechstensKaesten / Seitenbits::maskenBits;
    std::uint64_t nehmbarMaske[nehmbarWorte] = {};
    int nehmbarZahl = 0;
    long geschichte[hoechstensSeiten] = {};
    Wertetabelle tabelle;
};

#endif
