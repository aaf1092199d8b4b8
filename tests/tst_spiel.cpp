// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "invarianten.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QtTest>

#include <cstdlib>

// All boxes are the computer's but the first two, with the one free side between them.
static const QString zweiOffen =
    "+\n|     |C |C |C |C |\n" + QString("+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n").repeated(4);

// The turns of a game: the human's presses, the blinking side, the
// computer's moves, undo and redo.
class TestSpiel : public QObject
{
    Q_OBJECT
    QScopedPointer<MainWindow> fenster;
    SpielLabel *spiel = nullptr;
    QString status() const { return Ansicht::status(*fenster); }
    void loese(const char *aktion) { Ansicht::loese(*fenster, aktion); }
    bool aktiv(const char *aktion) const { return Ansicht::aktiv(*fenster, aktion); }

private slots:
    void init()
    {
        fenster.reset(new MainWindow);
        spiel = &Ansicht::spiel(*fenster);
        std::srand(1);
    }

    // A side that cannot be taken, here the frame at (0, 0), is red at once,
    // then normal, red and normal 100 ms apart; presses meanwhile change
    // nothing, and so does a press beside the boxes.
    void druck()
    {
        const QVariantList vorher = Invarianten::abbild(*fenster);
        Ansicht::druecke(*spiel, QPoint(0, 0));
        for (int schritt = 0; schritt < 4; ++schritt) {
            QCOMPARE(Ansicht::pixel(*spiel, 21, 2), QColor(schritt % 2 ? Qt::black : Qt::red));
            Ansicht::druecke(*spiel, schritt < 3 ? Ansicht::druckpunkt(3, 3, 2) : QPoint(242, 203));
            QCOMPARE(Spieltreiber::schritt(*spiel), schritt < 3);
        }
        QCOMPARE(Invarianten::abbild(*fenster), vorher);
    }

