// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansicht.h"
#include "computer/computerspieler.h"
#include "field/brettbild.h"
#include "game/spiellabel.h"
#include "model/richtung.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"

#include <QtTest>

#include <random>

namespace {

// The picture a new board of the same position shows.
QImage frisch(const SpielLabel &spiel)
{
    Brettbild bild;
    bild.setzeMassstab(1.0, spiel.devicePixelRatioF());
    bild.male(spiel.stellung());
    return bild.bild().toImage();
}

// A free side with an end on a hole's edge, or -1.
int seiteAmLoch(const Stellung &brett)
{
    const Gitter &gitter = brett.gitter();
    for (int seite = 0; seite < gitter.seitenAnzahl(); ++seite) {
        if (!brett.istFrei(seite))
            continue;
        // The sides across its ends belong to the boxes beside its boxes.
        const auto [erstes, zweites] = gitter.felderAn(seite);
        for (const int platz : {erstes, zweites}) {
            for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
                const int nachbar = gitter.nachbar(gitter.zeileVon(platz), gitter.spalteVon(platz), richtung);
                if (nachbar >= 0 && brett.istGesperrt(nachbar))
                    return seite;
            }
        }
    }
    return -1;
}

}

// The picture is always the one a new board painted from the game's
// position would show, whatever the player did.
class TestBild : public QObject
{
    Q_OBJECT

private slots:
    // Random presses, computer turns, undo, redo, hints and new games, each
    // followed by the comparison once no blink runs.
    void immerWieNeuGemalt_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<unsigned>("saat");
        for (unsigned saat : {1u, 2u, 3u}) {
            QTest::newRow(qPrintable(QString("small, seed %1").arg(saat))) << 0 << saat;
            QTest::newRow(qPrintable(QString("medium, seed %1").arg(saat))) << 1 << saat;
            QTest::newRow(qPrintable(QString("large, seed %1").arg(saat))) << 2 << saat;
        }
    }

    void immerWieNeuGemalt()
    {
        QFETCH(int, groesse);
        QFETCH(unsigned, saat);
        std::mt19937 zufall(saat);
        std::srand(saat);
        MainWindow fenster;
        fenster.setzeGroesse(groesse, true, true);
        SpielLabel &spiel = Ansicht::spiel(fenster);
        const QStringList befehle{"actionRueckgaengig", "actionWiederherstellen", "actionTipp", "actionNeues_Spiel"};
        QStringList schritte;
        int verglichen = 0;
        for (int schritt = 0; schritt < 200; ++schritt) {
            const int art = int(zufall() % 20);
            if (art < 9) {
                const int seite = zufall() % 4 ? Computerspieler::irgendeineSeite(spiel.stellung()) : int(zufall() % unsigned(spiel.stellung().gitter().seitenAnzahl()));
                if (seite >= 0)
                    Ansicht::druecke(spiel, Spieltreiber::druckpunkt(spiel, seite));
                schritte << QString("press %1").arg(seite);
            } else if (art < 12) {
                Spieltreiber::schritt(spiel);
                schritte << "timer";
            } else if (art < 15) {
                Spieltreiber::computerRunde(spiel);
                schritte << "all timers";
            } else {
                const QString befehl = befehle[art == 19 && zufall() % 3 == 0 ? 3 : int(zufall() % 3)];
                if (Ansicht::aktiv(fenster, befehl))
                    Ansicht::loese(fenster, befehl);
                schritte << befehl;
            }
            if (Spieltreiber::laeuft(spiel))
                continue;
            QVERIFY2(Ansicht::bild(spiel) == frisch(spiel), qPrintable(schritte.mid(schritte.size() - 8).join(", ")));
            ++verglichen;
        }
        QVERIFY2(verglichen > 30, qPrintable(QString::number(verglichen)));
    }

    // Taking back a side whose end touches a hole's edge leaves the picture
    // exactly as it was before the press.
    void rueckgaengigAmLoch_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("medium") << 1;
        QTest::newRow("large") << 2;
    }

    void rueckgaengigAmLoch()
    {
        QFETCH(int, groesse);
        for (unsigned saat = 1; saat <= 8; ++saat) {
            std::srand(saat);
            MainWindow fenster;
            fenster.setzeGroesse(groesse, true, true);
            SpielLabel &spiel = Ansicht::spiel(fenster);
            const int seite = seiteAmLoch(spiel.stellung());
            QVERIFY(seite >= 0);
            const QImage vorher = Ansicht::bild(spiel);
            Ansicht::druecke(spiel, Spieltreiber::druckpunkt(spiel, seite));
            Spieltreiber::computerRunde(spiel);
            Ansicht::loese(fenster, "actionRueckgaengig");
            QVERIFY(spiel.stellung().istFrei(seite));
            QVERIFY2(Ansicht::bild(spiel) == vorher, qPrintable(QString("seed %1, side %2").arg(saat).arg(seite)));
        }
    }
};

QTEST_MAIN(TestBild)
#include "tst_bild.moc"
