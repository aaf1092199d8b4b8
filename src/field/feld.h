// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_FELD_H
#define PUNKTFELD_FELD_H

#include <array>
#include <memory>
#include <vector>

class Besitzmelder;
class Malflaeche;
class Seite;

// One box of the grid with its four sides and its four neighbours, in the
// directions of richtung.h. It paints itself and its sides onto the board's
// picture and tells the score keeper when its owner changes.
class Feld
{
public:
    Feld(Malflaeche &flaeche, Besitzmelder *melder, int x, int y, Feld *links, Feld *oben);
    ~Feld();
    Feld(const Feld &) = delete;
    Feld &operator=(const Feld &) = delete;

    Feld *nachbar(int richtung);
    const Feld *nachbar(int richtung) const;
    Seite *seite(int richtung) const;
    // The side a press at (dx, dy) inside the box means: the box is cut
    // along both diagonals into four triangles, one per side.
    static int richtungBei(int dx, int dy);
    bool zieheBei(int dx, int dy, int *richtung);
    void zieheSeite(int richtung);

    bool istGeschlossen() const;
    int anzahlGeschlossen() const;
    std::vector<Seite *> geschlosseneSeiten() const;
    std::vector<int> freieRichtungen() const;

    void zeichneBesitzer(bool mensch);
    void loescheBesitzer(bool mensch);
    void sperre();
    bool istGesperrt() const { return gesperrt; }

    // The box's place in the grid, counted from 0 at the top left.
    int zeile() const { return zeilenIndex; }
    int spalte() const { return spaltenIndex; }

    // Whether the human completed the box; a closed box that is not the
    // human's is the computer's.
    bool istVomMenschen() const { return vomMenschen; }

private:
    static int index(int richtung);

    Malflaeche &flaeche;
    Besitzmelder *melder;
    int x;
    int y;
    int zeilenIndex;
    int spaltenIndex;
    std::array<Seite *, 4> seiten{};
    std::array<Feld *, 4> nachbarn{};
    bool gesperrt = false;
    bool vomMenschen = false;
    // The sides this box created; a side shared with the box to the left or
    // above belongs to that box, so every side has exactly one owner.
    std::vector<std::unique_ptr<Seite>> eigeneSeiten;
};

#endif
