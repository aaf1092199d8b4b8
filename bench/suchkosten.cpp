// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/endspielsuche.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QApplication>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

// What the exact search costs as the positions grow: for each row, positions
// with that many free sides, taken from games of level 5 against itself
// (game i seeded with i + 1, the first position of the game with that many
// free sides and the human to move), each searched to its exact value. It
// prints the time and the positions visited: median, 90th percentile and
// most, the factor of each median over the row before, the largest table a
// search of the row left, and how many searches gave up at the node cap.
//
// Usage: suchkosten [positions per row [node cap [free sides]]]; with free
// sides given, only that row of the small board (as many positions as
// asked), to find where exactness ends.
namespace {

using Uhr = std::chrono::steady_clock;

struct Zeile
{
    int brett;
    int freieSeiten;
    // The rows beyond 40 free sides cost a minute and more for each
    // position: they take this many at most.
    int hoechstens;
};

constexpr int alle = 1000000;
constexpr Zeile zeilen[] = {{0, 24, alle}, {0, 28, alle}, {0, 32, alle}, {0, 36, alle}, {0, 38, alle}, {0, 40, alle},
                            {0, 42, 6}, {0, 44, 2}, {1, 32, alle}, {1, 36, alle}, {1, 40, alle}};
// No seed list runs dry before a row is full: a game passes every count of
// free sides, with the human to move at about half of them.
constexpr int hoechstensSpiele = 5000;

std::vector<Lage> sammle(MainWindow &fenster, const Zeile &zeile, int anzahl)
{
    SpielLabel &spiel = Ansicht::spiel(fenster);
    Computerspieler spieler;
    std::vector<Lage> lagen;
    for (int i = 0; i < hoechstensSpiele && static_cast<int>(lagen.size()) < anzahl; ++i) {
        std::srand(static_cast<unsigned>(1 + i));
        fenster.setzeLevel(5);
        spiel.setMenschStartet(i % 2 == 0);
        spiel.neuesSpiel(zeile.brett, true);
        bool genommen = false;
        Spieltreiber::spiele(spiel, [&] {
            const Lage lage = Lage(spiel.stellung());
            if (!genommen && lage.freieSeiten() == zeile.freieSeiten) {
                lagen.push_back(lage);
                genommen = true;
            }
            return spieler.waehle(spiel.stellung(), 5);
        });
    }
    return lagen;
}

template<typename T>
T anteil(std::vector<T> werte, double p)
{
    std::sort(werte.begin(), werte.end());
    return werte[static_cast<std::size_t>(p * double(werte.size() - 1))];
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int anzahl = argc > 1 ? std::max(1, std::atoi(argv[1])) : 100;
    const long knotenKappe = argc > 2 ? std::atol(argv[2]) : 200000000L;

    MainWindow fenster;
    const char *const bretter[2] = {"small", "medium"};
    std::printf("| board | free sides | positions | median | 90th percentile | most | factor | nodes: median | "
                "90th percentile | most | factor | largest table | at node cap |\n"
                "|---|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|---:|\n");
    double vorherZeit = 0;
    double vorherKnoten = 0;
    int vorherBrett = -1;
    std::vector<Zeile> auswahl(std::begin(zeilen), std::end(zeilen));
    if (argc > 3)
        auswahl = {Zeile{0, std::atoi(argv[3]), alle}};
    for (const Zeile &zeile : auswahl) {
        const std::vector<Lage> lagen = sammle(fenster, zeile, std::min(anzahl, zeile.hoechstens));
        std::vector<double> zeiten;
        std::vector<long> knoten;
        std::size_t tabelle = 0;
        int gekappt = 0;
        const Notbremse bremse(Uhr::time_point::max(), nullptr);
        for (const Lage &lage : lagen) {
            Endspielsuche suche(lage, knotenKappe, bremse);
            int seite = -1;
            int wert = 0;
            const auto anfang = Uhr::now();
            gekappt += !suche.loese(seite, wert);
            zeiten.push_back(std::chrono::duration<double, std::milli>(Uhr::now() - anfang).count());
            knoten.push_back(suche.knotenZahl());
            tabelle = std::max(tabelle, suche.tabellenBytes());
        }
        if (lagen.empty())
            continue;
        const double zeitMitte = anteil(zeiten, 0.5);
        const double knotenMitte = static_cast<double>(anteil(knoten, 0.5));
        const bool folgt = vorherBrett == zeile.brett && vorherZeit > 0 && vorherKnoten > 0;
        std::printf("| %s | %d | %zu | %.2f ms | %.2f ms | %.1f ms | %s | %ld | %ld | %ld | %s | %.1f MiB | %d |\n",
                    bretter[zeile.brett], zeile.freieSeiten, lagen.size(), zeitMitte, anteil(zeiten, 0.9),
                    *std::max_element(zeiten.begin(), zeiten.end()),
                    folgt ? qPrintable(QString::number(zeitMitte / vorherZeit, 'f', 1)) : "",
                    static_cast<long>(knotenMitte), anteil(knoten, 0.9), *std::max_element(knoten.begin(), knoten.end()),
                    folgt ? qPrintable(QString::number(knotenMitte / vorherKnoten, 'f', 1)) : "",
                    double(tabelle) / (1024.0 * 1024.0), gekappt);
        std::fflush(stdout);
        vorherZeit = zeitMitte;
        vorherKnoten = knotenMitte;
        vorherBrett = zeile.brett;
    }
    return 0;
}
