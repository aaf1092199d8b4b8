// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/meister.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Plays complete games between every two computer levels on each board size
// (the larger ones with their random shapes) and prints, for each pair, how
// the first level fared. The first level plays the human's part with the
// computer's own choice of a side; the openers alternate. Game i of every
// pair is seeded with i + 1, so a run repeats exactly and every pair meets
// the same shapes. The Meister (level 6) plays level 5 only, in games of
// its own, and the time of each of its decisions is taken, with how often
// its safety cap on the clock cut one short.
//
// Usage: selbstspiel_stufen [games per pair on the small, medium and large
// board [games of the Meister on the small, medium and large board]]; an
// even number of games each, so that both open equally often, and 0 to
// leave a table out.
namespace {

struct Ergebnis
{
    int gewonnen = 0;
    int unentschieden = 0;
    int verloren = 0;
    int spiele() const { return gewonnen + unentschieden + verloren; }
    void zaehle(int differenz) { ++(differenz > 0 ? gewonnen : differenz < 0 ? verloren : unentschieden); }
};

double prozent(double teil, int ganz)
{
    return 100.0 * teil / ganz;
}

// The score share, a draw counting half, with its 95 % Wilson interval.
void drucke(const char *titel, const Ergebnis (&ergebnisse)[7][7])
{
    std::printf("\n### %s\n\n| first vs second | games | won | drawn | lost | score | 95 %% interval |\n"
                "|---|---:|---:|---:|---:|---:|---|\n", titel);
    for (int a = 6; a >= 1; --a) {
        for (int b = std::min(a, 5); b >= 1; --b) {
            const Ergebnis &e = ergebnisse[a][b];
            if (e.spiele() == 0)
                continue;
            const double n = e.spiele(), p = (e.gewonnen + 0.5 * e.unentschieden) / n, z = 1.959964;
            const double nenner = 1 + z * z / n, mitte = (p + z * z / (2 * n)) / nenner;
            const double halb = z / nenner * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
            std::printf("| %d vs %d | %d | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f–%.1f %% |\n", a, b, e.spiele(),
                        prozent(e.gewonnen, e.spiele()), prozent(e.unentschieden, e.spiele()),
                        prozent(e.verloren, e.spiele()), prozent(2 * e.gewonnen + e.unentschieden, 2 * e.spiele()), 100 * (mitte - halb), 100 * (mitte + halb));
        }
    }
}

// The time of every decision, in milliseconds: median, 99th percentile and
// the longest; and the decisions the safety cap cut short.
void druckeZeiten(const char *brett, std::vector<double> zeiten, int gekappt)
{
    if (zeiten.empty())
        return;
    std::sort(zeiten.begin(), zeiten.end());
    const auto anteil = [&](double p) { return zeiten[static_cast<std::size_t>(p * double(zeiten.size() - 1))]; };
    std::printf("| %s | %zu | %.2f ms | %.1f ms | %.1f ms | %d |\n", brett, zeiten.size(), anteil(0.5), anteil(0.99),
                zeiten.back(), gekappt);
}

int differenz(const SpielLabel &spiel)
{
    return spiel.partie().punkteMensch() - spiel.partie().punkteComputer();
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    int anzahl[6] = {1000, 200, 60, 1000, 200, 100};
    for (int g = 0; g < 6 && g + 1 < argc; ++g)
        anzahl[g] = std::max(0, std::atoi(argv[g + 1]) / 2 * 2);

    const char *const namen[3] = {"Small board (6 × 5)", "Medium board (13 × 11, random shape)",
                                  "Large board (22 × 15, random shape)"};
    MainWindow fenster;
    SpielLabel &spiel = Ansicht::spiel(fenster);
    Computerspieler mensch;
    const Meister meister;
    Ergebnis alle[7][7];
    std::vector<double> zeiten[3];
    int gekappt[3] = {};
    for (int g = 0; g < 3; ++g) {
        Ergebnis hier[7][7];
        for (int a = 5; a >= 1; --a) {
            for (int b = a; b >= 1; --b) {
                for (int i = 0; i < anzahl[g]; ++i) {
                    std::srand(static_cast<unsigned>(1 + i));
                    fenster.setzeLevel(b);
                    spiel.setMenschStartet(i % 2 == 0);
                    spiel.neuesSpiel(g, true);
                    Spieltreiber::spiele(spiel, [&] { return mensch.waehle(spiel.stellung(), a); });
                    hier[a][b].zaehle(differenz(spiel));
                    alle[a][b].zaehle(differenz(spiel));
                }
            }
        }
        for (int i = 0; i < anzahl[3 + g]; ++i) {
            std::srand(static_cast<unsigned>(1 + i));
            fenster.setzeLevel(5);
            spiel.setMenschStartet(i % 2 == 0);
            spiel.neuesSpiel(g, true);
            Spieltreiber::spiele(spiel, [&] {
                const Lage lage(spiel.stellung());
                const auto anfang = std::chrono::steady_clock::now();
                const Meister::Rat rat = meister.waehle(lage);
                zeiten[g].push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - anfang).count());
                gekappt[g] += rat.gekappt;
                return rat.seite;
            });
            hier[6][5].zaehle(differenz(spiel));
            alle[6][5].zaehle(differenz(spiel));
        }
        drucke(namen[g], hier);
    }
    drucke("All three boards together", alle);

    std::printf("\n### The Meister's decisions against level 5\n\n| board | decisions | median | 99th percentile | longest | "
                "safety cap reached |\n|---|---:|---:|---:|---:|---:|\n");
    const char *const bretter[3] = {"small", "medium", "large"};
    for (int g = 0; g < 3; ++g)
        druckeZeiten(bretter[g], zeiten[g], gekappt[g]);
    return 0;
}
