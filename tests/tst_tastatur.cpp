// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansicht.h"
#include "field/brettbild.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"

#include <QtTest>

namespace {

const Qt::Key pfeile[] = {Qt::Key_Right, Qt::Key_Down, Qt::Key_Left, Qt::Key_Up};

}

// The game played with the keyboard alone: the arrow keys move a mark from
// free side to free side, Return or Space draws the marked side as a press
// on it would.
class TestTastatur : public QObject
{
    Q_OBJECT

private slots:
    // Every game to its end: on a free mark Return draws it; otherwise the
    // arrow keys lead on to a free side first.
    void ganzesSpiel_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<int>("taste");
        QTest::newRow("small, Return") << 0 << int(Qt::Key_Return);
        QTest::newRow("medium, Space") << 1 << int(Qt::Key_Space);
        QTest::newRow("large, Enter") << 2 << int(Qt::Key_Enter);
    }

    void ganzesSpiel()
    {
        QFETCH(int, groesse);
        QFETCH(int, taste);
        std::srand(5);
        MainWindow fenster;
        fenster.setzeGroesse(groesse, true, true);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        SpielLabel &spiel = Ansicht::spiel(fenster);
        QCOMPARE(QApplication::focusWidget(), &spiel);
        QCOMPARE(spiel.markierteSeite(), -1);
        QTest::keyClick(&spiel, Qt::Key_Right);
        QVERIFY(spiel.markeSichtbar());
        for (Spieltreiber::computerRunde(spiel); !spiel.partie().istFertig(); Spieltreiber::computerRunde(spiel)) {
            for (int i = 0; !spiel.stellung().istFrei(spiel.markierteSeite()) && i < 4; ++i)
                QTest::keyClick(&spiel, pfeile[i]);
            const int seite = spiel.markierteSeite();
            QVERIFY(spiel.stellung().istFrei(seite));
            QTest::keyClick(&spiel, Qt::Key(taste));
            QCOMPARE(spiel.stellung().art(seite), Stellung::Art::gezogen);
        }
        QVERIFY(Ansicht::status(fenster).endsWith(", fertig"));
    }

    // The mark is painted over the picture, not into it, and goes when the
    // mouse is used.
    void markeUeberDemBild()
    {
        MainWindow fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        SpielLabel &spiel = Ansicht::spiel(fenster);
        const QImage ohne = spiel.grab().toImage();
        QTest::keyClick(&spiel, Qt::Key_Down);
        QVERIFY(spiel.markeSichtbar());
        QVERIFY(spiel.grab().toImage() != ohne);
        Brettbild frisch;
        frisch.setzeMassstab(1.0, spiel.devicePixelRatioF());
        frisch.male(spiel.stellung());
        QCOMPARE(Ansicht::bild(spiel), frisch.bild().toImage());
        QTest::mousePress(&spiel, Qt::RightButton, Qt::NoModifier, QPoint(1, 1));
        QVERIFY(!spiel.markeSichtbar());
        QCOMPARE(spiel.grab().toImage(), ohne);
    }

    // During the computer's turn the mark moves, but nothing is drawn.
    void waehrendDesComputerzugs()
    {
        MainWindow fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        SpielLabel &spiel = Ansicht::spiel(fenster);
        QTest::keyClick(&spiel, Qt::Key_Right);
        QTest::keyClick(&spiel, Qt::Key_Return);
        QVERIFY(!spiel.partie().menschAmZug());
        const Stellung vorher = spiel.stellung();
        const int marke = spiel.markierteSeite();
        QTest::keyClick(&spiel, Qt::Key_Left);
        QTest::keyClick(&spiel, Qt::Key_Return);
        QVERIFY(spiel.markierteSeite() != marke);
        QVERIFY(spiel.stellung() == vorher);
    }
};

QTEST_MAIN(TestTastatur)
#include "tst_tastatur.moc"
