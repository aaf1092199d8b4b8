// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/faustregel.h"
#include "computer/lage.h"
#include "computer/meister.h"
#include "lagezeichnung.h"
#include "schiedsrichter.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

using Feld = QPoint; // x the column, y the row

// A position in which only the sides between consecutive boxes of the given
// runs are free; every other side is drawn.
Lage nurFrei(int zeilen, int spalten, const std::vector<std::vector<Feld>> &laeufe)
{
    std::set<int> frei;
    Lage lage(zeilen, spalten);
    for (const std::vector<Feld> &lauf : laeufe) {
        for (std::size_t i = 0; i + 1 < lauf.size(); ++i) {
            const Feld a = lauf[i], b = lauf[i + 1];
            const int richtung = b.x() > a.x() ? Richtung::rechts : b.x() < a.x() ? Richtung::links
                : b.y() > a.y() ? Richtung::unten : Richtung::oben;
            frei.insert(lage.seite(a.y(), a.x(), richtung));
        }
    }
    for (int s = 0; s < lage.seitenAnzahl(); ++s) {
        if (lage.istFrei(s) && !frei.count(s))
            lage.ziehe(s);
    }
    return lage;
}

// The boxes of a loop around a block two rows high and `breite` columns
// wide, its top-left box at (spalte, zeile), once round and back to the start.
std::vector<Feld> ring(int zeile, int spalte, int breite)
{
    std::vector<Feld> lauf;
    for (int c = 0; c < breite; ++c)
        lauf.push_back({spalte + c, zeile});
    for (int c = breite - 1; c >= 0; --c)
        lauf.push_back({spalte + c, zeile + 1});
    lauf.push_back({spalte, zeile});
    return lauf;
}

// Loops of the given sizes (even, at least four), packed into bands two rows
// high with a row between them; `ringVon` learns each box's loop.
Lage nurRinge(int zeilen, int spalten, const std::vector<int> &groessen, std::map<int, std::size_t> &ringVon)
{
    std::vector<std::vector<Feld>> laeufe;
    int zeile = 0, spalte = 0;
    for (int groesse : groessen) {
        const int breite = groesse / 2;
        if (spalte + breite > spalten) {
            zeile += 3;
            spalte = 0;
        }
        laeufe.push_back(ring(zeile, spalte, breite));
        for (const Feld &f : laeufe.back())
            ringVon[f.y() * spalten + f.x()] = laeufe.size() - 1;
        spalte += breite;
    }
    return nurFrei(zeilen, spalten, laeufe);
}

int ringOrakel(const std::vector<int> &groessen, unsigned uebrig, std::map<unsigned, int> &gemerkt);

// What giving away loop i of those left is worth to the player giving it.
int abgabe(const std::vector<int> &groessen, std::size_t i, unsigned uebrig, std::map<unsigned, int> &gemerkt)
{
    const int danach = ringOrakel(groessen, uebrig & ~(1u << i), gemerkt);
    // Its receiver takes it all and moves next, or hands the last four back.
    return -std::max(groessen[i] + danach, groessen[i] - 4 - (4 + danach));
}

// A loops-only position valued the plain way: the player to move gives away
// one loop; its receiver either takes it all and moves next, or takes all but
// four, hands those back and lets the giver move next.
int ringOrakel(const std::vector<int> &groessen, unsigned uebrig, std::map<unsigned, int> &gemerkt)
{
    if (uebrig == 0)
        return 0;
    if (const auto bekannt = gemerkt.find(uebrig); bekannt != gemerkt.end())
        return bekannt->second;
    int bestes = -100000;
    for (std::size_t i = 0; i < groessen.size(); ++i) {
        if (uebrig & (1u << i))
            bestes = std::max(bestes, abgabe(groessen, i, uebrig, gemerkt));
    }
    return gemerkt[uebrig] = bestes;
}

// Three chains between two boxes J and K of three free sides each, J at
// (jSpalte, zeile) and K at (kSpalte, zeile): one straight along the row, one
// round above it `oben` rows high and one round below it `unten` rows deep.
struct Ketten
{
    Lage lage;
    std::vector<Feld> gerade;
};

Ketten ketten(int zeilen, int spalten, int zeile, int jSpalte, int kSpalte, int oben, int unten)
{
    const auto bogen = [&](int tiefe, int schritt) {
        std::vector<Feld> lauf{{jSpalte, zeile}};
        for (int t = 1; t <= tiefe; ++t)
            lauf.push_back({jSpalte, zeile + schritt * t});
        for (int c = jSpalte + 1; c <= kSpalte; ++c)
            lauf.push_back({c, zeile + schritt * tiefe});
        for (int t = tiefe - 1; t >= 0; --t)
            lauf.push_back({kSpalte, zeile + schritt * t});
        return lauf;
    };
    std::vector<Feld> gerade;
    for (int c = jSpalte; c <= kSpalte; ++c)
        gerade.push_back({c, zeile});
    return {nurFrei(zeilen, spalten, {gerade, bogen(oben, -1), bogen(unten, 1)}), gerade};
}

