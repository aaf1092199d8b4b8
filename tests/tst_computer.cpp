#include "computer/computerspieler.h"
#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "stellung.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

class TestComputer : public QObject
{
    Q_OBJECT

private slots:
    void fangen();
    void sichereSeite_data();
    void sichereSeite();
    void nurKettenUebrig();
    void notloesungen();
    void ganzesSpiel_data();
    void ganzesSpiel();
};

namespace {

// The four corner boxes have three closed sides, the rest of the board is open.
const char *const ecken = R"(
+  +  +  +  +  +  +
   |           |







   |           |)";

// Boxes 00 and 01 share their only free side.
const char *const doppel = R"(
+  +  +
      |
+--+--+)";

// Boxes 12, 21, 24, 33 have one closed side and border only two-sided boxes, which
// form a ring of 18, chains of two (13-14, 31-32) and of one (11, 22, 23, 34).
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

// Every free side is the right or the bottom side of exactly one box.
std::vector<std::pair<Feld *, int>> freieSeiten(const SpielLabel &label)
{
    std::vector<std::pair<Feld *, int>> freie;
    for (Feld *feld : label.brett())
        for (int d : {1, 2})
            if (feld->seite(d)->istFrei())
                freie.emplace_back(feld, d);
    return freie;
}

// One move of a fresh computer player per seed; each takes exactly one free side.
template <typename Pruefung>
void ziehe(const QString &zeichnung, int level, unsigned saaten, Pruefung pruefe)
{
    for (unsigned saat = 1; saat <= saaten && !QTest::currentTestFailed(); ++saat) {
        SpielLabel label(nullptr);
        Stellung::setze(label, zeichnung);
        std::srand(saat);
        Computerspieler computer;
        std::vector<Feld *> neu;
        const auto frei = freieSeiten(label).size();
        QVERIFY(computer.zieheSeite(const_cast<Spielfeld &>(label.brett()), level, neu));
        QCOMPARE(freieSeiten(label).size(), frei - 1);
        pruefe(label, computer, neu);
    }
}

}

void TestComputer::fangen()
{
    std::set<std::pair<int, int>> gewaehlt;
    ziehe(ecken, 5, 8, [&](auto &, auto &, auto &neu) {
        QCOMPARE(int(neu.size()), 1);
        QVERIFY(neu.front()->istGeschlossen());
        gewaehlt.insert({neu.front()->pixelX(), neu.front()->pixelY()});
    });
    QVERIFY(gewaehlt.size() > 1);
    // At level 1 the capture draw mostly fails and hides the four boxes.
    int gefangen = 0;
    int uebersehen = 0;
    ziehe(ecken, 1, 60, [&](auto &, auto &, auto &neu) { ++(neu.empty() ? uebersehen : gefangen); });
    QVERIFY(uebersehen > 0 && gefangen > 0);

    // One side completes 00 and 01; the box picked waits first.
    std::set<int> zuerst;
    for (unsigned saat = 1; saat <= 6; ++saat) {
        SpielLabel label(nullptr);
        label.setMenschStartet(false);
        label.neuesSpiel(0, false);
        Stellung::setze(label, doppel);
        // The capture and the safety draw come before the pick.
        std::srand(saat);
        std::rand();
        std::rand();
        const int spalte = std::rand() % 2;
        std::srand(saat);
        QMetaObject::invokeMethod(&label, "computerZug");
        QVERIFY(label.wartendeFelder()
                == std::vector<Feld *>({Stellung::feld(label, 0, spalte), Stellung::feld(label, 0, 1 - spalte)}));
        zuerst.insert(spalte);
    }
    QCOMPARE(int(zuerst.size()), 2);
}

void TestComputer::sichereSeite_data()
{
    QTest::addColumn<QString>("zeichnung");
    QTest::newRow("leeres Brett") << QString();
    // 22 and 23 have one closed side each, the one they share.
    QTest::newRow("Strich zwischen 22 und 23") << QString(nurKetten)
                                                      .replace("+  +  +  +--+  +  +", "+  +  +  +  +  +  +")
                                                      .replace("+  +  +--+  +  +  +", "+  +  +  +  +  +  +");
}

