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

// Figures on the medium board, boxes named by row and column: a run bent
// about box 22 (12-13-23, with 21 beyond 22), a ring of 17, 18, 27 and 28,
// and in row 5 a run into box 50 with three closed sides, box 52 with only
// its bottom closed, and a straight run 53-54.
const char *const ketten = R"(
+  +  +  +  +  +  +  +  +  +

+  +  +--+--+  +  +  +--+--+
      |     |        |     |
+  +--+
            |        |     |
+  +--+--+--+  +  +  +--+--+



+--+--+  +--+--+  +

+--+--+--+--+--+  +)";

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
        QTest::addColumn<QString>("kette"); // the start box first
        QTest::newRow("einzelne Ecke") << "00";
        // 52 has two ways out seen from either run, so the runs stay apart.
        QTest::newRow("Lauf bis zum Dreier") << "51 50";
        QTest::newRow("gerader Lauf vom linken Ende") << "53 54";
        QTest::newRow("gerader Lauf vom rechten Ende") << "54 53";
        QTest::newRow("Ring") << "17 18 27 28";
        QTest::newRow("Bogen") << "12 13 21 22 23";
        // From 13, box 22 is refused when first reached through 23 alone, and
        // taken in when the collecting comes back through 12.
        QTest::newRow("Bogen, erst abgewiesen") << "13 12 21 22 23";
        QTest::newRow("Bogen von aussen") << "21";
    }

    void kette()
    {
        QFETCH(QString, kette);
        spiel.neuesSpiel(1, false);
        Stellung::setze(spiel, ketten);
        Kette gesammelt;
        gesammelt.sammle(spiel.brett(), 13 * kette[0].digitValue() + kette[1].digitValue());
        QCOMPARE(gesammelt.groesse(), kette.split(' ').size());
        for (int platz = 0; platz < 143; ++platz)
            QCOMPARE(gesammelt.enthaelt(platz), kette.split(' ').contains(name(spiel.brett().begin()[platz])));
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
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
