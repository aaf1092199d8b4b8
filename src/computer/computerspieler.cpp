// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computerspieler.h"

#include "model/richtung.h"
#include "model/stellung.h"
#include "wertgrenze.h"

#include <algorithm>
#include <cstdlib>

namespace {

int zufall(std::size_t anzahl)
{
    return std::rand() % static_cast<int>(anzahl);
}

int zufallsEintrag(const std::vector<int> &liste)
{
    return liste[static_cast<std::size_t>(zufall(liste.size()))];
}

// The directions of a box's free sides, ascending.
std::vector<int> freieRichtungen(const Stellung &stellung, int platz)
{
    std::vector<int> ergebnis;
    for (int richtung = Richtung::oben; richtung <= Richtung::links; ++richtung) {
        if (stellung.istFrei(stellung.gitter().seiteVon(platz, richtung)))
            ergebnis.push_back(richtung);
    }
    return ergebnis;
}

}

bool Computerspieler::levelZug(int level)
{
    return std::rand() % 5 < level;
}

void Computerspieler::klassifiziere(const Stellung &stellung)
{
    dreierFelder.clear();
    sichereFelder.clear();
    zweierFelder.clear();
    for (int platz = 0; platz < stellung.gitter().feldAnzahl(); ++platz) {
        const int c = stellung.geschlosseneSeiten(platz);
        if (c == 3)
            dreierFelder.push_back(platz);
        else if (c <= 1)
            sichereFelder.push_back(platz);
        else if (c == 2)
            zweierFelder.push_back(platz);
    }
}

int Computerspieler::waehle(const Stellung &stellung, int level)
{
    klassifiziere(stellung);
    uebersehen.clear();

    if (!levelZug(level) && (!zweierFelder.empty() || !sichereFelder.empty()))
        uebersehen.swap(dreierFelder);

    const bool sicherheit = levelZug(level);
    if (!dreierFelder.empty())
        return vervollstaendige(stellung, dreierFelder);
    if (!sicherheit && !zweierFelder.empty())
        sichereFelder.clear();

    if (const int seite = sichereSeite(stellung); seite >= 0)
        return seite;
    if (!zweierFelder.empty())
        return kleinsteKette(stellung, level);

    // Only a failed capture draw leads here: nothing safe is left and no chain
    // can be opened, so the computer takes one of the boxes it overlooked.
    if (!uebersehen.empty())
        return vervollstaendige(stellung, uebersehen);
    return irgendeineSeite(stellung);
}

int Computerspieler::vervollstaendige(const Stellung &stellung, const std::vector<int> &kandidaten)
{
    const int platz = zufallsEintrag(kandidaten);
    return stellung.gitter().seiteVon(platz, freieRichtungen(stellung, platz).front());
}

int Computerspieler::sichereSeite(const Stellung &stellung)
{
    const Gitter &gitter = stellung.gitter();
    while (!sichereFelder.empty()) {
        const int i = zufall(sichereFelder.size());
        const int feld = sichereFelder[static_cast<std::size_t>(i)];
        std::vector<int> kandidaten{Richtung::oben, Richtung::rechts, Richtung::unten, Richtung::links};
        while (!kandidaten.empty()) {
            const int j = zufall(kandidaten.size());
            const int d = kandidaten[static_cast<std::size_t>(j)];
            const int nb = gitter.nachbar(gitter.zeileVon(feld), gitter.spalteVon(feld), d);
            if (nb >= 0) {
                const int c = stellung.geschlosseneSeiten(nb);
                const int seite = gitter.seiteVon(feld, d);
                // A neighbour with one closed side may be closed exactly by
                // this side; then the side is not free at all.
                if (c == 0 || (c == 1 && stellung.istFrei(seite)))
                    return seite;
            }
            kandidaten.erase(kandidaten.begin() + j);
        }
        sichereFelder.erase(sichereFelder.begin() + i);
    }
    return -1;
}

int Computerspieler::kleinsteKette(const Stellung &stellung, int level)
{
    // The first chain measured is the shortest one so far.
    int kuerzeste = Wertgrenze::unendlich;
    int gewaehlt = 0;
    while (!zweierFelder.empty()) {
        const int platz = zufallsEintrag(zweierFelder);
        if (!levelZug(level)) {
            gewaehlt = platz;
            break;
        }
        kette.sammle(stellung, platz);
        // Each chain is measured once: its boxes leave the list together.
        zweierFelder.erase(std::remove_if(zweierFelder.begin(), zweierFelder.end(),
                                          [this](int p) { return kette.enthaelt(p); }),
                           zweierFelder.end());
        if (kette.laenge() < kuerzeste) {
            kuerzeste = kette.laenge();
            gewaehlt = platz;
        }
    }
    return stellung.gitter().seiteVon(gewaehlt, zufallsEintrag(freieRichtungen(stellung, gewaehlt)));
}

int Computerspieler::irgendeineSeite(const Stellung &stellung)
{
    // Every free side is the right or the bottom side of exactly one box.
    const Gitter &gitter = stellung.gitter();
    std::vector<int> freie;
    for (int platz = 0; platz < gitter.feldAnzahl(); ++platz) {
        for (int d : {Richtung::rechts, Richtung::unten}) {
            if (stellung.istFrei(gitter.seiteVon(platz, d)))
                freie.push_back(gitter.seiteVon(platz, d));
        }
    }
    return freie.empty() ? -1 : zufallsEintrag(freie);
}
