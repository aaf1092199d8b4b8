// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/denker.h"
#include "model/richtung.h"
#include "game/spiellabel.h"
#include "invarianten.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QtTest>

#include <cstdlib>
#include <memory>

// The Meister in the window: it thinks on a thread of its own while the
// window goes on, and whatever ends or changes the game while it thinks
// drops its answer.
class TestDenker : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private slots:
    // A whole game on each board against random presses: every answer is a
    // free side of the board it was asked about, and the computer draws
    // exactly the sides the Meister answered, in that order.
    void partie_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("small") << 0;
        QTest::newRow("medium") << 1;
        QTest::newRow("large") << 2;
    }

    void partie()
    {
        QFETCH(int, groesse);
        std::srand(7);
        MainWindow fenster;
        SpielLabel &spiel = Ansicht::spiel(fenster);
        Ansicht::loese(fenster, "actionLevel6");
        fenster.setzeGroesse(groesse, true, true);
        std::vector<int> geantwortet;
        for (const Denker *denker : spiel.findChildren<Denker *>())
            connect(denker, &Denker::geantwortet, this, [&](const Meister::Rat &rat) { geantwortet.push_back(rat.seite); });
        Spieltreiber::spiele(spiel, [&] { return Computerspieler::irgendeineSeite(spiel.stellung()); });
        QCOMPARE(Invarianten::pruefe(fenster), QString());
        QVERIFY(Ansicht::status(fenster).endsWith(", fertig"));
        std::vector<int> gezogen;
        for (const Zug &zug : spiel.partie().verlauf().alle()) {
            if (!zug.spieler)
                gezogen.insert(gezogen.end(), zug.seiten.begin(), zug.seiten.end());
        }
        QVERIFY(!gezogen.empty());
        QVERIFY(gezogen == geantwortet);
    }

    // The human's side passes the turn and the Meister starts thinking; at
    // once the player does something else. The window takes it at once, and
    // no answer lands on the board afterwards unless the game still wants
    // the computer's move.
    void unterbrechung_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<bool>("computerZieht");
        QTest::newRow("new game") << "actionNeues_Spiel" << false;
        QTest::newRow("open a game") << "oeffnen" << false;
        QTest::newRow("undo, refused") << "actionRueckgaengig" << true;
        QTest::newRow("level 5") << "actionLevel5" << true;
        QTest::newRow("close") << "schliessen" << false;
    }

    void unterbrechung()
    {
        QFETCH(QString, aktion);
        QFETCH(bool, computerZieht);
        auto fenster = std::make_unique<MainWindow>();
        SpielLabel &spiel = Ansicht::spiel(*fenster);
        const QString datei = ordner.filePath("mensch.pf");
        QVERIFY(fenster->schreibeDatei(datei));
        const QByteArray leer = Ansicht::zustand(spiel);
        Ansicht::loese(*fenster, "actionLevel6");
        Ansicht::druecke(spiel, Ansicht::druckpunkt(2, 2, 1));
        QCOMPARE(Ansicht::status(*fenster), "Mensch: 0, Computer: 0");
        QVERIFY(Spieltreiber::laeuft(spiel));
        QVERIFY(!Ansicht::aktiv(*fenster, "actionTipp"));
        const QByteArray nachMensch = Ansicht::zustand(spiel);

        if (aktion == "schliessen") {
            fenster.reset();
            return;
        }
        if (aktion == "oeffnen")
            QVERIFY(fenster->ladeDatei(datei));
        else
            Ansicht::loese(*fenster, aktion);
        if (computerZieht) {
            QTRY_COMPARE(Ansicht::status(*fenster), "Mensch: 0, Computer: 0, du bist dran");
            QVERIFY(Ansicht::zustand(spiel) != nachMensch);
        } else {
            QCOMPARE(Ansicht::status(*fenster), "Mensch: 0, Computer: 0, du bist dran");
            QTRY_VERIFY(!Spieltreiber::laeuft(spiel));
            // Long enough for a dropped answer to have arrived, were it played.
            QTest::qWait(100);
            QCOMPARE(Ansicht::zustand(spiel), leer);
        }
        QCOMPARE(Invarianten::pruefe(*fenster), QString());
    }
};

QTEST_MAIN(TestDenker)
#include "tst_denker.moc"