int seiteZwischen(const Lage &lage, Feld a, Feld b)
{
    for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
        if (lage.nachbar(a.y(), a.x(), richtung) == b.y() * lage.spalten() + b.x())
            return lage.seite(a.y(), a.x(), richtung);
    }
    return -1;
}

}

// The rules of thumb the Meister lives on above what it can search to the
// end, each pinned on positions whose answer is known without the engine.
class TestFaustregel : public QObject
{
    Q_OBJECT

private slots:
    void langeKetten_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("ketten");
        QTest::newRow("zwei Ketten, ein Feld dazwischen") << R"(
+--+--+--+
|        |
+  +--+  +
|        |
+  +--+  +
|        |
+--+--+--+)" << 3 << 3 << 2;
        QTest::newRow("Kette über einem Loch") << R"(
+--+--+--+--+
|           |
+  +--+--+  +
|  |##|     |
+--+--+--+--+)" << 2 << 4 << 1;
    }

    // The referee's count of long chains, which the Meister's test of the
    // long-chain rule relies on, and the rules of thumb's own agree with a
    // count by hand.
    void langeKetten()
    {
        QFETCH(QString, zeichnung);
        QFETCH(int, zeilen);
        QFETCH(int, spalten);
        QFETCH(int, ketten);
        const Lage lage = Lagezeichnung::lage(zeichnung, zeilen, spalten);
        QCOMPARE(Schiedsrichter::langeKetten(lage), ketten);
        QCOMPARE(Faustregel::langeKetten(lage), ketten);
    }

    // Loops alone: their sizes are read off the board, and their value is
    // the plain recursion's over every order of giving them away; where the
    // position is small, also the referee's. The Meister, searching or not,
    // gives away a loop the recursion rates best, and with the first loop,
    // of four, handed to it, takes it and moves among the others or hands it
    // back, as the recursion says.
    void ringe_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<std::vector<int>>("groessen");
        QTest::newRow("one of four") << 5 << 6 << std::vector<int>{4};
        QTest::newRow("four and six") << 5 << 6 << std::vector<int>{4, 6};
        QTest::newRow("three of four") << 5 << 6 << std::vector<int>{4, 4, 4};
        QTest::newRow("four, six, eight") << 5 << 6 << std::vector<int>{6, 4, 8};
        QTest::newRow("twelve and two of four") << 5 << 6 << std::vector<int>{12, 4, 4};
        QTest::newRow("seven of four") << 11 << 13 << std::vector<int>{4, 4, 4, 4, 4, 4, 4};
        QTest::newRow("seven, mixed") << 11 << 13 << std::vector<int>{10, 4, 8, 6, 4, 12, 6};
        QTest::newRow("six, large ones") << 11 << 13 << std::vector<int>{24, 8, 16, 4, 10, 6};
        // Beyond any search.
        QTest::newRow("eleven of six, one of eight") << 11 << 13 << std::vector<int>{6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 8};
        QTest::newRow("four beside loops worth -8") << 11 << 13 << std::vector<int>{4, 4, 4, 6, 10, 10, 10, 10, 10};
        QTest::newRow("four beside loops worth -6") << 11 << 13 << std::vector<int>{4, 4, 4, 4, 10, 10, 10, 10, 10};
        QTest::newRow("four beside loops worth -2") << 11 << 13 << std::vector<int>{4, 4, 4, 4, 4, 10, 10, 10, 10, 10};
        QTest::newRow("four beside loops worth 0") << 11 << 13 << std::vector<int>{4, 4, 4, 4, 4, 8, 10, 10, 10, 10};
    }

    void ringe()
    {
        QFETCH(int, zeilen);
        QFETCH(int, spalten);
        QFETCH(std::vector<int>, groessen);
        std::map<int, std::size_t> ringVon;
        const Lage lage = nurRinge(zeilen, spalten, groessen, ringVon);
        std::vector<int> gelesen{-1};
        QVERIFY(Faustregel::nurRinge(lage, gelesen));
        std::sort(gelesen.begin(), gelesen.end());
        std::vector<int> erwartet = groessen;
        std::sort(erwartet.begin(), erwartet.end());
        QCOMPARE(gelesen, erwartet);
        // Opened, the first loop is loops no more.
        Lage offen = lage;
        offen.ziehe(seiteZwischen(lage, {0, 0}, {1, 0}));
        QVERIFY(!Faustregel::nurRinge(offen, gelesen));

        std::map<unsigned, int> gemerkt;
        const int wert = ringOrakel(groessen, (1u << groessen.size()) - 1, gemerkt);
        QCOMPARE(Faustregel::ringWert(groessen), wert);
        if (lage.freieSeiten() <= int(Schiedsrichter::hoechstensFrei))
            QCOMPARE(Schiedsrichter(lage).wert(lage), wert);
        int a = -1, b = -1;
        lage.felderAn(Meister().waehle(lage).seite, a, b);
        QCOMPARE(abgabe(groessen, ringVon.at(a), (1u << groessen.size()) - 1, gemerkt), wert);
        if (groessen.front() == 4) {
            Lage geoeffnet = lage;
            geoeffnet.ziehe(seiteZwischen(lage, {0, 0}, {1, 0}));
            const int nehmen = 4 + ringOrakel(groessen, (1u << groessen.size()) - 2, gemerkt);
            QVERIFY(nehmen != 0); // handing back is worth -nehmen
            QCOMPARE(geoeffnet.ziehe(Meister().waehle(geoeffnet).seite) > 0, nehmen > 0);
        }
    }

    // With only chains left, which are more than loops, the fewest boxes
    // are given away: a side of the shortest chain, and a pair in its
    // middle, so that it cannot be handed back.
    void kuerzesteOeffnung_data()
    {
        QTest::addColumn<int>("zeilen");
        QTest::addColumn<int>("spalten");
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("kSpalte");
        QTest::addColumn<int>("oben");
        QTest::addColumn<int>("unten");
        // 2, 4 and 4 boxes.
        QTest::newRow("pair") << 5 << 6 << 2 << 3 << 1 << 1;
        // 11, 13 and 15 boxes, 42 free sides.
        QTest::newRow("eleven, thirteen, fifteen") << 11 << 13 << 5 << 12 << 1 << 2;
        // 7, 11 and 13 boxes.
        QTest::newRow("seven, eleven, thirteen") << 11 << 13 << 4 << 8 << 2 << 3;
    }

    void kuerzesteOeffnung()
    {
        QFETCH(int, zeilen);
        QFETCH(int, spalten);
        QFETCH(int, zeile);
        QFETCH(int, kSpalte);
        QFETCH(int, oben);
        QFETCH(int, unten);
        const Ketten k = ketten(zeilen, spalten, zeile, 0, kSpalte, oben, unten);
        QVERIFY(Faustregel::sichereSeiten(k.lage).empty());
        std::vector<int> gelesen;
        QVERIFY(!Faustregel::nurRinge(k.lage, gelesen));
        const int seite = Faustregel::kuerzesteOeffnung(k.lage);
        int a = -1, b = -1;
        k.lage.felderAn(seite, a, b);
        std::set<int> kette;
        for (const Feld &f : k.gerade)
            kette.insert(f.y() * spalten + f.x());
        QVERIFY2(kette.count(a) && kette.count(b), qPrintable(QString("boxes %1 and %2").arg(a).arg(b)));
        if (k.gerade.size() == 4)
            QCOMPARE(seite, seiteZwischen(k.lage, k.gerade[1], k.gerade[2]));
    }

    // A chain given away at one end: its boxes are taken one by one, and
    // only the last two can be handed back, by drawing the side behind
    // them. With two long chains still to come, the Meister keeps control
    // and hands them back.
    void fangen_data()
    {
        QTest::addColumn<int>("genommen");
        QTest::addColumn<bool>("ablehnbar");
        QTest::newRow("eleven left") << 0 << false;
        QTest::newRow("three left") << 8 << false;
        QTest::newRow("two left") << 9 << true;
        QTest::newRow("one left") << 10 << false;
    }

    void fangen()
    {
        QFETCH(int, genommen);
        QFETCH(bool, ablehnbar);
        Ketten k = ketten(11, 13, 5, 0, 12, 1, 2);
        Lage &lage = k.lage;
        lage.ziehe(seiteZwischen(lage, k.gerade[0], k.gerade[1]));
        for (int i = 1; i <= genommen; ++i)
            QCOMPARE(lage.ziehe(seiteZwischen(lage, k.gerade[i], k.gerade[i + 1])), 1);
        int nehmen = -1, ablehnen = -1;
        QVERIFY(Faustregel::fangStelle(lage, nehmen, ablehnen));
        QCOMPARE(nehmen, seiteZwischen(lage, k.gerade[genommen + 1], k.gerade[genommen + 2]));
        const int zurueck = ablehnbar ? seiteZwischen(lage, k.gerade[genommen + 2], k.gerade[genommen + 3]) : -1;
        QCOMPARE(ablehnen, zurueck);
        const Meister::Rat rat = Meister().waehle(lage);
        QCOMPARE(rat.seite, ablehnbar ? zurueck : nehmen);
    }
};

QTEST_MAIN(TestFaustregel)
#include "tst_faustregel.moc"
