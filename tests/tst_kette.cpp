#include "computer/computerspieler.h"
#include "field/feld.h"
#include "game/spiellabel.h"
#include "stellung.h"

#include <QtTest>

#include <algorithm>
#include <vector>

class TestKette : public QObject
{
    Q_OBJECT

private slots:
    void kette_data();
    void kette();
};

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

}

void TestKette::kette_data()
{
    QTest::addColumn<QString>("zeichnung");
    QTest::addColumn<QString>("kette");

    // The start box comes first.
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

void TestKette::kette()
{
    QFETCH(QString, zeichnung);
    QFETCH(QString, kette);

    SpielLabel label(nullptr);
    Stellung::setze(label, zeichnung);
    std::vector<Feld *> soll;
    for (const QString &name : kette.split(' '))
        soll.push_back(Stellung::feld(label, name[0].digitValue(), name[1].digitValue()));
    Computerspieler computer;
    computer.klassifiziere(const_cast<Spielfeld &>(label.brett()));
    const std::vector<Feld *> vorher = computer.zweier();
    std::vector<Feld *> ist;
    computer.sammleKette(soll.front(), ist);

    QCOMPARE(ist.front(), soll.front());
    std::sort(ist.begin(), ist.end());
    std::sort(soll.begin(), soll.end());
    QVERIFY(ist == soll);
    // Exactly the collected two-sided boxes have left the list.
    for (Feld *feld : vorher)
        QCOMPARE(std::count(computer.zweier().begin(), computer.zweier().end(), feld),
                 1 - std::count(ist.begin(), ist.end(), feld));
}

QTEST_MAIN(TestKette)
#include "tst_kette.moc"
