// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_LAGE_H
#define PUNKTFELD_LAGE_H

#include "model/gitter.h"
#include "model/richtung.h"

#include <cstdint>
#include <vector>

class Stellung;

// A compact copy of a position for the strongest computer player: which sides
// are drawn and which boxes are holes, with no pointers into the grid and no
// Qt, so that it can be searched on another thread while the board changes.
//
// Sides and boxes are numbered as the game's board numbers them (Gitter).
// The frame is never drawn and counts as closed, as do the sides of a hole.
class Lage
{
public:
    // Every box in play, every side between two boxes free.
    Lage(int zeilen, int spalten);
    // The holes and the drawn sides of a game's position, and the lead of
    // the player to move.
    explicit Lage(const Stellung &stellung);

    const Gitter &gitter() const { return raster; }
    int zeilen() const { return raster.zeilen(); }
    int spalten() const { return raster.spalten(); }
    // All side numbers, frame included: 0 to seitenAnzahl() - 1.
    int seitenAnzahl() const { return static_cast<int>(geschlossen.size()); }
    // The side of box (zeile, spalte) in one of the directions of Richtung.
    int seite(int zeile, int spalte, int richtung) const { return raster.seite(zeile, spalte, richtung); }
    // The box on the other side of `seite` from box (zeile, spalte), as a
    // place zeile * spalten + spalte, or -1 beyond the frame.
    int nachbar(int zeile, int spalte, int richtung) const { return raster.nachbar(zeile, spalte, richtung); }
    // The one or two boxes a side belongs to, as places; -1 for none.
    void felderAn(int seite, int &erstes, int &zweites) const
    {
        const auto felder = raster.felderAn(seite);
        erstes = felder.first;
        zweites = felder.second;
    }
    // The board's symmetries, numbered by two bits: 1 mirrors the columns,
    // 2 the rows; 0 leaves the board as it is.
    static constexpr int symmetrien = 4;
    // The side that symmetry `art` moves `seite` to, holes left out of the
    // account.
    int gespiegelt(int seite, int art) const;

    // Takes the box out of play and closes its sides.
    void sperre(int zeile, int spalte);
    bool istGesperrt(int platz) const { return gesperrt[static_cast<std::size_t>(platz)] != 0; }
    bool istFrei(int seite) const { return geschlossen[static_cast<std::size_t>(seite)] == 0; }
    // The closed sides of a box, 0 to Richtung::anzahl; a hole has them all
    // closed.
    int geschlosseneSeiten(int platz) const { return zu[static_cast<std::size_t>(platz)]; }
    // Draws a free side and returns how many boxes it completed: 0, 1 or 2.
    int ziehe(int seite);

    int freieSeiten() const { return frei; }
    // The boxes in play that nobody owns yet.
    int offeneFelder() const { return offen; }
    // The boxes the player to move has taken, less the opponent's.
    int vorsprung() const { return fuehrung; }

private:
    void schliesse(int seite);

    Gitter raster;
    std::vector<std::uint8_t> geschlossen;
    std::vector<std::uint8_t> gesperrt;
    std::vector<std::uint8_t> zu;
    int frei = 0;
    int offen = 0;
    int fuehrung = 0;
};

#endif
