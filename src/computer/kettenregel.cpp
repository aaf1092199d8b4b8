// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kettenregel.h"

#include "faustregel.h"
#include "lage.h"

Kettenregel::Kontrolle Kettenregel::kontrolle(const Lage &lage)
{
    const int ketten = Faustregel::langeKetten(lage);
    if (ketten == 0)
        return Kontrolle::offen;
    const int summe = lage.freieSeiten() - lage.offeneFelder() + ketten;
    return summe % 2 == 0 ? Kontrolle::amZug : Kontrolle::gegner;
}
