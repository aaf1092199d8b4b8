#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>

// Sides and boxes: what a new grid holds, which side a point in a box picks,
// and how sides and holes are painted.
class TestModell : public QObject
{
    Q_OBJECT
    MainWindow fenster;
    SpielLabel &spiel = Stellung::spiel(fenster);

private slots:
    void neuesBrett()
    {
        const Spielfeld &brett = spiel.brett();
        for (int r = 0; r < 5; ++r) {
            for (int c = 0; c < 6; ++c)
                QCOMPARE(brett.feld(r, c)->anzahlGeschlossen(), int(r % 4 == 0) + int(c % 5 == 0));
        }
        QCOMPARE(brett.feld(0, 0)->freieRichtungen(), (std::vector<int>{1, 2}));
        const Feld *ecke = brett.feld(4, 5);
        QCOMPARE(ecke->geschlosseneSeiten(), (std::vector<Seite *>{ecke->seite(1), ecke->seite(2)}));
    }

    void zieheBei_data()
    {
        QTest::addColumn<QPoint>("klick");
        QTest::addColumn<int>("richtung");
        // Both diagonals, and presses in the margin left of or above a box.
        const int faelle[][3] = {{20, 20, 0}, {39, 39, 1}, {10, 30, 3}, {10, 31, 2}, {30, 10, 0},
                                 {31, 10, 1}, {0, 0, 0},   {-1, -2, 0}, {-1, 5, 3}};
        for (const auto &f : faelle)
            QTest::addRow("(%d, %d)", f[0], f[1]) << QPoint(f[0], f[1]) << f[2];
    }

    // On the top-left box the top and left sides are frame and refused.
    void zieheBei()
    {
        QFETCH(QPoint, klick);
        QFETCH(int, richtung);
        spiel.neuesSpiel(0, false);
        int gewaehlt = -1;
        QVERIFY(spiel.brett().feld(1, 1)->zieheBei(klick.x(), klick.y(), &gewaehlt));
        QCOMPARE(gewaehlt, richtung);
        QCOMPARE(spiel.brett().feld(0, 0)->zieheBei(klick.x(), klick.y(), &gewaehlt), richtung == 1 || richtung == 2);
        QCOMPARE(gewaehlt, richtung);
    }

    void pixel_data()
    {
        QTest::addColumn<QVector<QPoint>>("punkte");
        QTest::addColumn<QColor>("farbe");
        QTest::newRow("Rahmen, 1 Pixel, mit seinen Punkten")
            << QVector<QPoint>{{20, 2}, {1, 100}, {241, 100}, {100, 202}, {41, 2}, {41, 202}, {1, 42}, {241, 42}}
            << QColor(Qt::black);
        QTest::newRow("genommene Seiten, 2 Pixel") << QVector<QPoint>{{20, 41}, {20, 42}, {80, 20}, {81, 20}}
                                                   << QColor(Qt::black);
        QTest::newRow("freie Seiten, die rechten ohne Endpunkte")
            << QVector<QPoint>{{41, 3}, {41, 20}, {41, 201}, {140, 42}, {122, 42}, {121, 100}, {100, 122}}
            << QColor(Qt::lightGray);
        QTest::newRow("Hintergrund") << QVector<QPoint>{{20, 20}, {20, 1}, {20, 3}, {2, 100}, {240, 100}, {100, 201},
                                                        {242, 100}, {100, 203}, {40, 20}, {42, 20}, {140, 41},
                                                        {20, 40}, {20, 43}, {79, 20}, {82, 20}}
                                     << QColor(Qt::yellow);
        QTest::newRow("Loch samt oberer und linker Linie")
            << QVector<QPoint>{{100, 100}, {81, 82}, {100, 82}, {81, 100}, {120, 121}} << QColor(Qt::gray);
    }

    void pixel()
    {
        QFETCH(QVector<QPoint>, punkte);
        QFETCH(QColor, farbe);
        spiel.neuesSpiel(0, false);
        Stellung::setze(spiel, "+--+--+--+--+--+--+\n|     |           |\n+--+  +  +  +  +  +\n\n\n|      ##");
        for (const QPoint &p : punkte)
            QCOMPARE(qMakePair(p, Stellung::pixel(spiel, p.x(), p.y())), qMakePair(p, farbe));
    }
};

QTEST_MAIN(TestModell)
#include "tst_modell.moc"
