// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computerspieler.h"

#include "field/feld.h"
#include "field/richtung.h"
#include "field/seite.h"
#include "field/spielfeld.h"
#include "wertgrenze.h"

#include <algorithm>
#include <cstdlib>

namespace {

int zufall(std::size_t anzahl)
{
    return std::rand() % static_cast<int>(anzahl);
}

template<typename T>
const T &zufallsEintrag(const std::vector<T> &liste)
{
    return liste[static_cast<std::size_t>(zufall(liste.size()))];
}

}

bool Computerspieler::levelZug(int level)
{
    return std::rand() % 5 < level;
}

void Computerspieler::klassifiziere(const Spielfeld &spielfeld)
{
    dreierFelder.clear();
    sichereFelder.clear();
    zweierFelder.clear();
    int platz = 0;
    for (const Feld *feld : spielfeld) {
        const int c = feld->anzahlGeschlossen();
        if (c == 3)
            dreierFelder.push_back(feld);
        else if (c <= 1)
            sichereFelder.push_back(feld);
        else if (c == 2)
            zweierFelder.push_back(platz);
        ++platz;
    }
}

Computerspieler::Wahl Computerspieler::waehle(const Spielfeld &spielfeld, int level)
{
    klassifiziere(spielfeld);
    uebersehen.clear();

    if (!levelZug(level) && (!zweierFelder.empty() || !sichereFelder.empty()))
        uebersehen.swap(dreierFelder);

    const bool sicherheit = levelZug(level);
    if (!dreierFelder.empty())
        return vervollstaendige(dreierFelder);
    if (!sicherheit && !zweierFelder.empty())
        sichereFelder.clear();

    if (const Wahl wahl = sichereSeite(); wahl.feld)
        return wahl;
    if (!zweierFelder.empty())
        return kleinsteKette(spielfeld, level);

    // Only a failed capture draw leads here: nothing safe is left and no chain
    // can be opened, so the computer takes one of the boxes it overlooked.
    if (!uebersehen.empty())
        return vervollstaendige(uebersehen);
    return irgendeineSeite(spielfeld);
}

Computerspieler::Wahl Computerspieler::vervollstaendige(const std::vector<const Feld *> &kandidaten)
{
    const Feld *feld = zufallsEintrag(kandidaten);
    return {feld, feld->freieRichtungen().front()};
}

Computerspieler::Wahl Computerspieler::sichereSeite()
{
    while (!sichereFelder.empty()) {
        const int i = zufall(sichereFelder.size());
        const Feld *feld = sichereFelder[static_cast<std::size_t>(i)];
        std::vector<int> kandidaten{Richtung::oben, Richtung::rechts, Richtung::unten, Richtung::links};
        while (!kandidaten.empty()) {
            const int j = zufall(kandidaten.size());
            const int d = kandidaten[static_cast<std::size_t>(j)];
            const Feld *nb = feld->nachbar(d);
            if (nb) {
                const int c = nb->anzahlGeschlossen();
                // A neighbour with one closed side may be closed exactly by
                // this side; then the side is not free at all.
                if (c == 0 || (c == 1 && nb->geschlosseneSeiten().front() != feld->seite(d)))
                    return {feld, d};
            }
            kandidaten.erase(kandidaten.begin() + j);
        }
        sichereFelder.erase(sichereFelder.begin() + i);
    }
    return {};
}

Computerspieler::Wahl Computerspieler::kleinsteKette(const Spielfeld &spielfeld, int level)
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
        kette.sammle(spielfeld, platz);
        // Each chain is measured once: its boxes leave the list together.
        zweierFelder.erase(std::remove_if(zweierFelder.begin(), zweierFelder.end(),
                                          [this](int p) { return kette.enthaelt(p); }),
                           zweierFelder.end());
        if (kette.laenge() < kuerzeste) {
            kuerzeste = kette.laenge();
            gewaehlt = platz;
        }
    }
    const Feld *feld = spielfeld.begin()[gewaehlt];
    return {feld, zufallsEintrag(feld->freieRichtungen())};
}

Computerspieler::Wahl Computerspieler::irgendeineSeite(const Spielfeld &spielfeld)
{
    // Every free side is the right or the bottom side of exactly one box.
    std::vector<Wahl> freie;
    for (const Feld *feld : spielfeld) {
        for (int d : {Richtung::rechts, Richtung::unten}) {
            if (feld->seite(d)->istFrei())
                freie.push_back({feld, d});
        }
    }
    return freie.empty() ? Wahl{} : zufallsEintrag(freie);
}
