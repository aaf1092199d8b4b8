// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/spiellabel.h"
#include "shell/analysedialog.h"
#include "shell/mainwindow.h"
#include "shell/qtuebersetzung.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

// How long "Analyse …" takes to review a whole game on each board, and how
// long the window's event loop waited at most meanwhile: a timer that should
// fire every few milliseconds measures the longest gap. The games are level 5
// against level 5, seeded, played to their end.
//
// Usage: analyse_messung [--bild FILE]: with --bild, instead the review of a
// small game the human lost to the Meister is saved as a picture.
namespace {

constexpr int takt = 5;
constexpr unsigned saat = 4711;
constexpr int warteGrenze = 600000;

struct Messung
{
    int zuege = 0;
    qint64 dauer = 0;
    qint64 laengsteLuecke = 0;
};

AnalyseDialog *warteAufAnalyse(MainWindow &fenster, qint64 &laengsteLuecke)
{
    QElapsedTimer uhr, luecke;
    QTimer ticker;
    ticker.setInterval(takt);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        laengsteLuecke = std::max(laengsteLuecke, luecke.restart());
    });
    uhr.start();
    luecke.start();
    ticker.start();
    Ansicht::loese(fenster, "actionAnalyse");
    AnalyseDialog *dialog = nullptr;
    while (!(dialog = fenster.findChild<AnalyseDialog *>()) && uhr.elapsed() < warteGrenze)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return dialog;
}

Messung miss(int groesse)
{
    MainWindow fenster;
    fenster.show();
    SpielLabel &spiel = Ansicht::spiel(fenster);
    std::srand(saat);
    fenster.setzeGroesse(groesse, true, true);
    Computerspieler wahl;
    Spieltreiber::spiele(spiel, [&] { return wahl.waehle(spiel.stellung(), 5); });
    Messung messung;
    messung.zuege = static_cast<int>(spiel.partie().verlauf().alle().size());
    QElapsedTimer uhr;
    uhr.start();
    warteAufAnalyse(fenster, messung.laengsteLuecke);
    messung.dauer = uhr.elapsed();
    return messung;
}

int bild(const QString &datei)
{
    MainWindow fenster;
    fenster.show();
    SpielLabel &spiel = Ansicht::spiel(fenster);
    std::srand(saat);
    Ansicht::loese(fenster, "actionLevel6");
    Computerspieler wahl;
    Spieltreiber::spiele(spiel, [&] { return wahl.waehle(spiel.stellung(), 3); });
    qint64 luecke = 0;
    AnalyseDialog *dialog = warteAufAnalyse(fenster, luecke);
    if (!dialog)
        return 1;
    dialog->resize(dialog->sizeHint());
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents();
    return dialog->grab().save(datei) ? 0 : 1;
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The picture speaks the system's language, as the game does.
    if (argc == 3 && QString(argv[1]) == "--bild") {
        ladeUebersetzungen(app, waehleSprache(QLocale::system().uiLanguages()));
        return bild(QString::fromLocal8Bit(argv[2]));
    }
    const char *const namen[3] = {"small", "medium", "large"};
    std::printf("| board | turns | review | longest wait of the event loop |\n|---|---:|---:|---:|\n");
    for (int groesse = 0; groesse < 3; ++groesse) {
        const Messung m = miss(groesse);
        std::printf("| %s | %d | %.1f s | %lld ms |\n", namen[groesse], m.zuege, m.dauer / 1000.0,
                    static_cast<long long>(m.laengsteLuecke));
        std::fflush(stdout);
    }
    return 0;
}
