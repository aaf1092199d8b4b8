// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bewertetelage.h"
#include "computer/endspielsuche.h"
#include "computer/meister.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QApplication>
#include <QFile>
#include <QSet>
#include <QTextStream>

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <utility>
#include <vector>

// How often the Meister gives value away where it cannot search to the end.
// Positions with 39 to 44 free sides and the Meister to move are taken from
// games on each board: the Meister against level 5 (game i seeded with
// i + 1, the Meister opening the even ones) and against itself (the same
// seeds, its first i % 8 sides chosen by level 5, so that the games part).
// The Meister chooses with its counted budgets; a search without a limit
// then values the position and the side it chose. It prints, for every
// count of free sides, the positions, the share of choices that lose value
// and the mean loss in boxes, and writes every valued position to a file.
//
// Usage: entscheidungsguete [games per board and opponent [positions per
// count and board [file]]]; positions beyond the first ones of a count are
// left out, so that the costly counts stay bounded. With --pruefe file
// [free sides], it lets the Meister choose again in the stored positions of
// up to that many free sides and values only its sides; with --tabelle file
// it counts the choices stored there.
namespace {

constexpr int wenigste = 39;
constexpr int meiste = 44;
constexpr int eroeffnungen = 8;

struct Zeile
{
    int lagen = 0;
    int verlierend = 0;
    long verlust = 0;
    int exakt = 0;
};

QString schluessel(const Lage &lage)
{
    return BewerteteLage{lage, 0, -1, 0}.zeile();
}

// The value of drawing `seite` for the player who draws it.
int zugWert(const Lage &lage, int seite)
{
    Lage danach = lage;
    const int fertig = danach.ziehe(seite);
    if (danach.freieSeiten() == 0)
        return fertig;
    const Notbremse ohne(Notbremse::Uhr::time_point::max(), nullptr);
    Endspielsuche suche(danach, std::numeric_limits<long>::max(), ohne);
    int wert = 0;
    suche.bewerte(wert);
    return fertig > 0 ? fertig + wert : -wert;
}

const char *brettName(const Lage &lage)
{
    return lage.zeilen() * lage.spalten() <= 30 ? "small" : lage.zeilen() * lage.spalten() <= 143 ? "medium" : "large";
}

using Tabelle = std::map<std::pair<int, QString>, Zeile>;

void zaehle(Tabelle &tabelle, const BewerteteLage &b, bool exakt)
{
    for (const QString &brett : {QString(brettName(b.lage)), QStringLiteral("all")}) {
        Zeile &z = tabelle[{b.lage.freieSeiten(), brett}];
        ++z.lagen;
        z.exakt += exakt;
        z.verlierend += b.seitenWert < b.bester;
        z.verlust += b.bester - b.seitenWert;
    }
}

// One row for each count of free sides and board, and one for all boards.
void drucke(const Tabelle &tabelle, bool mitExakt)
{
    std::printf("| free sides | board | positions |%s losing value | mean loss |\n|---:|---|---:|%s---:|---:|\n",
                mitExakt ? " decided exactly |" : "", mitExakt ? "---:|" : "");
    for (const auto &[wo, z] : tabelle) {
        std::printf("| %d | %s | %d |", wo.first, qPrintable(wo.second), z.lagen);
        if (mitExakt)
            std::printf(" %d |", z.exakt);
        std::printf(" %.1f %% | %.2f |\n", 100.0 * z.verlierend / z.lagen, double(z.verlust) / z.lagen);
    }
}

// The Meister's choices in stored positions of up to `hoechstens` free
// sides against their stored best values: to try a change of the rules of
// thumb without valuing the positions again. Without `neu`, only the
// stored choices are counted.
int pruefe(const QString &datei, int hoechstens, bool neu)
{
    const Meister meister(std::chrono::hours(1), Meister::Zweck::raten);
    Tabelle tabelle;
    for (BewerteteLage b : BewerteteLage::lies(datei)) {
        if (b.lage.freieSeiten() > hoechstens)
            continue;
        bool exakt = false;
        if (neu) {
            const Meister::Rat rat = meister.waehle(b.lage);
            exakt = rat.exakt;
            b.seite = rat.seite;
            b.seitenWert = rat.exakt ? rat.wert : zugWert(b.lage, rat.seite);
        }
        zaehle(tabelle, b, exakt);
    }
    drucke(tabelle, neu);
    return 0;
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const bool tabelleAllein = argc > 2 && QString(argv[1]) == QLatin1String("--tabelle");
    if (tabelleAllein || (argc > 2 && QString(argv[1]) == QLatin1String("--pruefe")))
        return pruefe(argv[2], argc > 3 ? std::atoi(argv[3]) : meiste, !tabelleAllein);
    const int spiele = argc > 1 ? std::atoi(argv[1]) : 40;
    const int jeZahl = argc > 2 ? std::atoi(argv[2]) : 20;
    const QString datei = argc > 3 ? QString(argv[3]) : QString();

    MainWindow fenster;
    SpielLabel &spiel = Ansicht::spiel(fenster);
    Computerspieler stufe5;
    // The clock plays no part: only the counts limit a decision. The games
    // are the Meister's own; its choices are valued as a hint's, which keeps
    // the value it reports even where a game is lost.
    const Meister spieler(std::chrono::hours(1));
    const Meister meister(std::chrono::hours(1), Meister::Zweck::raten);
    std::map<int, std::vector<Lage>> proben;
    QSet<QString> gesehen;
    for (int g = 0; g < 3; ++g) {
        std::map<int, int> vomBrett;
        for (int i = 0; i < spiele; ++i) {
            for (int gegner : {5, Meister::level}) {
                std::srand(static_cast<unsigned>(1 + i));
                fenster.setzeLevel(gegner);
                spiel.setMenschStartet(i % 2 == 0);
                spiel.neuesSpiel(g, true);
                int eigene = 0;
                Spieltreiber::spiele(spiel, [&] {
                    const Lage lage(spiel.stellung());
                    if (gegner == Meister::level && eigene++ < i % eroeffnungen)
                        return stufe5.waehle(spiel.stellung(), 5);
                    const int n = lage.freieSeiten();
                    if (n >= wenigste && n <= meiste && vomBrett[n] < jeZahl && !gesehen.contains(schluessel(lage))) {
                        gesehen.insert(schluessel(lage));
                        ++vomBrett[n];
                        proben[n].push_back(lage);
                    }
                    return spieler.waehle(lage).seite;
                });
            }
        }
    }

    QFile aus(datei);
    QTextStream text(&aus);
    if (!datei.isEmpty() && aus.open(QIODevice::WriteOnly | QIODevice::Text))
        text << "# SPDX-FileCopyrightText: 2026 The Punktfeld developers\n"
                "# SPDX-License-Identifier: GPL-3.0-or-later\n"
                "# zeilen spalten holes drawn best side value: the Meister's side, valued exactly\n";
    Tabelle tabelle;
    for (int n = wenigste; n <= meiste; ++n) {
        for (const Lage &lage : proben[n]) {
            const Meister::Rat rat = meister.waehle(lage);
            BewerteteLage b{lage, rat.wert, rat.seite, rat.wert};
            if (!rat.exakt) {
                const Notbremse ohne(Notbremse::Uhr::time_point::max(), nullptr);
                Endspielsuche suche(lage, std::numeric_limits<long>::max(), ohne);
                int beste = -1;
                suche.loese(beste, b.bester);
                b.seitenWert = zugWert(lage, rat.seite);
            }
            zaehle(tabelle, b, rat.exakt);
            if (aus.isOpen()) {
                text << b.zeile() << '\n';
                text.flush();
            }
        }
    }
    drucke(tabelle, true);
    return 0;
}
