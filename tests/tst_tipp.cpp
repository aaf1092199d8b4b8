// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/brettkopie.h"
#include "computer/meister.h"
#include "field/geometrie.h"
#include "game/spiellabel.h"
#include "schiedsrichter.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "stellung.h"

#include <QtTest>

#include <memory>

namespace {

// Twelve boxes owned, six each; eighteen open behind seventeen free sides.
const char *const endspiel = R"(
+--+--+--+--+--+--+
|H |H |C |C |H |C |
+--+--+--+--+--+--+
|C |H |H |C |C |H |
+--+--+--+--+--+--+
|                 |
+--+--+--+  +--+--+
|        |  |     |
+  +--+  +  +  +  +
|     |     |     |
+--+--+--+--+--+--+)";

// The middle of the side the copy numbers `seite`, in picture coordinates.
QPoint mitte(const Lage &lage, int seite)
{
    int a = -1;
    int b = -1;
    lage.felderAn(seite, a, b);
    const int platz = b >= 0 ? b : a;
    const int r = platz / lage.spalten();
    const int c = platz % lage.spalten();
    static const QPoint versatz[4] = {{20, 0}, {40, 20}, {20, 40}, {0, 20}};
    for (int richtung = 0; richtung < 4; ++richtung) {
        if (lage.seite(r, c, richtung) == seite)
            return Geometrie::ecke(r, c) + versatz[richtung];
    }
    return {};
}

bool hatGruen(const SpielLabel &spiel)
{
    const QImage bild = Stellung::bild(spiel).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < bild.height(); ++y) {
        for (int x = 0; x < bild.width(); ++x) {
            if (bild.pixel(x, y) == QColor(Qt::green).rgb())
                return true;
        }
    }
    return false;
}

QString meldung(const MainWindow &fenster)
{
    return fenster.statusBar()->currentMessage();
}

}

