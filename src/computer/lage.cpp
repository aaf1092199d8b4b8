// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lage.h"

Lage::Lage(int zeilen, int spalten)
    : zeilenAnzahl(zeilen),
      spaltenAnzahl(spalten),
      geschlossen(static_cast<std::size_t>((zeilen + 1) * spalten + zeilen * (spalten + 1)), 0),
      gesperrt(static_cast<std::size_t>(zeilen * spalten), 0),
      zu(static_cast<std::size_t>(zeilen * spalten), 0),
      frei(seitenAnzahl()),
      offen(zeilen * spalten)
{
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
                if (nachbar(r, c, richtung) < 0 && istFrei(seite(r, c, richtung)))
                    schliesse(seite(r, c, richtung));
            }
        }
    }
}

int Lage::seite(int zeile, int spalte, int richtung) const
{
    const int links = (zeilenAnzahl + 1) * spaltenAnzahl + zeile * (spaltenAnzahl + 1) + spalte;
    switch (richtung % Richtung::anzahl) {
    case Richtung::oben:
        return zeile * spaltenAnzahl + spalte;
    case Richtung::unten:
        return (zeile + 1) * spaltenAnzahl + spalte;
    case Richtung::links:
        return links;
    default:
        return links + 1;
    }
}

int Lage::nachbar(int zeile, int spalte, int richtung) const
{
    static const int dz[Richtung::anzahl] = {-1, 0, 1, 0};
    static const int ds[Richtung::anzahl] = {0, 1, 0, -1};
    const int z = zeile + dz[richtung % Richtung::anzahl];
    const int s = spalte + ds[richtung % Richtung::anzahl];
    if (z < 0 || z >= zeilenAnzahl || s < 0 || s >= spaltenAnzahl)
        return -1;
    return z * spaltenAnzahl + s;
}

int Lage::gespiegelt(int seite, int art) const
{
    int erstes = -1;
    int zweites = -1;
    felderAn(seite, erstes, zweites);
    const int platz = erstes >= 0 ? erstes : zweites;
    const int zeile = platz / spaltenAnzahl;
    const int spalte = platz % spaltenAnzahl;
    int richtung = Richtung::oben;
    while (this->seite(zeile, spalte, richtung) != seite)
        ++richtung;
    const bool spaltenGespiegelt = art & 1;
    const bool zeilenGespiegelt = art & 2;
    const bool waagrecht = richtung == Richtung::oben || richtung == Richtung::unten;
    if ((waagrecht && zeilenGespiegelt) || (!waagrecht && spaltenGespiegelt))
        richtung = Richtung::gegenueber(richtung);
    return this->seite(zeilenGespiegelt ? zeilenAnzahl - 1 - zeile : zeile,
                       spaltenGespiegelt ? spaltenAnzahl - 1 - spalte : spalte, richtung);
}

void Lage::felderAn(int seite, int &erstes, int &zweites) const
{
    const int waagrecht = (zeilenAnzahl + 1) * spaltenAnzahl;
    if (seite < waagrecht) {
        const int r = seite / spaltenAnzahl;
        const int c = seite % spaltenAnzahl;
        erstes = r > 0 ? (r - 1) * spaltenAnzahl + c : -1;
        zweites = r < zeilenAnzahl ? r * spaltenAnzahl + c : -1;
    } else {
        const int r = (seite - waagrecht) / (spaltenAnzahl + 1);
        const int c = (seite - waagrecht) % (spaltenAnzahl + 1);
        erstes = c > 0 ? r * spaltenAnzahl + c - 1 : -1;
        zweites = c < spaltenAnzahl ? r * spaltenAnzahl + c : -1;
    }
}

void Lage::schliesse(int seite)
{
    geschlossen[static_cast<std::size_t>(seite)] = 1;
    --frei;
    int a = -1;
    int b = -1;
    felderAn(seite, a, b);
    for (int platz : {a, b}) {
        if (platz >= 0 && !istGesperrt(platz) && ++zu[static_cast<std::size_t>(platz)] == Richtung::anzahl)
            --offen;
    }
}

void Lage::sperre(int zeile, int spalte)
{
    const int platz = zeile * spaltenAnzahl + spalte;
    if (istGesperrt(platz))
        return;
    if (zu[static_cast<std::size_t>(platz)] < Richtung::anzahl)
        --offen;
    gesperrt[static_cast<std::size_t>(platz)] = 1;
    zu[static_cast<std::size_t>(platz)] = Richtung::anzahl;
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        if (istFrei(seite(zeile, spalte, richtung)))
            schliesse(seite(zeile, spalte, richtung));
    }
}

int Lage::ziehe(int seite)
{
    if (seite < 0 || seite >= seitenAnzahl() || !istFrei(seite))
        return 0;
    const int vorher = offen;
    schliesse(seite);
    return vorher - offen;
}
