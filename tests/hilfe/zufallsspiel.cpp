// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zufallsspiel.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace Zufallsspiel {

Art art(const Lage &lage, int seite)
{
    int a = -1;
    int b = -1;
    lage.felderAn(seite, a, b);
    const int meiste = std::max(lage.geschlosseneSeiten(a), lage.geschlosseneSeiten(b));
    return meiste == 3 ? Art::nehmen : meiste < 2 ? Art::sicher : Art::abgeben;
}

bool gibt(const Lage &lage, Art gesucht)
{
    for (int seite = 0; seite < lage.seitenAnzahl(); ++seite) {
        if (lage.istFrei(seite) && art(lage, seite) == gesucht)
            return true;
    }
    return false;
}

int zufallszug(const Lage &lage, int vorsicht)
{
    std::vector<int> nehmen;
    std::vector<int> sicher;
    for (int seite = 0; seite < lage.seitenAnzahl(); ++seite) {
        if (lage.istFrei(seite) && art(lage, seite) != Art::abgeben)
            (art(lage, seite) == Art::nehmen ? nehmen : sicher).push_back(seite);
    }
    if (!nehmen.empty() && std::rand() % 4 != 0)
        return nehmen[std::size_t(std::rand()) % nehmen.size()];
    if (!sicher.empty() && std::rand() % vorsicht != 0)
        return sicher[std::size_t(std::rand()) % sicher.size()];
    int seite = 0;
    do {
        seite = std::rand() % lage.seitenAnzahl();
    } while (!lage.istFrei(seite));
    return seite;
}

Lage mittelspiel(int frei)
{
    Lage lage(5, 6);
    while (lage.freieSeiten() > frei)
        lage.ziehe(zufallszug(lage, 8));
    return lage;
}

}