// "Tipp": the Meister's side for the human blinks green, and where the
// Meister knows the exact outcome the status bar says what is at stake.
class TestTipp : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private slots:
    // The side that blinks is the Meister's; the number, checked against the
    // referee, comes only where the Meister's value is exact. Afterwards
    // the window is exactly as before.
    void hinweis_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<bool>("exakt");
        QTest::newRow("endgame, solved") << endspiel << true;
        QTest::newRow("opening, not solved") << "" << false;
    }

    void hinweis()
    {
        QFETCH(QString, zeichnung);
        QFETCH(bool, exakt);
        MainWindow fenster;
        fenster.show();
        SpielLabel &spiel = Stellung::spiel(fenster);
        Stellung::setze(spiel, zeichnung);
        const QImage vorher = Stellung::bild(spiel);
        const QString status = Stellung::status(fenster);
        const QByteArray zustand = Stellung::zustand(spiel);
        const Lage lage = Brettkopie::kopiere(spiel.brett());
        const Meister::Rat rat = Meister().waehle(lage);
        QCOMPARE(rat.exakt, exakt);
        const QPoint punkt = mitte(lage, rat.seite);

        Stellung::loese(fenster, "actionTipp");
        QVERIFY(!Stellung::aktiv(fenster, "actionTipp"));
        QTRY_COMPARE(Stellung::pixel(spiel, punkt.x(), punkt.y()), QColor(Qt::green));
        if (exakt) {
            const int offen = lage.offeneFelder();
            const int bekommt = (offen + Schiedsrichter(lage).wert(lage)) / 2;
            QCOMPARE(meldung(fenster),
                     QString("Tipp: Bei bestem Spiel bekommst du noch %1 von %2 offenen Kästchen.").arg(bekommt).arg(offen));
            // The window is wide enough for the whole of it.
            QVERIFY(fenster.statusBar()->fontMetrics().horizontalAdvance(meldung(fenster)) <= fenster.statusBar()->width() - 18);
        } else {
            QCOMPARE(meldung(fenster), QString());
        }
        QTRY_VERIFY(Stellung::aktiv(fenster, "actionTipp"));
        QCOMPARE(Stellung::bild(spiel), vorher);
        QCOMPARE(Stellung::status(fenster), status);
        QCOMPARE(Stellung::zustand(spiel), zustand);
        QVERIFY(!Stellung::aktiv(fenster, "actionRueckgaengig"));
        QVERIFY(!Spieltreiber::laeuft(spiel));
    }

    // Only the human's turn in a running game, with no hint under way.
    void aktiv()
    {
        MainWindow fenster;
        SpielLabel &spiel = Stellung::spiel(fenster);
        QVERIFY(Stellung::aktiv(fenster, "actionTipp"));
        Stellung::druecke(spiel, Stellung::druckpunkt(2, 2, 1));
        QVERIFY(!Stellung::aktiv(fenster, "actionTipp"));
        Spieltreiber::computerRunde(spiel);
        QVERIFY(Stellung::aktiv(fenster, "actionTipp"));
        Stellung::loese(fenster, "actionTipp");
        QVERIFY(!Stellung::aktiv(fenster, "actionTipp"));
        Stellung::loese(fenster, "actionTipp");
        QTRY_VERIFY(Stellung::aktiv(fenster, "actionTipp"));
        Stellung::setze(spiel, QString("+--+--+--+--+--+--+\n|H |C |H |C |H |C |\n").repeated(5));
        QVERIFY(Stellung::status(fenster).endsWith(", fertig"));
        QVERIFY(!Stellung::aktiv(fenster, "actionTipp"));
    }

    // Whatever the player does during a hint ends it: the green goes, the
    // answer is dropped, and what was done counts as usual.
    void unterbrechung_data()
    {
        QTest::addColumn<QString>("aktion");
        QTest::addColumn<bool>("gezeigt");
        QTest::newRow("press while shown") << "druecken" << true;
        QTest::newRow("press while worked out") << "druecken" << false;
        QTest::newRow("new game") << "actionNeues_Spiel" << false;
        QTest::newRow("undo") << "actionRueckgaengig" << true;
        QTest::newRow("level") << "actionLevel6" << false;
        QTest::newRow("open a game") << "oeffnen" << true;
        QTest::newRow("close") << "schliessen" << false;
    }

    void unterbrechung()
    {
        QFETCH(QString, aktion);
        QFETCH(bool, gezeigt);
        auto fenster = std::make_unique<MainWindow>();
        SpielLabel &spiel = Stellung::spiel(*fenster);
        const QString datei = ordner.filePath("tipp.pf");
        Stellung::druecke(spiel, Stellung::druckpunkt(0, 0, 2));
        Spieltreiber::computerRunde(spiel);
        QVERIFY(spiel.schreibeDatei(datei, 0));
        const QByteArray vorher = Stellung::zustand(spiel);
        const QString status = Stellung::status(*fenster);

        Stellung::loese(*fenster, "actionTipp");
        if (gezeigt)
            QTRY_VERIFY(hatGruen(spiel));
        if (aktion == "schliessen") {
            fenster.reset();
            return;
        }
        if (aktion == "druecken") {
            Stellung::druecke(spiel, Stellung::druckpunkt(4, 5, 0));
            QVERIFY(!hatGruen(spiel));
            QVERIFY(Stellung::zustand(spiel) != vorher);
            QCOMPARE(Stellung::status(*fenster), status.left(status.indexOf(", du bist dran")));
            return;
        }
        if (aktion == "oeffnen")
            QVERIFY(spiel.ladeDatei(datei));
        else
            Stellung::loese(*fenster, aktion);
        QVERIFY(!hatGruen(spiel));
        QCOMPARE(meldung(*fenster), QString());
        QVERIFY(Stellung::aktiv(*fenster, "actionTipp"));
        QTRY_VERIFY(!Spieltreiber::laeuft(spiel));
        QVERIFY(!hatGruen(spiel));
    }
};

QTEST_MAIN(TestTipp)
#include "tst_tipp.moc"
