// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stellung.h"

#include "richtung.h"

#include <algorithm>

Stellung::Stellung(const Gitter &gitter)
    : raster(gitter),
      arten(static_cast<std::size_t>(gitter.seitenAnzahl()), Art::frei),
      loecher(static_cast<std::size_t>(gitter.feldAnzahl()), 0),
      besitzerVon(static_cast<std::size_t>(gitter.feldAnzahl()), Besitzer::niemand),
      zu(static_cast<std::size_t>(gitter.feldAnzahl()), 0)
{
    anzahl[static_cast<std::size_t>(Besitzer::niemand)] = gitter.feldAnzahl();
    for (int seite = 0; seite < gitter.seitenAnzahl(); ++seite) {
        if (gitter.istRahmen(seite))
            setzeArt(seite, Art::rahmen);
    }
}

// The one place a side changes, so that its boxes' counts follow.
void Stellung::setzeArt(int seite, Art neu)
{
    const bool warFrei = istFrei(seite);
    arten[static_cast<std::size_t>(seite)] = neu;
    if (warFrei == (neu == Art::frei))
        return;
    const auto [erstes, zweites] = raster.felderAn(seite);
    for (const int platz : {erstes, zweites}) {
        if (platz >= 0)
            zu[static_cast<std::size_t>(platz)] += warFrei ? 1 : -1;
    }
}

bool Stellung::ziehe(int seite)
{
    if (seite < 0 || seite >= raster.seitenAnzahl() || !istFrei(seite))
        return false;
    setzeArt(seite, Art::gezogen);
    return true;
}

void Stellung::gibFrei(int seite)
{
    if (art(seite) == Art::gezogen)
        setzeArt(seite, Art::frei);
}

std::vector<int> Stellung::vervollstaendigt(int seite, int zuerst) const
{
    auto [erstes, zweites] = raster.felderAn(seite);
    if (zweites == zuerst)
        std::swap(erstes, zweites);
    std::vector<int> felder;
    for (const int platz : {erstes, zweites}) {
        if (platz >= 0 && !istGesperrt(platz) && geschlosseneSeiten(platz) == Richtung::anzahl - 1)
            felder.push_back(platz);
    }
    return felder;
}

void Stellung::sperre(int platz)
{
    if (istGesperrt(platz))
        return;
    setzeBesitzer(platz, Besitzer::niemand);
    loecher[static_cast<std::size_t>(platz)] = 1;
    ++anzahlLoecher;
    // A hole is nobody's and counts for no one.
    --anzahl[static_cast<std::size_t>(Besitzer::niemand)];
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung)
        setzeArt(raster.seiteVon(platz, richtung), Art::lochrand);
}

void Stellung::setzeBesitzer(int platz, Besitzer besitzer)
{
    if (istGesperrt(platz))
        return;
    Besitzer &alt = besitzerVon[static_cast<std::size_t>(platz)];
    --anzahl[static_cast<std::size_t>(alt)];
    ++anzahl[static_cast<std::size_t>(besitzer)];
    alt = besitzer;
}

bool Stellung::istGeschlossen(int platz) const
{
    return geschlosseneSeiten(platz) == Richtung::anzahl;
}

int Stellung::freieSeiten() const
{
    return static_cast<int>(std::count(arten.begin(), arten.end(), Art::frei));
}

bool Stellung::operator==(const Stellung &andere) const
{
    return raster.zeilen() == andere.raster.zeilen() && raster.spalten() == andere.raster.spalten()
        && arten == andere.arten && loecher == andere.loecher && besitzerVon == andere.besitzerVon
        && menschZieht == andere.menschZieht;
}
