// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rueckschau.h"

#include "schaetzer.h"

Rueckschau::Rueckschau(std::chrono::milliseconds jeStellung)
    : meister(jeStellung, Meister::Zweck::raten)
{
}

std::vector<Rueckschau::Bewertung> Rueckschau::bewerte(const std::vector<Lage> &lagen, const std::atomic<bool> *abbruch,
                                                       const std::function<void(std::size_t)> &fortschritt) const
{
    std::vector<Bewertung> ergebnis;
    for (const Lage &lage : lagen) {
        if (abbruch && abbruch->load())
            break;
        Bewertung bewertung;
        // A finished game has nothing left to value.
        if (lage.freieSeiten() > 0) {
            const Meister::Rat rat = meister.waehle(lage, abbruch);
            if (abbruch && abbruch->load())
                break;
            if (rat.exakt)
                bewertung = {rat.wert, true, true, rat.seite};
            else if (Schaetzer::verlaesslich(lage))
                bewertung = {Schaetzer::schaetze(lage), false, true, rat.seite};
            else // An estimate too rough to show is not worth its play-outs.
                bewertung = {0, false, false, rat.seite};
        }
        ergebnis.push_back(bewertung);
        if (fortschritt)
            fortschritt(ergebnis.size());
    }
    return ergebnis;
}
