// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ENDSPIELSUCHE_H
#define PUNKTFELD_ENDSPIELSUCHE_H

#include "lage.h"
#include "notbremse.h"
#include "suchlage.h"
#include "wertetabelle.h"
#include "wertgrenze.h"

#include <cstddef>

// Solves a position with at most hoechstensSeiten free sides exactly:
// alpha-beta over the sides, with a table of the positions already valued
// (both bounds), keyed by the set of free sides (Suchlage), mirror images
// sharing an entry. Boxes that can be taken are taken at once where that
// can never be wrong, which is every box but the last two (four) of a chain
// (loop); there only "take all" and "hand over the last two (four)" are
// tried, and whoever can hand them over is known to get at least nothing.
// Elsewhere a safe side whose position the table already shows to be good
// enough cuts off at once; else the side the table remembers goes first,
// then the safe sides from the middle of the board outwards, those that cut
// off most often before first; every side after the first need only show
// with a window of one value that it is no better. One object serves one
// decision and one thread.
class Endspielsuche
{
public:
    // Each free side is one bit of a mask, and the mask is the table's key.
    static constexpr int hoechstensSeiten = Suchlage::hoechstensSeiten;

    // The search gives up after `knotenGrenze` positions visited, so that
    // whether it finishes depends on the position alone, or when the brake
    // says so.
    Endspielsuche(const Lage &start, long knotenGrenze, const Notbremse &bremse);

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
    bool gibtAuf();
    int suche(int alpha, int beta);
    int knotenWert(int alpha, int beta, const Suchlage::Wahl &wahl);
    // Draws side s, values what follows for the player drawing it, and
    // takes the side back.
    int probiere(int s, int alpha, int beta);
    // Fills `zuege` with the sides worth trying once no box is left that is
    // always right to take, each free side once at most, so hoechstensSeiten
    // places are enough; returns their number. ersteZuege gives those tried
    // first: where boxes can be taken, all of them; else the side the table
    // remembers and the safe sides. weitereZuege adds the sides that give
    // boxes away after the `anzahl` there, and returns the new number.
    int erzeugeZuege(int *zuege, int tabellenZug, const Suchlage::Wahl &wahl) const;
    int ersteZuege(int *zuege, int tabellenZug, const Suchlage::Wahl &wahl) const;
    int weitereZuege(int *zuege, int anzahl, int tabellenZug) const;
    // Whether the side the table remembers is a free side here.
    bool istTabellenZug(int tabellenZug) const;
    // What the sides tried at a position have shown so far: the window,
    // narrowed as they beat it, the best value and its side.
    struct Stand
    {
        int alpha;
        int beta;
        int bester = -Wertgrenze::unendlich;
        int besterZug = -1;
    };
    // PVS over the sides seiten[von] to seiten[bis - 1], `werte(i, alpha,
    // beta)` valuing the i-th; the first of all gets the whole window. A side
    // that cuts off earns `bonus` in the history, and the sides tried before
    // it lose as much.
    template<typename Werte>
    void besteSeite(const int *seiten, int von, int bis, long bonus, Werte &&werte, Stand &stand);
    // The value of a position whose only choice is to take the last boxes of
    // a chain or loop or to hand them over.
    void wahlWert(long bonus, const Suchlage::Wahl &wahl, int tabellenZug, Stand &stand);
    // The value of the first safe side among `zuege` that the table shows
    // to reach beta, with the side in `zug`; else less than beta.
    int tabellenSchnitt(const int *zuege, int anzahl, int beta, int &zug) const;

    bool abgebrochen = false;
    long knotenGrenze;
    const Notbremse &bremse;
    long knoten = 0;
    Suchlage lage;
    long geschichte[hoechstensSeiten] = {};
    Wertetabelle tabelle;
};

#endif
