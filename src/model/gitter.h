// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_GITTER_H
#define PUNKTFELD_GITTER_H

#include <utility>

// The shape of a board of boxes, and the one numbering of its sides and
// boxes that the game, its saved files, the computer players and the picture
// all share.
//
// A box is named by its place zeile * spalten + spalte. Sides are numbered by
// the lines they lie on: the horizontal side above box (r, c) is
// r * spalten + c, for r from 0 to zeilen (the last row of lines is the
// bottom frame); the vertical side left of box (r, c) follows them, at
// (zeilen + 1) * spalten + r * (spalten + 1) + c, for c from 0 to spalten.
class Gitter
{
public:
    // The size indices of the game's boards.
    static constexpr int klein = 0;
    static constexpr int mittel = 1;
    static constexpr int gross = 2;

    Gitter() = default;
    Gitter(int zeilen, int spalten);
    // The board of a size index: small (6 x 5), medium (13 x 11) or large
    // (22 x 15); any other index means the large board.
    static Gitter fuerGroesse(int groesse);

    int zeilen() const { return zeilenAnzahl; }
    int spalten() const { return spaltenAnzahl; }
    int feldAnzahl() const { return zeilenAnzahl * spaltenAnzahl; }
    // All side numbers, frame included: 0 to seitenAnzahl() - 1.
    int seitenAnzahl() const { return waagrechte() + zeilenAnzahl * (spaltenAnzahl + 1); }

    int platz(int zeile, int spalte) const { return zeile * spaltenAnzahl + spalte; }
    int zeileVon(int platz) const { return platz / spaltenAnzahl; }
    int spalteVon(int platz) const { return platz % spaltenAnzahl; }
    bool enthaelt(int zeile, int spalte) const;

    // The side of box (zeile, spalte) in one of the directions of Richtung.
    int seite(int zeile, int spalte, int richtung) const;
    int seiteVon(int platz, int richtung) const { return seite(zeileVon(platz), spalteVon(platz), richtung); }
    // The box beyond side `richtung` of box (zeile, spalte), as a place, or
    // -1 beyond the frame.
    int nachbar(int zeile, int spalte, int richtung) const;
    // The one or two boxes a side belongs to, as places, the box above or to
    // the left first; -1 for none.
    std::pair<int, int> felderAn(int seite) const;
    // The direction in which `seite` lies in box `platz`, or -1 when it is
    // none of its sides.
    int richtungIn(int seite, int platz) const;
    bool istWaagrecht(int seite) const { return seite < waagrechte(); }
    bool istRahmen(int seite) const;

private:
    int waagrechte() const { return (zeilenAnzahl + 1) * spaltenAnzahl; }

    int zeilenAnzahl = 0;
    int spaltenAnzahl = 0;
};

#endif
