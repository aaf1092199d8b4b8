// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "model/richtung.h"
#include "model/stellung.h"
#include "model/zufallsform.h"

#include <QtTest>

#include <cstdlib>

namespace {

// The address sanitizer's tracking of allocations makes every position
// slow to build; that build checks fewer seeds. GCC names the sanitizer by a
// macro, clang by a feature.
#if defined(__SANITIZE_ADDRESS__)
#define MIT_ADRESSPRUEFUNG
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define MIT_ADRESSPRUEFUNG
#endif
#endif
#if defined(MIT_ADRESSPRUEFUNG)
constexpr int saaten = 100;
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

// The bounding boxes of a board's holes, columns as x and rows as y: its
// blocked boxes joined at edges, or also at corners. Each hole must be an
// L: three of the four rectangles of a 2 x 2 split, the one left in play at
// a corner; or a line: one box in each row, or in each column.
QVector<QRect> loecher(const Stellung &brett, bool linien)
{
    const Gitter &gitter = brett.gitter();
    QRegion rest;
    for (int platz = 0; platz < gitter.feldAnzahl(); ++platz)
        rest += brett.istGesperrt(platz) ? QRect(gitter.spalteVon(platz), gitter.zeileVon(platz), 1, 1) : QRect();
    QVector<QRect> ergebnis;
    while (!rest.isEmpty()) {
        QRegion loch(QRect(rest.begin()->topLeft(), QSize(1, 1)));
        for (int vorher = 0; vorher != flaeche(loch);) {
            vorher = flaeche(loch);
            for (const QRect &r : QRegion(loch))
                loch += rest.intersected(linien ? r.adjusted(-1, -1, 1, 1) : r.adjusted(-1, 0, 1, 0) | r.adjusted(0, -1, 0, 1));
        }
        const QRect b = loch.boundingRect(), f = (QRegion(b) - loch).boundingRect();
        bool zeilen = flaeche(loch) == b.height(), spalten = flaeche(loch) == b.width();
        for (int i = 0; i < b.height() || i < b.width(); ++i) {
            zeilen = zeilen && (i >= b.height() || flaeche(loch & QRect(b.left(), b.top() + i, b.width(), 1)) == 1);
            spalten = spalten && (i >= b.width() || flaeche(loch & QRect(b.left() + i, b.top(), 1, b.height())) == 1);
        }
        const bool l = (QRegion(b) - loch).rectCount() == 1 && (f.top() == b.top()) != (f.bottom() == b.bottom())
            && (f.left() == b.left()) != (f.right() == b.right());
        ergebnis << ((linien ? zeilen || spalten : l) ? b : QRect());
        rest -= loch;
    }
    std::sort(ergebnis.begin(), ergebnis.end(), [](const QRect &a, const QRect &b) { return qMakePair(a.top(), a.left()) < qMakePair(b.top(), b.left()); });
    return ergebnis;
}

}

// The holes cut into new medium and large boards, over many seeds: all
// their sides closed, and shaped and placed as the rules for each size say,
// away from the outer ring.
class TestZufallsform : public QObject
{
    Q_OBJECT

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
        // Every width of the large board's bands occurs, as it always has.
        QSet<int> gesehen[3];
        for (int saat = 1; saat <= saaten; ++saat) {
            const QByteArray wo = "seed " + QByteArray::number(saat);
            std::srand(unsigned(saat));
            Stellung brett(Gitter::fuerGroesse(groesse));
            const int gesperrt = groesse == 1 ? Zufallsform::schneideMittel(brett) : Zufallsform::schneideGross(brett);
            QCOMPARE(brett.imSpiel(), brett.gitter().feldAnzahl() - gesperrt);
            for (int platz = 0; platz < brett.gitter().feldAnzahl(); ++platz) {
                for (int d = 0; brett.istGesperrt(platz) && d < Richtung::anzahl; ++d)
                    QVERIFY2(brett.art(brett.gitter().seiteVon(platz, d)) == Stellung::Art::lochrand, wo);
            }
            const QVector<QRect> r = loecher(brett, groesse == 2);
            QVERIFY2(!r.contains(QRect()), wo);
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
            QCOMPARE(qBound(0, a, 8), a);
            QCOMPARE(qBound(0, b, 4), b);
            QCOMPARE(qBound(0, c, 5), c);
            gesehen[0] << a;
            gesehen[1] << b;
            gesehen[2] << c;
            const int spalten[3][2] = {{1, b + 1}, {b + 4, b + c + 7}, {b + c + 10, 19}};
            for (int k = 0; k < 6; ++k) {
                const QRect band(QPoint(spalten[k % 3][0], k < 3 ? 1 : a + 4), QPoint(spalten[k % 3][1], k < 3 ? a + 1 : 13));
                QCOMPARE(r[k].translated(r[k] == band.translated(1, 0) ? -1 : 0, 0), band);
            }
        }
        if (groesse == 2)
            QCOMPARE(QVector<int>({int(gesehen[0].size()), int(gesehen[1].size()), int(gesehen[2].size())}), QVector<int>({9, 5, 6}));
    }
};

QTEST_MAIN(TestZufallsform)
#include "tst_zufallsform.moc"
