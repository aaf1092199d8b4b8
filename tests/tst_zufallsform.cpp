#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>

#include <cstdlib>

namespace {

// A new grid paints each side on its own, which the address sanitizer's
// tracking of allocations makes slow; that build checks fewer seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr int saaten = 60;
#else
constexpr int saaten = 1000;
#endif

int flaeche(const QRegion &region)
{
    int anzahl = 0;
    for (const QRect &r : region)
        anzahl += r.width() * r.height();
    return anzahl;
}

// The holes of a board, columns as x and rows as y: its blocked boxes
// grouped into regions joined at edges, or also at corners.
QList<QRegion> loecher(const Spielfeld &brett, bool ueberEck)
{
    QRegion rest;
    for (const Feld *f : brett)
        rest += f->istGesperrt() ? QRect((f->pixelX() - 1) / 40, (f->pixelY() - 2) / 40, 1, 1) : QRect();
    QList<QRegion> ergebnis;
    while (!rest.isEmpty()) {
        QRegion loch(QRect(rest.begin()->topLeft(), QSize(1, 1)));
        for (int groesse = 0; groesse != flaeche(loch);) {
            groesse = flaeche(loch);
            for (const QRect &r : QRegion(loch))
                loch += rest.intersected(ueberEck ? r.adjusted(-1, -1, 1, 1) : r.adjusted(-1, 0, 1, 0) | r.adjusted(0, -1, 0, 1));
        }
        ergebnis << loch;
        rest -= loch;
    }
    return ergebnis;
}

// Three of the four rectangles of a 2 x 2 split: in the hole's bounding box
// the boxes in play form one rectangle at a corner.
bool istL(const QRegion &loch)
{
    const QRegion frei = QRegion(loch.boundingRect()) - loch;
    const QRect b = loch.boundingRect(), f = frei.boundingRect();
    return frei.rectCount() == 1 && (f.top() == b.top()) != (f.bottom() == b.bottom())
        && (f.left() == b.left()) != (f.right() == b.right());
}

// One box in each row, or in each column, of its bounding box.
bool istLinie(const QRegion &loch)
{
    const QRect b = loch.boundingRect();
    bool zeilen = flaeche(loch) == b.height(), spalten = flaeche(loch) == b.width();
    for (int i = b.top(); i <= b.bottom(); ++i)
        zeilen = zeilen && flaeche(loch.intersected(QRect(b.left(), i, b.width(), 1))) == 1;
    for (int i = b.left(); i <= b.right(); ++i)
        spalten = spalten && flaeche(loch.intersected(QRect(i, b.top(), 1, b.height()))) == 1;
    return zeilen || spalten;
}

}

// The holes cut into new medium and large boards, over many seeds: all
// their sides closed, gray, away from the outer ring, and shaped and placed
// as the rules for each size say.
class TestZufallsform : public QObject
{
    Q_OBJECT
    MainWindow fenster;
    SpielLabel &spiel = Stellung::spiel(fenster);

private slots:
    void formen_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::newRow("Mittel") << 1;
        QTest::newRow("Groß") << 2;
    }

    void formen()
    {
        QFETCH(int, groesse);
        for (int saat = 1; saat <= saaten; ++saat) {
            const QByteArray wo = "seed " + QByteArray::number(saat);
            std::srand(unsigned(saat));
            spiel.neuesSpiel(groesse, true);
            for (const Feld *f : spiel.brett()) {
                for (int d = 0; f->istGesperrt() && d < 4; ++d)
                    QVERIFY2(!f->seite(d)->istFrei(), wo);
                QVERIFY2(!f->istGesperrt() || Stellung::pixel(spiel, f->pixelX() + 20, f->pixelY() + 20) == QColor(Qt::gray), wo);
            }
            QVector<QRect> r;
            for (const QRegion &loch : loecher(spiel.brett(), groesse == 2)) {
                QVERIFY2(groesse == 1 ? istL(loch) : istLinie(loch), wo);
                r << loch.boundingRect();
            }
            std::sort(r.begin(), r.end(), [](const QRect &a, const QRect &b) { return qMakePair(a.top(), a.left()) < qMakePair(b.top(), b.left()); });
            if (groesse == 1) {
                // One L strictly inside each quarter; the quarters meet in a
                // row R (3 to 7) and a column S (3 to 9) that stay in play.
                QCOMPARE(r.size(), 4);
                bool geteilt = false;
                for (int R = 3; R <= 7; ++R) {
                    for (int S = 3; S <= 9; ++S) {
                        const QRect viertel[4] = {QRect(QPoint(1, 1), QPoint(S - 1, R - 1)), QRect(QPoint(S + 1, 1), QPoint(11, R - 1)),
                                                  QRect(QPoint(1, R + 1), QPoint(S - 1, 9)), QRect(QPoint(S + 1, R + 1), QPoint(11, 9))};
                        geteilt = geteilt || std::all_of(viertel, viertel + 4, [&](const QRect &v) {
                            return std::count_if(r.begin(), r.end(), [&](const QRect &loch) { return v.contains(loch); }) == 1;
                        });
                    }
                }
                QVERIFY2(geteilt, wo);
                continue;
            }
            // Six lines, each across the whole of its band, one column further
            // right when mirrored: rows 1 to a + 1 and a + 4 to 13, columns 1
            // to b + 1, b + 4 to b + c + 7 and b + c + 10 to 19.
            QCOMPARE(r.size(), 6);
            const int a = r[0].height() - 1, b = r[0].width() - 1, c = r[1].width() - 4;
            QVERIFY2(a >= 0 && a <= 8 && b >= 0 && b <= 4 && c >= 0 && c <= 5, wo);
            const int spalten[3][2] = {{1, b + 1}, {b + 4, b + c + 7}, {b + c + 10, 19}};
            for (int k = 0; k < 6; ++k) {
                const QRect band(QPoint(spalten[k % 3][0], k < 3 ? 1 : a + 4), QPoint(spalten[k % 3][1], k < 3 ? a + 1 : 13));
                QVERIFY2(r[k] == band || r[k] == band.translated(1, 0), wo);
            }
        }
    }
};

QTEST_MAIN(TestZufallsform)
#include "tst_zufallsform.moc"