void TestComputer::sichereSeite()
{
    QFETCH(QString, zeichnung);
    ziehe(zeichnung, 5, 10, [](auto &label, auto &, auto &neu) {
        QVERIFY(neu.empty());
        QVERIFY(std::none_of(label.brett().begin(), label.brett().end(),
                             [](const Feld *feld) { return feld->anzahlGeschlossen() == 3; }));
    });
}

void TestComputer::nurKettenUebrig()
{
    const std::vector<QPoint> kleinste{{1, 1}, {2, 2}, {3, 2}, {4, 3}}; // (column, row)
    ziehe(nurKetten, 5, 10, [&](auto &label, auto &computer, auto &) {
        // No box with one closed side offered a safe side.
        QVERIFY(computer.sichere().empty());
        QVERIFY(std::any_of(kleinste.begin(), kleinste.end(), [&](const QPoint &p) {
            return Stellung::feld(label, p.y(), p.x())->anzahlGeschlossen() == 3;
        }));
    });
}

// With its captures hidden and neither a safe side nor a chain to open, the
// computer completes a hidden box; with no free side it hands the turn back.
void TestComputer::notloesungen()
{
    QStringList zeilen = alleZu.split('\n');
    zeilen[1] = "|  |        |  |  |";
    zeilen[2] = "+--+--+  +--+--+--+";
    int versteckt = 0;
    ziehe(zeilen.join('\n'), 1, 20, [&](auto &, auto &computer, auto &neu) {
        QCOMPARE(int(neu.size()), 1);
        QVERIFY(neu.front()->istGeschlossen());
        versteckt += computer.dreier().empty();
    });
    QVERIFY(versteckt > 0);

    SpielLabel label(nullptr);
    label.setMenschStartet(false);
    label.neuesSpiel(0, false);
    Stellung::setze(label, alleZu);
    QVERIFY(!label.istMenschAmZug() && !label.istFertig());
    QMetaObject::invokeMethod(&label, "computerZug");
    QVERIFY(label.istMenschAmZug());
    QVERIFY(label.zugVerlauf().empty() && label.wartendeFelder().empty());
    QCOMPARE(label.blinkSchritt(), 0);
}

void TestComputer::ganzesSpiel_data()
{
    QTest::addColumn<int>("level");
    for (int level = 1; level <= 5; ++level)
        QTest::addRow("Stufe %d", level) << level;
}

// The human always presses the middle of the first free side it finds.
void TestComputer::ganzesSpiel()
{
    QFETCH(int, level);
    SpielLabel label(nullptr);
    label.setLevel(level);
    std::srand(unsigned(level));
    for (int i = 0; i < 500 && !label.istFertig() && !QTest::currentTestFailed(); ++i) {
        if (label.blinkSchritt() != 0) {
            QMetaObject::invokeMethod(&label, "blinkeMitSeite");
        } else if (!label.istMenschAmZug()) {
            QMetaObject::invokeMethod(&label, "computerZug");
        } else {
            const auto [feld, d] = freieSeiten(label).at(0);
            QTest::mouseClick(&label, Qt::LeftButton, {},
                              QPoint(feld->pixelX(), feld->pixelY()) + (d == 1 ? QPoint(40, 20) : QPoint(20, 40)));
        }
    }
    QVERIFY(label.istFertig());
    QCOMPARE(label.punkteDesMenschen() + label.punkteDesComputers(), 30);
    QVERIFY(freieSeiten(label).empty());
    // Each turn is one record, however many sides it took.
    bool mensch = false;
    int lang = 0;
    for (const Zug &zug : label.zugVerlauf()) {
        QVERIFY(zug.spieler != std::exchange(mensch, zug.spieler));
        lang += !mensch && zug.seiten.size() > 1;
    }
    QVERIFY(lang > 0);
    // There the computer's symbol has its top edge, the human's face is yellow.
    for (const Feld *feld : label.brett())
        QCOMPARE(Stellung::pixel(label, feld->pixelX() + 20, feld->pixelY() + 8) == QColor(Qt::black),
                 !feld->istVomMenschen());
}

QTEST_MAIN(TestComputer)
#include "tst_computer.moc"
