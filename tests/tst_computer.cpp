// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/computerspieler.h"
#include "field/feld.h"
#include "field/seite.h"
#include "field/malflaeche.h"
#include "game/partie.h"
#include "stellung.h"

#include <QtTest>

#include <cstdlib>
#include <set>

namespace {

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

// The computer's choice of a side in one position, over many seeds: the
// boxes the chosen sides lie in, and whether they complete a box or give
// none away.
class TestComputer : public QObject
{
    Q_OBJECT
    Malflaeche flaeche;
    Partie spiel{flaeche};

private slots:
    void wahl_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("arten"); // what the sides did: completed a box, kept all safe, or neither
        QTest::addColumn<QString>("felder"); // the boxes the sides lie in, if it matters
        // A box with three closed sides is completed, chosen at random.
        QTest::newRow("fangen") << QString(ecken) << 5 << "fangen" << "00 05 40 45";
        // At level 1 the capture draw mostly fails and hides them; at level
        // 4 it fails one time in five.
        QTest::newRow("fangen, Stufe 1") << QString(ecken) << 1 << "fangen nicht" << "";
        QTest::newRow("fangen, Stufe 4") << QString(ecken) << 4 << "fangen nicht" << "";
        // 22 and 23 have one closed side each, the one they share.
        QTest::newRow("sicher, Strich zwischen 22 und 23") << QString(nurKetten)
            .replace("+  +  +  +--+  +  +", "+  +  +  +  +  +  +").replace("+  +  +--+  +  +  +", "+  +  +  +  +  +  +") << 5 << "sicher" << "";
        // With only chains left, a box of one of the smallest is opened.
        QTest::newRow("kleinste Kette") << QString(nurKetten) << 5 << "nicht" << "11 22 23 34";
        // With its captures hidden, and neither a safe side nor a chain to
        // open, the computer still completes a box: 01, 03 and 12 have three
        // closed sides, 02 one.
        QStringList zeilen = alleZu.split('\n');
        zeilen[1] = "|  |        |  |  |";
        zeilen[2] = "+--+--+  +--+--+--+";
        QTest::newRow("übersehen") << zeilen.join('\n') << 1 << "fangen" << "";
    }

    void wahl()
    {
        QFETCH(QString, zeichnung);
        QFETCH(int, level);
        QFETCH(QString, felder);
        QStringList gewaehlt, arten;
        for (int saat = 1; saat <= 30; ++saat) {
            spiel.neuesSpiel(0, false);
            Stellung::setze(spiel.brett(), zeichnung);
            std::srand(unsigned(saat));
            const Computerspieler::Wahl wahl = Computerspieler().waehle(spiel.brett(), level);
            QVERIFY(wahl.feld->seite(wahl.richtung)->istFrei());
            gewaehlt << QString("%1%2").arg(wahl.feld->zeile()).arg(wahl.feld->spalte());
            const bool fangen = wahl.feld->anzahlGeschlossen() == 3;
            wahl.feld->seite(wahl.richtung)->ziehe();
            const auto dreier = [](const Feld *f) { return f->anzahlGeschlossen() == 3; };
            arten << (fangen ? "fangen" : std::none_of(spiel.brett().begin(), spiel.brett().end(), dreier) ? "sicher" : "nicht");
        }
        for (QStringList *liste : {&gewaehlt, &arten}) {
            liste->removeDuplicates();
            liste->sort();
        }
        QTEST(arten.join(' '), "arten");
        if (!felder.isEmpty())
            QCOMPARE(gewaehlt.join(' '), felder);
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
