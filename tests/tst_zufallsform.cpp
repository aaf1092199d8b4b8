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

// The holes of a board: its blocked boxes, columns as x and rows as y,
// grouped into regions joined at edges (or also at corners).
QList<QRegion> loecher(const Spielfeld &brett, bool ueberEck)
{
    QRegion offen;
    for (int r = 0; r < brett.zeilenAnzahl(); ++r) {
        for (int c = 0; c < brett.spaltenAnzahl(); ++c)
            offen += brett.feld(r, c)->istGesperrt() ? QRect(c, r, 1, 1) : QRect();
    }
    QList<QRegion> ergebnis;
    while (!offen.isEmpty()) {
        QRegion loch(offen.begin()->topLeft().x(), offen.begin()->topLeft().y(), 1, 1);
        for (QRegion rand; loch != rand;) {
            rand = loch;
            for (const QRect &r : rand)
                loch += offen.intersected(ueberEck ? r.adjusted(-1, -1, 1, 1) : QRegion(r.adjusted(-1, 0, 1, 0)) + r.adjusted(0, -1, 0, 1));
        }
        ergebnis << loch;
        offen -= loch;
    }
    return ergebnis;
}

// Three of the four rectangles of a 2 x 2 split: in the hole's bounding box
// the boxes in play form one rectangle at a corner.
bool istL(const QRegion &loch)
{
    const QRect b = loch.boundingRect(), f = (QRegion(b) - loch).boundingRect();
    return (QRegion(b) - loch).rectCount() == 1 && (f.top() == b.top()) != (f.bottom() == b.bottom())
        && (f.left() == b.left()) != (f.right() == b.right());
}

// One box in each row, or one box in each column, of the bounding box.
bool istLinie(const QRegion &loch)
{
    const QRect b = loch.boundingRect();
    int zeilen = 0, spalten = 0;
    for (int i = b.top(); i <= b.bottom(); ++i)
        zeilen += loch.intersected(QRect(b.left(), i, b.width(), 1)).rectCount() == 1;
    for (int i = b.left(); i <= b.right(); ++i)
        spalten += loch.intersected(QRect(i, b.top(), 1, b.height())).rectCount() == 1;
    int anzahl = 0;
    for (const QRect &r : loch)
        anzahl += r.width() * r.height();
    return (anzahl == b.height() && zeilen == b.height()) || (anzahl == b.width() && spalten == b.width());
}

}

// The holes cut into new medium and large boards, over many seeds.
class TestZufallsform : public QObject
{
    Q_OBJECT

private slots:
    void formen()
    {
        MainWindow fenster;
        SpielLabel &spiel = Stellung::spiel(fenster);
        for (int saat = 1; saat <= 2 * saaten; ++saat) {
            const QByteArray wo = "seed " + QByteArray::number(saat);
            std::srand(unsigned(saat));
            spiel.neuesSpiel(1 + saat % 2, true);
            const Spielfeld &brett = spiel.brett();
            const QRect innen = QRect(0, 0, brett.spaltenAnzahl(), brett.zeilenAnzahl()).adjusted(1, 1, -1, -1);
            const QImage bild = Stellung::bild(spiel);
            for (const Feld *f : brett) {
                for (int d = 0; f->istGesperrt() && d < 4; ++d) {
                    QVERIFY2(!f->seite(d)->istFrei(), wo);
                    QVERIFY2(bild.pixelColor(f->pixelX() + 20, f->pixelY() + 20) == QColor(Qt::gray), wo);
                }
            }
            const QList<QRegion> mittel = loecher(brett, false), gross = loecher(brett, true);
            for (const QRegion &loch : gross)
                QVERIFY2(innen.contains(loch.boundingRect()), wo);
            if (saat % 2 == 0) {
                // One L in each quarter; the quarters meet in a row and a column in play.
                QCOMPARE(mittel.size(), 4);
                bool geteilt = false;
                for (int r = 3; r <= 7; ++r) {
                    for (int c = 3; c <= 9; ++c) {
                        int viertel[4] = {};
                        for (const QRegion &loch : mittel) {
                            const QRect b = loch.boundingRect();
                            if ((b.bottom() < r || b.top() > r) && (b.right() < c || b.left() > c))
                                ++viertel[2 * (b.top() > r) + (b.left() > c)];
                        }
                        geteilt = geteilt || (viertel[0] == 1 && viertel[1] == 1 && viertel[2] == 1 && viertel[3] == 1);
                    }
                }
                QVERIFY2(geteilt, wo);
                for (const QRegion &loch : mittel)
                    QVERIFY2(istL(loch), wo);
                continue;
            }
            // Six lines, three starting in row 1 and three in a lower row.
            QCOMPARE(gross.size(), 6);
            QMap<int, int> anfaenge;
            for (const QRegion &loch : gross) {
                QVERIFY2(istLinie(loch), wo);
                ++anfaenge[loch.boundingRect().top()];
            }
            QCOMPARE(anfaenge.keys().size(), 2);
            QCOMPARE(anfaenge.value(1), 3);
            QVERIFY2(anfaenge.lastKey() >= 4 && anfaenge.last() == 3, wo);
        }
    }
};

QTEST_MAIN(TestZufallsform)
#include "tst_zufallsform.moc"
