// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/computerspieler.h"
#include "model/richtung.h"
#include "model/stellung.h"
#include "ansicht.h"

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
        const QStringList erlaubt = felder.split(' ', Qt::SkipEmptyParts);
        QStringList getroffen, arten;
        for (int saat = 1; saat <= 30; ++saat) {
            Stellung brett = Ansicht::stellung(Gitter::fuerGroesse(0), zeichnung);
            std::srand(unsigned(saat));
            const int seite = Computerspieler().waehle(brett, level);
            QVERIFY(seite >= 0 && brett.istFrei(seite));
            // The boxes the side lies in; one of them must be a box named.
            const auto [erstes, zweites] = brett.gitter().felderAn(seite);
            QStringList namen;
            for (const int platz : {erstes, zweites})
                namen << QString("%1%2").arg(brett.gitter().zeileVon(platz)).arg(brett.gitter().spalteVon(platz));
            const QStringList benannt = namen.filter(QRegularExpression("^(" + erlaubt.join('|') + ")$"));
            QVERIFY2(erlaubt.isEmpty() || !benannt.isEmpty(), qPrintable(namen.join(' ')));
            getroffen << benannt;
            const bool fangen = !brett.vervollstaendigt(seite).empty();
            brett.ziehe(seite);
            bool dreier = false;
            for (int platz = 0; platz < brett.gitter().feldAnzahl(); ++platz)
                dreier = dreier || brett.geschlosseneSeiten(platz) == Richtung::anzahl - 1;
            arten << (fangen ? "fangen" : dreier ? "nicht" : "sicher");
        }
        for (QStringList *liste : {&getroffen, &arten}) {
            liste->removeDuplicates();
            liste->sort();
        }
        QTEST(arten.join(' '), "arten");
        // Over the seeds, every box named is chosen.
        QCOMPARE(getroffen, erlaubt);
    }
};

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
