// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seitenbits.h"

#include <algorithm>

namespace Seitenbits {

std::vector<int> vonDerMitteAus(const Lage &lage)
{
    std::vector<int> seiten;
    std::vector<int> abstand(static_cast<std::size_t>(lage.seitenAnzahl()), 0);
    const int waagrecht = (lage.zeilen() + 1) * lage.spalten();
    for (int s = 0; s < lage.seitenAnzahl(); ++s) {
        if (!lage.istFrei(s))
            continue;
        seiten.push_back(s);
        // Twice the side's middle, measured from twice the board's middle.
        const bool liegt = s < waagrecht;
        const int z = liegt ? 2 * (s / lage.spalten()) : 2 * ((s - waagrecht) / (lage.spalten() + 1)) + 1;
        const int x = liegt ? 2 * (s % lage.spalten()) + 1 : 2 * ((s - waagrecht) % (lage.spalten() + 1));
        const int dz = z - lage.zeilen();
        const int dx = x - lage.spalten();
        abstand[static_cast<std::size_t>(s)] = dz * dz + dx * dx;
    }
    std::stable_sort(seiten.begin(), seiten.end(), [&abstand](int a, int b) {
        return abstand[static_cast<std::size_t>(a)] < abstand[static_cast<std::size_t>(b)];
    });
    return seiten;
}

}
