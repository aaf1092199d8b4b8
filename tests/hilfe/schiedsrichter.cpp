// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "schiedsrichter.h"

#include "computer/lage.h"

#include <algorithm>
#include <limits>
#include <map>
#include <stdexcept>
#include <utility>

// The inner sides are numbered on their own: first those below a box, row by
// row (between box (r, c) and (r + 1, c)), then those right of a box
// (between (r, c) and (r, c + 1)). The frame is closed and has no number.
Schiedsrichter::Schiedsrichter(const Lage &start)
{
    const int zeilen = start.zeilen();
    const int spalten = start.spalten();
    std::vector<int> felder;
    auto verbinde = [&](int r, int c, int richtung, int zweitesFeld) {
        lagenummer.push_back(start.seite(r, c, richtung));
        felder.insert(felder.end(), {r * spalten + c, zweitesFeld});
    };
    for (int r = 0; r + 1 < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c)
            verbinde(r, c, 2, (r + 1) * spalten + c);
    }
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c + 1 < spalten; ++c)
            verbinde(r, c, 1, r * spalten + c + 1);
    }
    // Each box's sides that are free in the start, as an index.
    std::vector<Index> freieVon(std::size_t(zeilen * spalten), 0);
    for (int innen = 0; innen < int(lagenummer.size()); ++innen) {
        if (!start.istFrei(lagenummer[std::size_t(innen)]))
            continue;
        if (freie.size() == hoechstensFrei)
            throw std::length_error("Schiedsrichter: too many free sides to value them all");
        for (int feld : {felder[std::size_t(2 * innen)], felder[std::size_t(2 * innen + 1)]})
            freieVon[std::size_t(feld)] |= Index(1) << freie.size();
        freie.push_back(innen);
    }
    // A box is completed by the last of its sides that were free in the
    // start; the others were drawn before.
    for (int innen : freie) {
        for (int feld : {felder[std::size_t(2 * innen)], felder[std::size_t(2 * innen + 1)]})
            nachbarn.push_back(freieVon[std::size_t(feld)]);
    }
    gemerkt.assign(std::size_t(1) << freie.size(), 0);
    bewerteAlle();
}

int Schiedsrichter::wert(const Lage &lage) const
{
    return gemerkt[index(lage)];
}

int Schiedsrichter::zugwert(const Lage &lage, int seite) const
{
    const auto frei = std::find_if(freie.begin(), freie.end(),
                                   [&](int innen) { return lagenummer[std::size_t(innen)] == seite; });
    if (frei == freie.end() || !lage.istFrei(seite))
        throw std::invalid_argument("Schiedsrichter: the side is not free");
    const int j = int(frei - freie.begin());
    const Index vorher = index(lage);
    const int danach = gemerkt[vorher | Index(1) << j];
    const int fertig = vollendet(vorher, j);
    return fertig > 0 ? fertig + danach : -danach;
}

Schiedsrichter::Index Schiedsrichter::index(const Lage &lage) const
{
    Index gezogen = 0;
    for (std::size_t j = 0; j < freie.size(); ++j) {
        if (!lage.istFrei(lagenummer[std::size_t(freie[j])]))
            gezogen |= Index(1) << j;
    }
    return gezogen;
}

int Schiedsrichter::vollendet(Index gezogen, int frei) const
{
    const Index danach = gezogen | Index(1) << frei;
    const Index erstes = nachbarn[std::size_t(2 * frei)];
    const Index zweites = nachbarn[std::size_t(2 * frei + 1)];
    return int((danach & erstes) == erstes) + int((danach & zweites) == zweites);
}

// Every box with two free sides starts a group of its own, named by its
// place; the free sides between two such boxes pass the smaller name on
// until no name changes. A group with as many of these sides as boxes has
// no end: it is a loop.
int Schiedsrichter::langeKetten(const Lage &lage)
{
    const int spalten = lage.spalten();
    const auto offen = [&](int platz, int richtung) {
        return lage.istFrei(lage.seite(platz / spalten, platz % spalten, richtung));
    };
    std::vector<int> gruppe(std::size_t(lage.zeilen() * spalten), -1);
    for (int platz = 0; platz < int(gruppe.size()); ++platz) {
        int freie = 0;
        for (int richtung : {Richtung::oben, Richtung::rechts, Richtung::unten, Richtung::links})
            freie += offen(platz, richtung);
        if (freie == 2)
            gruppe[std::size_t(platz)] = platz;
    }
    const auto inGruppe = [&](int platz) { return gruppe[std::size_t(platz)] >= 0; };
    std::vector<std::pair<std::size_t, std::size_t>> bindungen;
    for (int platz = 0; platz < int(gruppe.size()); ++platz) {
        const int darunter = platz + spalten;
        const int rechts = platz + 1;
        if (inGruppe(platz) && darunter < int(gruppe.size()) && offen(platz, Richtung::unten) && inGruppe(darunter))
            bindungen.emplace_back(platz, darunter);
        if (inGruppe(platz) && rechts % spalten != 0 && offen(platz, Richtung::rechts) && inGruppe(rechts))
            bindungen.emplace_back(platz, rechts);
    }
    for (bool geaendert = true; geaendert;) {
        geaendert = false;
        for (const auto &[a, b] : bindungen) {
            const int kleiner = std::min(gruppe[a], gruppe[b]);
            geaendert = geaendert || gruppe[a] != kleiner || gruppe[b] != kleiner;
            gruppe[a] = gruppe[b] = kleiner;
        }
    }
    std::map<int, int> kaesten;
    std::map<int, int> innen;
    for (int name : gruppe) {
        if (name >= 0)
            ++kaesten[name];
    }
    for (const auto &bindung : bindungen)
        ++innen[gruppe[bindung.first]];
    return int(std::count_if(kaesten.begin(), kaesten.end(), [&](const auto &eintrag) {
        return eintrag.second >= 3 && innen[eintrag.first] < eintrag.second;
    }));
}

// Every position that can follow the start, valued from the end of the game
// back: drawing a side only adds a bit, so each position comes after all
// those it can lead to.
void Schiedsrichter::bewerteAlle()
{
    // With every side drawn the game is over: nothing more to get.
    for (std::size_t platz = gemerkt.size() - 1; platz-- > 0;) {
        const auto gezogen = Index(platz);
        int bester = std::numeric_limits<int>::min();
        for (int j = 0; j < int(freie.size()); ++j) {
            if (gezogen & Index(1) << j)
                continue;
            const int danach = gemerkt[gezogen | Index(1) << j];
            const int fertig = vollendet(gezogen, j);
            bester = std::max(bester, fertig > 0 ? fertig + danach : -danach);
        }
        gemerkt[gezogen] = std::int8_t(bester);
    }
}
