// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lage.h"

#include "model/stellung.h"

Lage::Lage(int zeilen, int spalten)
    : raster(zeilen, spalten),
      geschlossen(static_cast<std::size_t>(raster.seitenAnzahl()), 0),
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

int Lage::gespiegelt(int seite, int art) const
{
    int erstes = -1;
    int zweites = -1;
    felderAn(seite, erstes, zweites);
    const int platz = erstes >= 0 ? erstes : zweites;
    const int zeile = platz / spalten();
    const int spalte = platz % spalten();
    int richtung = Richtung::oben;
    while (this->seite(zeile, spalte, richtung) != seite)
        ++richtung;
    const bool spaltenGespiegelt = art & 1;
    const bool zeilenGespiegelt = art & 2;
    const bool waagrecht = richtung == Richtung::oben || richtung == Richtung::unten;
    if ((waagrecht && zeilenGespiegelt) || (!waagrecht && spaltenGespiegelt))
        richtung = Richtung::gegenueber(richtung);
    return this->seite(zeilenGespiegelt ? zeilen() - 1 - zeile : zeile,
                       spaltenGespiegelt ? spalten() - 1 - spalte : spalte, richtung);
}

Lage::Lage(const Stellung &stellung)
    : Lage(stellung.gitter().zeilen(), stellung.gitter().spalten())
{
    for (int platz = 0; platz < raster.feldAnzahl(); ++platz) {
        if (stellung.istGesperrt(platz))
            sperre(raster.zeileVon(platz), raster.spalteVon(platz));
    }
    for (int seite = 0; seite < seitenAnzahl(); ++seite) {
        if (stellung.art(seite) == Stellung::Art::gezogen && istFrei(seite))
            ziehe(seite);
    }
    const int mensch = stellung.punkteMensch() - stellung.punkteComputer();
    fuehrung = stellung.menschAmZug() ? mensch : -mensch;
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
    const int platz = zeile * spalten() + spalte;
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
    const int fertig = vorher - offen;
    // Whoever completes a box moves again; otherwise the turn passes.
    fuehrung = fertig > 0 ? fuehrung + fertig : -fuehrung;
    return fertig;
}
