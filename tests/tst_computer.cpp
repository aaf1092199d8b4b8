#include "computer/computerspieler.h"
#include "computer/kette.h"
#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>

#include <cstdlib>
#include <set>

namespace {

// Row 2, boxes named by row and column: 20 has three closed sides, 21 two,
// 22 only its bottom, 23 and 24 two, 25 only the frame.
const char *const reihe = R"(
+  +  +  +  +  +  +



+--+--+  +--+--+  +

+--+--+--+--+--+  +)";

// Boxes 11, 12, 21 and 22 joined into a ring through their inner sides.
const char *const ring = R"(
+  +  +  +  +  +  +

+  +--+--+
   |     |
+  +  +  +
   |     |
+  +--+--+)";

// The run 12-13-23 bends about box 22, whose only closed side is its bottom;
// the third free side of 22 leads to the two-sided box 21.
const char *const bogen = R"(
+  +  +  +  +  +  +

+  +  +--+--+
      |     |
+  +--+
            |
+  +--+--+--+)";

// The four corner boxes have three closed sides, the rest of the board is open.
const char *const ecken = "+  +  +  +  +  +  +\n   |           |\n\n\n\n\n\n\n\n   |           |";

// Boxes 12, 21, 24, 33 have one closed side and border only two-sided boxes,
// which form a ring of 18, chains of two (13-14, 31-32) and of one (11, 22,
// 23, 34).
const char *const nurKetten = R"(
+--+--+--+--+--+--+
|                 |
+  +--+--+--+--+  +
|  |           |  |
+  +  +  +--+  +  +
|  |     |     |  |
+  +  +--+  +  +  +
|  |           |  |
+  +--+--+--+--+  +
|                 |
+--+--+--+--+--+--+)";

const QString alleZu = QString("+--+--+--+--+--+--+\n|  |  |  |  |  |  |\n").repeated(5) + "+--+--+--+--+--+--+";

}

// The computer's choice of a side, and the measuring of chains.
class TestComputer : public QObject
{
    Q_OBJECT
    MainWindow fenster;
    SpielLabel &spiel = Stellung::spiel(fenster);
    Computerspieler computer;

    // The computer's choices in one position over many seeds.
    template<typename Pruefung>
    void waehle(const QString &zeichnung, int level, int saaten, Pruefung pruefe)
    {
        for (int saat = 1; saat <= saaten && !QTest::currentTestFailed(); ++saat) {
            spiel.neuesSpiel(0, false);
            Stellung::setze(spiel, zeichnung);
            std::srand(unsigned(saat));
            const Computerspieler::Wahl wahl = computer.waehle(spiel.brett(), level);
            QVERIFY(wahl.feld->seite(wahl.richtung)->istFrei());
            pruefe(wahl);
        }
    }
    using Wahl = Computerspieler::Wahl;
    static QString name(const Feld *feld) { return QString("%1%2").arg((feld->pixelY() - 2) / 40).arg((feld->pixelX() - 1) / 40); }

private slots:
    void kette_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<QString>("kette"); // the start box first
        QTest::newRow("einzelne Ecke") << QString() << "00";
        // 22 has two ways out seen from either run, so the runs stay apart.
        QTest::newRow("Lauf bis zum Dreier") << QString(reihe) << "21 20";
        QTest::newRow("gerader Lauf vom linken Ende") << QString(reihe) << "23 24";
        QTest::newRow("gerader Lauf vom rechten Ende") << QString(reihe) << "24 23";
        QTest::newRow("Ring") << QString(ring) << "11 12 21 22";
        QTest::newRow("Bogen") << QString(bogen) << "12 13 21 22 23";
        // From 13, box 22 is refused when first reached through 23 alone, and
        // taken in when the collecting comes back through 12.
        QTest::newRow("Bogen, erst abgewiesen") << QString(bogen) << "13 12 21 22 23";
        QTest::newRow("Bogen von aussen") << QString(bogen) << "21";
    }

    void kette()
    {
        QFETCH(QString, zeichnung);
        QFETCH(QString, kette);
        spiel.neuesSpiel(0, false);
        Stellung::setze(spiel, zeichnung);
        Kette gesammelt;
        gesammelt.sammle(spiel.brett(), 6 * kette[0].digitValue() + kette[1].digitValue());
        QCOMPARE(gesammelt.groesse(), kette.split(' ').size());
        for (const Feld *feld : spiel.brett()) {
            const int platz = 6 * ((feld->pixelY() - 2) / 40) + (feld->pixelX() - 1) / 40;
            QCOMPARE(gesammelt.enthaelt(platz), kette.contains(name(feld)));
        }
    }

    // At level 5 a box is completed, chosen at random among them; at level 1
    // the capture draw mostly fails and hides them.
    void fangen()
    {
        std::set<QString> gewaehlt;
        waehle(ecken, 5, 8, [&](const Wahl &wahl) {
            QCOMPARE(wahl.feld->anzahlGeschlossen(), 3);
            gewaehlt.insert(name(wahl.feld));
        });
        QVERIFY(gewaehlt.size() > 1);
        std::set<bool> gefangen;
        waehle(ecken, 1, 40, [&](const Wahl &wahl) { gefangen.insert(wahl.feld->anzahlGeschlossen() == 3); });
        QCOMPARE(gefangen.size(), std::size_t(2));
    }

    void sichereSeite_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::newRow("leeres Brett") << QString();
        // 22 and 23 have one closed side each, the one they share.
        QTest::newRow("Strich zwischen 22 und 23") << QString(nurKetten)
                                                          .replace("+  +  +  +--+  +  +", "+  +  +  +  +  +  +")
                                                          .replace("+  +  +--+  +  +  +", "+  +  +  +  +  +  +");
    }

    // After a safe side no box has three closed sides.
    void sichereSeite()
    {
        QFETCH(QString, zeichnung);
        waehle(zeichnung, 5, 10, [this](const Wahl &wahl) {
            wahl.feld->zieheSeite(wahl.richtung);
            for (const Feld *feld : spiel.brett())
                QVERIFY(feld->anzahlGeschlossen() != 3);
        });
    }

    // With only chains left, a box of one of the smallest is opened.
    void kleinsteKette()
    {
        std::set<QString> gewaehlt;
        waehle(nurKetten, 5, 20, [&](const Wahl &wahl) { gewaehlt.insert(name(wahl.feld)); });
        QCOMPARE(gewaehlt, (std::set<QString>{"11", "22", "23", "34"}));
    }

    // With its captures hidden, and neither a safe side nor a chain to open,
    // the computer still completes a box: here 01, 03 and 12 have three
    // closed sides, 02 one.
    void uebersehenesFeld()
    {
        QStringList zeilen = alleZu.split('\n');
        zeilen[1] = "|  |        |  |  |";
        zeilen[2] = "+--+--+  +--+--+--+";
        waehle(zeilen.join('\n'), 1, 20, [](const Wahl &wahl) { QCOMPARE(wahl.feld->anzahlGeschlossen(), 3); });
    }

    // With no side free although the game is not over, the computer hands
    // the turn back and records nothing.
    void keineSeiteFrei()
    {
        spiel.setMenschStartet(false);
        spiel.neuesSpiel(0, false);
        Stellung::setze(spiel, alleZu);
        QCOMPARE(computer.waehle(spiel.brett(), 5).feld, nullptr);
        QTRY_COMPARE(Stellung::status(fenster), "Mensch: 0, Computer: 0, du bist dran");
        QVERIFY(!Stellung::aktiv(fenster, "actionRueckgaengig"));
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
