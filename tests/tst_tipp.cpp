// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/denker.h"
#include "computer/meister.h"
#include "field/geometrie.h"
#include "game/spiellabel.h"
#include "schiedsrichter.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QtTest>

#include <memory>

namespace {

// The answers the board's thinkers give, as they arrive.
class Antworten
{
public:
    explicit Antworten(const SpielLabel &spiel)
    {
        for (Denker *denker : spiel.findChildren<Denker *>())
            QObject::connect(denker, &Denker::geantwortet, [this](const Meister::Rat &rat) { raete.push_back(rat); });
    }
    std::vector<Meister::Rat> raete;
};

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

}

// "Tipp": the Meister's side for the human blinks green, and where the
// Meister knows the exact outcome the status bar says what is at stake.
class TestTipp : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private slots:
    // The side that blinks is the one the Meister answered; the number,
    // checked against the referee, comes only where the Meister's value is
    // exact, and stays for five seconds. Afterwards the window is exactly as
    // before.
    void hinweis_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::newRow("endgame, solved") << Ansicht::endspiel;
        QTest::newRow("opening") << "";
    }

    void hinweis()
    {
        QFETCH(QString, zeichnung);
        MainWindow fenster;
        fenster.show();
        SpielLabel &spiel = Ansicht::spiel(fenster);
        Ansicht::setze(spiel, zeichnung);
        const QImage vorher = Ansicht::bild(spiel);
        const QString status = Ansicht::status(fenster);
        const QByteArray zustand = Ansicht::zustand(spiel);
        const Lage lage = Lage(spiel.stellung());
        const Antworten antworten(spiel);

        Ansicht::loese(fenster, "actionTipp");
        QVERIFY(!Ansicht::aktiv(fenster, "actionTipp"));
        QTRY_COMPARE(antworten.raete.size(), size_t(1));
        const Meister::Rat rat = antworten.raete.front();
        QVERIFY(lage.istFrei(rat.seite));
        const QPoint punkt = mitte(lage, rat.seite);
        QCOMPARE(Ansicht::pixel(spiel, punkt.x(), punkt.y()), QColor(Qt::green));
        if (rat.exakt) {
            const int offen = lage.offeneFelder();
            const int bekommt = (offen + Schiedsrichter(lage).wert(lage)) / 2;
            QCOMPARE(Ansicht::status(fenster), QString("Tipp: noch %1 von %2 Kästchen für dich").arg(bekommt).arg(offen));
        } else {
            QCOMPARE(Ansicht::status(fenster), status);
        }
        QTRY_VERIFY(Ansicht::aktiv(fenster, "actionTipp"));
        QCOMPARE(Ansicht::bild(spiel), vorher);
        QCOMPARE(Ansicht::zustand(spiel), zustand);
        QVERIFY(!Ansicht::aktiv(fenster, "actionRueckgaengig"));
        QTRY_COMPARE_WITH_TIMEOUT(Ansicht::status(fenster), status, 6000);
        QVERIFY(!Spieltreiber::laeuft(spiel));
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
        SpielLabel &spiel = Ansicht::spiel(*fenster);
        const QString datei = ordner.filePath("tipp.pf");
        Ansicht::druecke(spiel, Ansicht::druckpunkt(0, 0, 2));
        Spieltreiber::computerRunde(spiel);
        QVERIFY(fenster->schreibeDatei(datei));
        const QByteArray vorher = Ansicht::zustand(spiel);
        const QString status = Ansicht::status(*fenster);

        Ansicht::loese(*fenster, "actionTipp");
        if (gezeigt)
            QTRY_VERIFY(Ansicht::hatGruen(spiel));
        if (aktion == "schliessen") {
            fenster.reset();
            return;
        }
        if (aktion == "druecken") {
            Ansicht::druecke(spiel, Ansicht::druckpunkt(4, 5, 0));
            QVERIFY(!Ansicht::hatGruen(spiel));
            QVERIFY(Ansicht::zustand(spiel) != vorher);
            QCOMPARE(Ansicht::status(*fenster), status.left(status.indexOf(", du bist dran")));
            return;
        }
        if (aktion == "oeffnen")
            QVERIFY(fenster->ladeDatei(datei));
        else
            Ansicht::loese(*fenster, aktion);
        QVERIFY(!Ansicht::hatGruen(spiel));
        QVERIFY(!Ansicht::status(*fenster).startsWith("Tipp"));
        QVERIFY(Ansicht::aktiv(*fenster, "actionTipp"));
        QTRY_VERIFY(!Spieltreiber::laeuft(spiel));
        QVERIFY(!Ansicht::hatGruen(spiel));
    }
};

QTEST_MAIN(TestTipp)
#include "tst_tipp.moc"
