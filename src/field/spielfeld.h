// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SPIELFELD_H
#define PUNKTFELD_SPIELFELD_H

#include <cstddef>
#include <vector>

class Besitzmelder;
class Feld;
class Malflaeche;

// The row-major grid of boxes. It owns its boxes (and through them their
// sides); a grid is replaced only by move assignment.
class Spielfeld
{
public:
    Spielfeld() = default;
    Spielfeld(int zeilen, int spalten);
    ~Spielfeld();
    Spielfeld(const Spielfeld &) = delete;
    Spielfeld &operator=(const Spielfeld &) = delete;
    Spielfeld(Spielfeld &&andere) noexcept;
    Spielfeld &operator=(Spielfeld &&andere) noexcept;

    // A grid of boxes with every side free but the frame, each box and side
    // painted onto the picture as it is made.
    static Spielfeld baue(int zeilen, int spalten, Malflaeche &flaeche, Besitzmelder *melder);

    Feld **zeile(int i);
    Feld **begin();
    Feld **end();
    // A grid that may only be read hands out boxes that may only be read.
    const Feld *const *begin() const;
    const Feld *const *end() const;

    // Board sizes by index: 0 small (6 x 5), 1 medium (13 x 11), 2 large
    // (22 x 15); any other index means the large board.
    static int spaltenFuer(int groesse);
    static int zeilenFuer(int groesse);

    // The box at a row and column, or null outside the grid.
    Feld *feld(int zeile, int spalte);
    const Feld *feld(int zeile, int spalte) const;
    int zeilenAnzahl() const { return zeilen; }
    int spaltenAnzahl() const { return spalten; }

private:
    bool enthaelt(int zeile, int spalte) const;
    std::size_t platz(int zeile, int spalte) const;
    void loesche();

    int zeilen = 0;
    int spalten = 0;
    std::vector<Feld *> felder;
};

#endif
