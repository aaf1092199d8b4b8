// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/endspielsuche.h"
#include "computer/faustregel.h"
#include "computer/kettenregel.h"
#include "computer/schaetzer.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

// How close the review's estimate comes to the exact value, and how often the
// side the long-chain rule favours wins, on positions whose exact value a
// search to the end finds. The positions come from games of level 5 against
// itself (game i seeded with i + 1, the human opening every other game): of
// each game, the first position with the human to move at each stage (a
// count of free sides). Each is estimated as the review does, without
// search, and then solved; a position the search cannot solve within the
// node cap is counted and left out.
//
// The error is in boxes that the estimate gives to the wrong player: half its
// distance from the exact value, as a box that changes hands changes the lead
// by two; the review's losses are counted in the same boxes. The rule's side
// wins when its exact value is above 0, loses below; a draw is counted apart.
//
// How much an estimate follows the player to move: where safe sides are left,
// the first one is drawn and the position after it estimated too (not the
// middle one, which the simple rules draw themselves, so that one play-out
// would only play its own game again); the two
// estimates, each for the player to move, should add up to about nothing, as
// a safe side hands over the turn and nothing else. The column "flip" is
// their sum in boxes, mean over the positions, for this estimate and for one
// play-out by the simple rules, the estimate the review had before.
//
// Usage: schaetzung_messung [games per board [node cap]]
namespace {

struct Brett
{
    int groesse;
    const char *name;
    std::vector<int> stufen;
    // Earlier stages, where only how much the estimate flips is measured.
    std::vector<int> kippStufen;
};

const std::vector<Brett> bretter = {
    {0, "small", {30, 31, 32, 33, 34, 35, 36, 37, 38}, {40, 41, 44, 45}},
    // The search reaches 64 free sides at most.
    {1, "medium", {36, 40, 44, 48, 52, 56, 60, 64}, {150, 151, 200, 201}},
    {2, "large", {36, 42, 48, 54, 60, 64}, {400, 401, 500, 501}},
};

struct Stufe
{
    std::vector<int> fehler;
    std::vector<int> kippen;
    std::vector<int> kippenEinAusspiel;
    int ungeloest = 0;
    int regelGewinnt = 0;
    int regelVerliert = 0;
    int regelRemis = 0;
    int regelOffen = 0;
};

std::map<int, std::vector<Lage>> sammle(MainWindow &fenster, const Brett &brett, int spiele)
{
    SpielLabel &spiel = Ansicht::spiel(fenster);
    Computerspieler spieler;
    std::map<int, std::vector<Lage>> lagen;
    for (int i = 0; i < spiele; ++i) {
        std::srand(static_cast<unsigned>(1 + i));
        fenster.setzeLevel(5);
        spiel.setMenschStartet(i % 2 == 0);
        spiel.neuesSpiel(brett.groesse, true);
        std::map<int, bool> genommen;
        Spieltreiber::spiele(spiel, [&] {
            const Lage lage = Lage(spiel.stellung());
            const int frei = lage.freieSeiten();
            const bool gesucht = std::count(brett.stufen.begin(), brett.stufen.end(), frei)
                || std::count(brett.kippStufen.begin(), brett.kippStufen.end(), frei);
            if (gesucht && !genommen[frei]) {
                lagen[frei].push_back(lage);
                genommen[frei] = true;
            }
            return spieler.waehle(spiel.stellung(), 5);
        });
    }
    return lagen;
}

void zaehleRegel(const Lage &lage, int wert, Stufe &stufe)
{
    const Kettenregel::Kontrolle kontrolle = Kettenregel::kontrolle(lage);
    if (kontrolle == Kettenregel::Kontrolle::offen) {
        ++stufe.regelOffen;
        return;
    }
    const int fuerRegel = kontrolle == Kettenregel::Kontrolle::amZug ? wert : -wert;
    (fuerRegel > 0 ? stufe.regelGewinnt : fuerRegel < 0 ? stufe.regelVerliert : stufe.regelRemis)++;
}

void missKippen(const Lage &lage, Stufe &stufe)
{
    const std::vector<int> sicher = Faustregel::sichereSeiten(lage);
    if (sicher.empty())
        return;
    Lage danach = lage;
    danach.ziehe(sicher.front());
    stufe.kippen.push_back(std::abs(Schaetzer::schaetze(lage) + Schaetzer::schaetze(danach)));
    stufe.kippenEinAusspiel.push_back(std::abs(Faustregel::ausspielen(lage) + Faustregel::ausspielen(danach)));
}

Stufe miss(const std::vector<Lage> &lagen, long knotenKappe)
{
    Stufe stufe;
    const Notbremse bremse(Notbremse::Uhr::time_point::max(), nullptr);
    for (const Lage &lage : lagen) {
        const int schaetzung = Schaetzer::schaetze(lage);
        missKippen(lage, stufe);
        Endspielsuche suche(lage, knotenKappe, bremse);
        int wert = 0;
        if (!suche.bewerte(wert)) {
            ++stufe.ungeloest;
            continue;
        }
        // Kept in halves of a box, printed in boxes.
        stufe.fehler.push_back(std::abs(schaetzung - wert));
        zaehleRegel(lage, wert, stufe);
    }
    return stufe;
}

double mittel(const std::vector<int> &werte)
{
    double summe = 0;
    for (const int wert : werte)
        summe += wert;
    return werte.empty() ? 0 : summe / double(werte.size());
}

int perzentil90(std::vector<int> werte)
{
    if (werte.empty())
        return 0;
    std::sort(werte.begin(), werte.end());
    return werte[static_cast<std::size_t>(0.9 * double(werte.size() - 1) + 0.5)];
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int spiele = argc > 1 ? std::max(1, std::atoi(argv[1])) : 40;
    const long knotenKappe = argc > 2 ? std::atol(argv[2]) : 2000000L;

    MainWindow fenster;
    std::map<const Brett *, std::map<int, std::vector<Lage>>> alle;
    for (const Brett &brett : bretter)
        alle[&brett] = sammle(fenster, brett, spiele);
    const auto von = [&alle](const Brett &brett, int frei) {
        const auto gefunden = alle[&brett].find(frei);
        return gefunden == alle[&brett].end() ? std::vector<Lage>{} : gefunden->second;
    };
    std::printf("| board | free sides | solved | not solved | error: mean | 90th percentile | rule's side wins | "
                "loses | draws | rule open | flip | flip of one play-out |\n"
                "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    for (const Brett &brett : bretter) {
        for (const int frei : brett.stufen) {
            const Stufe s = miss(von(brett, frei), knotenKappe);
            std::printf("| %s | %d | %zu | %d | %.2f | %.1f | %d | %d | %d | %d | %.2f | %.2f |\n", brett.name, frei,
                        s.fehler.size(), s.ungeloest, mittel(s.fehler) / 2, perzentil90(s.fehler) / 2.0, s.regelGewinnt,
                        s.regelVerliert, s.regelRemis, s.regelOffen, mittel(s.kippen) / 2,
                        mittel(s.kippenEinAusspiel) / 2);
            std::fflush(stdout);
        }
    }
    std::printf("\n| board | free sides | positions with safe sides | flip | flip of one play-out |\n"
                "|---|---:|---:|---:|---:|\n");
    for (const Brett &brett : bretter) {
        for (const int frei : brett.kippStufen) {
            Stufe s;
            for (const Lage &lage : von(brett, frei))
                missKippen(lage, s);
            std::printf("| %s | %d | %zu | %.2f | %.2f |\n", brett.name, frei, s.kippen.size(), mittel(s.kippen) / 2,
                        mittel(s.kippenEinAusspiel) / 2);
            std::fflush(stdout);
        }
    }
    return 0;
}
