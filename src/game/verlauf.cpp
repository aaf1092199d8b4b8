// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "verlauf.h"

namespace {
constexpr std::size_t schritteJeAufruf = 2;
}

void Verlauf::merke(Zug zug)
{
    verwirfWiederholung();
    zuege.push_back(std::move(zug));
    aufDemBrett = zuege.size();
}

Zug *Verlauf::letzterZug()
{
    return kannZurueck() ? &zuege[aufDemBrett - 1] : nullptr;
}

bool Verlauf::verwirfWiederholung()
{
    if (!kannVor())
        return false;
    zuege.resize(aufDemBrett);
    return true;
}

std::vector<const Zug *> Verlauf::zurueck()
{
    std::vector<const Zug *> genommen;
    while (genommen.size() < schritteJeAufruf && kannZurueck())
        genommen.push_back(&zuege[--aufDemBrett]);
    return genommen;
}

std::vector<const Zug *> Verlauf::zurueckBis(std::size_t anzahl)
{
    std::vector<const Zug *> genommen;
    while (aufDemBrett > anzahl)
        genommen.push_back(&zuege[--aufDemBrett]);
    return genommen;
}

std::vector<const Zug *> Verlauf::vor()
{
    std::vector<const Zug *> gelegt;
    while (gelegt.size() < schritteJeAufruf && kannVor())
        gelegt.push_back(&zuege[aufDemBrett++]);
    return gelegt;
}

void Verlauf::leere()
{
    zuege.clear();
    aufDemBrett = 0;
}
