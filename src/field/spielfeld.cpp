// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spielfeld.h"

#include "feld.h"
#include "geometrie.h"

Spielfeld::Spielfeld(int zeilen, int spalten)
    : zeilen(zeilen), spalten(spalten), felder(static_cast<std::size_t>(zeilen * spalten), nullptr)
{
}

Spielfeld Spielfeld::baue(int zeilen, int spalten, Malflaeche &flaeche, Besitzmelder *melder)
{
    Spielfeld spielfeld(zeilen, spalten);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            Feld *links = c > 0 ? spielfeld.zeile(r)[c - 1] : nullptr;
            Feld *oben = r > 0 ? spielfeld.zeile(r - 1)[c] : nullptr;
            const QPoint ecke = Geometrie::ecke(r, c);
            spielfeld.zeile(r)[c] = new Feld(flaeche, melder, ecke.x(), ecke.y(), links, oben);
        }
    }
    return spielfeld;
}

Spielfeld::~Spielfeld()
{
    loesche();
}

Spielfeld::Spielfeld(Spielfeld &&andere) noexcept
    : zeilen(andere.zeilen), spalten(andere.spalten), felder(std::move(andere.felder))
{
    andere.zeilen = 0;
    andere.spalten = 0;
    andere.felder.clear();
}

Spielfeld &Spielfeld::operator=(Spielfeld &&andere) noexcept
{
    if (this != &andere) {
        loesche();
        zeilen = andere.zeilen;
        spalten = andere.spalten;
        felder = std::move(andere.felder);
        andere.zeilen = 0;
        andere.spalten = 0;
        andere.felder.clear();
        andere.felder.shrink_to_fit();
    }
    return *this;
}

void Spielfeld::loesche()
{
    for (Feld *f : felder)
        delete f;
    felder.clear();
    felder.shrink_to_fit();
}

Feld **Spielfeld::zeile(int i)
{
    return felder.data() + static_cast<std::ptrdiff_t>(i) * spalten;
}

Feld **Spielfeld::begin()
{
    return felder.data();
}

Feld **Spielfeld::end()
{
    return felder.data() + felder.size();
}

const Feld *const *Spielfeld::begin() const
{
    return felder.data();
}

const Feld *const *Spielfeld::end() const
{
    return felder.data() + felder.size();
}

Feld *Spielfeld::feld(int zeile, int spalte)
{
    return enthaelt(zeile, spalte) ? felder[platz(zeile, spalte)] : nullptr;
}

const Feld *Spielfeld::feld(int zeile, int spalte) const
{
    return enthaelt(zeile, spalte) ? felder[platz(zeile, spalte)] : nullptr;
}

std::size_t Spielfeld::platz(int zeile, int spalte) const
{
    return static_cast<std::size_t>(zeile * spalten + spalte);
}

bool Spielfeld::enthaelt(int zeile, int spalte) const
{
    return zeile >= 0 && zeile < zeilen && spalte >= 0 && spalte < spalten;
}

int Spielfeld::spaltenFuer(int groesse)
{
    return groesse == 0 ? 6 : groesse == 1 ? 13 : 22;
}

int Spielfeld::zeilenFuer(int groesse)
{
    return groesse == 0 ? 5 : groesse == 1 ? 11 : 15;
}
