#include "computerspieler.h"

#include "field/feld.h"
#include "field/seite.h"
#include "field/spielfeld.h"

#include <algorithm>
#include <cstdlib>

namespace {

int zufall(std::size_t anzahl)
{
    return std::rand() % static_cast<int>(anzahl);
}

bool enthaelt(const std::vector<Feld *> &liste, const Feld *feld)
{
    return std::find(liste.begin(), liste.end(), feld) != liste.end();
}

constexpr int groessteKette = 0xFFFFFF;

}

bool Computerspieler::levelZug(int level)
{
    return std::rand() % 5 < level;
}

void Computerspieler::klassifiziere(Spielfeld &spielfeld)
{
    dreierFelder.clear();
    sichereFelder.clear();
    zweierFelder.clear();
    for (Feld *feld : spielfeld) {
        const int c = feld->anzahlGeschlossen();
        if (c == 3)
            dreierFelder.push_back(feld);
        else if (c <= 1)
            sichereFelder.push_back(feld);
        else if (c == 2)
            zweierFelder.push_back(feld);
    }
}

Seite *Computerspieler::zieheSeite(Spielfeld &spielfeld, int level, std::vector<Feld *> &neueFelder)
{
    klassifiziere(spielfeld);
    uebersehen.clear();

    if (!levelZug(level) && (!zweierFelder.empty() || !sichereFelder.empty()))
        uebersehen.swap(dreierFelder);

    const bool sicherheit = levelZug(level);
    if (!dreierFelder.empty())
        return vervollstaendige(dreierFelder, neueFelder);
    if (!sicherheit && !zweierFelder.empty())
        sichereFelder.clear();

    if (Seite *seite = sichereSeite())
        return seite;
    if (!zweierFelder.empty())
        return kleinsteKette(level, neueFelder);

    // Only a failed capture draw leads here: nothing safe is left and no chain
    // can be opened, so the computer takes one of the boxes it overlooked.
    if (!uebersehen.empty())
        return vervollstaendige(uebersehen, neueFelder);
    return irgendeineSeite(spielfeld, neueFelder);
}

Seite *Computerspieler::nimm(Feld *feld, int richtung, std::vector<Feld *> &neueFelder)
{
    if (feld->anzahlGeschlossen() == 3)
        neueFelder.push_back(feld);
    Feld *gegenueber = feld->nachbar(richtung);
    if (gegenueber && gegenueber->anzahlGeschlossen() == 3)
        neueFelder.push_back(gegenueber);
    feld->zieheSeite(richtung);
    return feld->seite(richtung);
}

Seite *Computerspieler::vervollstaendige(std::vector<Feld *> &kandidaten, std::vector<Feld *> &neueFelder)
{
    Feld *feld = kandidaten[static_cast<std::size_t>(zufall(kandidaten.size()))];
    return nimm(feld, feld->freieRichtungen().front(), neueFelder);
}

Seite *Computerspieler::sichereSeite()
{
    while (!sichereFelder.empty()) {
        const int i = zufall(sichereFelder.size());
        Feld *feld = sichereFelder[static_cast<std::size_t>(i)];
        std::vector<int> kandidaten{0, 1, 2, 3};
        while (!kandidaten.empty()) {
            const int j = zufall(kandidaten.size());
            const int d = kandidaten[static_cast<std::size_t>(j)];
            const Feld *nb = feld->nachbar(d);
            if (nb) {
                const int c = nb->anzahlGeschlossen();
                // A neighbour with one closed side may be closed exactly by
                // this side; then the side is not free at all.
                if (c == 0 || (c == 1 && nb->geschlosseneSeiten().front() != feld->seite(d))) {
                    feld->zieheSeite(d);
                    return feld->seite(d);
                }
            }
            kandidaten.erase(kandidaten.begin() + j);
        }
        sichereFelder.erase(sichereFelder.begin() + i);
    }
    return nullptr;
}

Seite *Computerspieler::kleinsteKette(int level, std::vector<Feld *> &neueFelder)
{
    int besteGroesse = groessteKette;
    Feld *gewaehlt = nullptr;
    std::vector<Feld *> kette;
    while (!zweierFelder.empty()) {
        Feld *feld = zweierFelder[static_cast<std::size_t>(zufall(zweierFelder.size()))];
        if (!levelZug(level)) {
            gewaehlt = feld;
            break;
        }
        kette.clear();
        sammleKette(feld, kette);
        if (static_cast<int>(kette.size()) < besteGroesse) {
            besteGroesse = static_cast<int>(kette.size());
            gewaehlt = feld;
        }
    }
    const std::vector<int> richtungen = gewaehlt->freieRichtungen();
    const int d = richtungen[static_cast<std::size_t>(zufall(richtungen.size()))];
    return nimm(gewaehlt, d, neueFelder);
}

Seite *Computerspieler::irgendeineSeite(Spielfeld &spielfeld, std::vector<Feld *> &neueFelder)
{
    // Every free side is the right or the bottom side of exactly one box.
    std::vector<std::pair<Feld *, int>> freie;
    for (Feld *feld : spielfeld) {
        for (int d : {1, 2}) {
            if (feld->seite(d)->istFrei())
                freie.emplace_back(feld, d);
        }
    }
    if (freie.empty())
        return nullptr;
    const auto &[feld, d] = freie[static_cast<std::size_t>(zufall(freie.size()))];
    return nimm(feld, d, neueFelder);
}

void Computerspieler::sammleKette(Feld *feld, std::vector<Feld *> &kette)
{
    const std::vector<int> richtungen = feld->freieRichtungen();
    if (feld->anzahlGeschlossen() == 2) {
        const auto pos = std::find(zweierFelder.begin(), zweierFelder.end(), feld);
        if (pos != zweierFelder.end())
            zweierFelder.erase(pos);
        kette.push_back(feld);
    } else {
        int auswege = static_cast<int>(richtungen.size());
        for (int d : richtungen) {
            if (enthaelt(kette, feld->nachbar(d)))
                --auswege;
        }
        // With two or more ways out the box does not fall with the chain.
        if (auswege > 1)
            return;
        kette.push_back(feld);
    }
    for (int d : richtungen) {
        Feld *nb = feld->nachbar(d);
        if (nb && !enthaelt(kette, nb))
            sammleKette(nb, kette);
    }
}