    void zug_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("kein Feld") << QString() << Ansicht::druckpunkt(1, 1, 0) << "Mensch: 0, Computer: 0";
        QTest::newRow("ein Feld, knapp rechts") << "+\n\n+--+" << QPoint(31, 13) << "Mensch: 1, Computer: 0, du bist dran";
        QTest::newRow("zwei") << "+\n|     |\n+--+--+" << Ansicht::druckpunkt(0, 1, 3) << "Mensch: 2, Computer: 0, du bist dran";
        QTest::newRow("die letzten") << zweiOffen << Ansicht::druckpunkt(0, 0, 1) << "Mensch: 2, Computer: 28, fertig";
    }

    void zug()
    {
        QFETCH(QString, zeichnung);
        QFETCH(QPoint, punkt);
        QFETCH(QString, zeile);
        Ansicht::setze(*spiel, zeichnung);
        const QByteArray vorher = Ansicht::zustand(*spiel);
        Ansicht::druecke(*spiel, punkt, Qt::RightButton);
        Ansicht::druecke(*spiel, punkt, Qt::MiddleButton);
        QCOMPARE(Ansicht::zustand(*spiel), vorher);
        Ansicht::druecke(*spiel, punkt);
        QCOMPARE(status(), zeile);
        if (zeile.endsWith(", du bist dran")) {
            // The human moves again, in the same turn: after the computer's
            // reply one undo takes back both turns, every side of the human's.
            Ansicht::druecke(*spiel, Ansicht::druckpunkt(3, 3, 0));
            Spieltreiber::computerRunde(*spiel);
            loese("actionRueckgaengig");
            QCOMPARE(Ansicht::zustand(*spiel), vorher);
            QCOMPARE(status(), "Mensch: 0, Computer: 0, du bist dran");
            return;
        }
        // The computer's turn, or the game is over: presses are ignored.
        const QByteArray jetzt = Ansicht::zustand(*spiel);
        Ansicht::druecke(*spiel, Ansicht::druckpunkt(4, 4, 0));
        QCOMPARE(Ansicht::zustand(*spiel), jetzt);
        QCOMPARE(Spieltreiber::schritt(*spiel), zeile == "Mensch: 0, Computer: 0");
    }

    void computerZug_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("keins") << QString() << "Mensch: 0, Computer: 0, du bist dran";
        QTest::newRow("eins") << "+\n\n+--+" << "Mensch: 0, Computer: 1";
        QTest::newRow("die letzten") << zweiOffen << "Mensch: 0, Computer: 30, fertig";
    }

    // The computer's side shows cyan 100 ms after its move and as drawn again
    // after 200 ms; only then are the boxes it completed marked.
    void computerZug()
    {
        QFETCH(QString, zeichnung);
        spiel->setMenschStartet(false);
        spiel->neuesSpiel(0, false);
        Ansicht::setze(*spiel, zeichnung);
        const QString vorher = status();
        for (int schritt = 0; schritt < 3; ++schritt) {
            QVERIFY(Spieltreiber::schritt(*spiel));
            const QImage bild = Ansicht::bild(*spiel);
            int cyan = 0;
            for (int i = 0; i < bild.width() * bild.height(); ++i)
                cyan += bild.pixelColor(i % bild.width(), i / bild.width()) == QColor(Qt::cyan);
            QCOMPARE(cyan > 0, schritt == 1);
            if (schritt < 2)
                QCOMPARE(status(), vorher);
        }
        QTEST(status(), "zeile");
    }

    // Undo during the computer's turn does nothing; after it, undo goes back
    // to the start and redo forward again.
    void zurueckUndWieder()
    {
        for (const bool menschBeginnt : {true, false}) {
            spiel->setMenschStartet(menschBeginnt);
            spiel->neuesSpiel(0, false);
            const QVariantList vorher = Invarianten::abbild(*fenster);
            if (menschBeginnt) // the computer completes box (0, 0) in reply
                Ansicht::druecke(*spiel, Ansicht::druckpunkt(0, 0, 1));
            QVERIFY(Spieltreiber::schritt(*spiel));
            const QByteArray mitten = Ansicht::zustand(*spiel);
            loese("actionRueckgaengig");
            QCOMPARE(Ansicht::zustand(*spiel), mitten);
            Spieltreiber::computerRunde(*spiel);
            const QVariantList nachher = Invarianten::abbild(*fenster);
            loese("actionRueckgaengig");
            QCOMPARE(Invarianten::abbild(*fenster).mid(0, 2), vorher.mid(0, 2));
            QCOMPARE(status(), "Mensch: 0, Computer: 0, du bist dran");
            QVERIFY(!aktiv("actionRueckgaengig"));
            QVERIFY(aktiv("actionWiederherstellen"));
            loese("actionWiederherstellen");
            QCOMPARE(Invarianten::abbild(*fenster), nachher);
            QVERIFY(!aktiv("actionWiederherstellen"));
            // A red blink ends when moves are taken back under it.
            Ansicht::druecke(*spiel, QPoint(0, 0));
            QCOMPARE(Ansicht::pixel(*spiel, 21, 2), QColor(Qt::red));
            loese("actionRueckgaengig");
            QCOMPARE(Invarianten::abbild(*fenster).mid(0, 2), vorher.mid(0, 2));
            QVERIFY(!Spieltreiber::laeuft(*spiel));
            // After an undo, even a press on the frame leaves redo nothing to do.
            Ansicht::druecke(*spiel, QPoint(0, 0));
            QVERIFY(!aktiv("actionWiederherstellen"));
        }
    }

    // After the computer has ended the game, undo takes back its last turn
    // and the human's before it, and the human is to move; redo ends the
    // game again. A finished game has no hint to give.
    void computerBeendetZurueck()
    {
        Ansicht::setze(*spiel, "+--+--+--+--+--+--+\n|     |C |C |C |C |\n+  +  +--+--+--+--+\n|     |C |C |C |C |\n"
                                    + QString("+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n").repeated(3));
        const QByteArray anfang = Ansicht::zustand(*spiel);
        Ansicht::druecke(*spiel, Ansicht::druckpunkt(0, 0, 1));
        Spieltreiber::computerRunde(*spiel);
        QCOMPARE(status(), "Mensch: 0, Computer: 30, fertig");
        QVERIFY(!aktiv("actionTipp"));
        loese("actionRueckgaengig");
        QCOMPARE(Ansicht::zustand(*spiel), anfang);
        QCOMPARE(status(), "Mensch: 0, Computer: 26, du bist dran");
        loese("actionWiederherstellen");
        QCOMPARE(status(), "Mensch: 0, Computer: 30, fertig");
    }
};

QTEST_MAIN(TestSpiel)
#include "tst_spiel.moc"
