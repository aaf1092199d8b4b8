#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>

// A position with every kind of line and box: the frame, free and taken
// sides, a hole, and the symbols of both players.
static const char *const alles = R"(
+--+--+--+--+--+--+
|H |     |  |     |
+--+  +--+  +--+  +
|     |C |##|
+  +--+--+  +--+--+
|  |  |
+  +--+)";

// Sides and boxes: which side a point in a box picks, how the board is
// painted, and how a side taken back is painted again.
class TestModell : public QObject
{
    Q_OBJECT
    MainWindow fenster;
    SpielLabel &spiel = Stellung::spiel(fenster);

private slots:
    void init() { spiel.neuesSpiel(0, false); }

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
        int gewaehlt = -1;
        QVERIFY(spiel.brett().feld(1, 1)->zieheBei(klick.x(), klick.y(), &gewaehlt));
        QCOMPARE(gewaehlt, richtung);
        QCOMPARE(spiel.brett().feld(0, 0)->zieheBei(klick.x(), klick.y(), &gewaehlt), richtung == 1 || richtung == 2);
        QCOMPARE(gewaehlt, richtung);
    }

    // The whole picture, pixel for pixel, against one checked by eye: black
    // frame, taken sides 2 pixels wide, free right sides short of their
    // dots, both symbols, and a gray hole whose right and bottom lines are
    // gray as well, so that no line of it looks free.
    void bild()
    {
        Stellung::setze(spiel, alles);
        const QImage soll(PUNKTFELD_TESTDATEN "/bilder/brett.png");
        QCOMPARE(Stellung::bild(spiel).convertToFormat(QImage::Format_RGB32), soll.convertToFormat(QImage::Format_RGB32));
    }

    // Each free side, taken and taken back, leaves the picture as it was,
    // also where its thick line covered the ends of the sides it meets and
    // beside the hole.
    void nimmZurueck()
    {
        Stellung::setze(spiel, alles);
        const QImage vorher = Stellung::bild(spiel);
        for (const Feld *feld : spiel.brett()) {
            for (int richtung : {1, 2}) {
                Seite *seite = feld->seite(richtung);
                if (!seite->ziehe())
                    continue;
                seite->nimmZurueck();
                QVERIFY(seite->istFrei());
                QVERIFY(!seite->istGezogen());
                QVERIFY2(Stellung::bild(spiel) == vorher, qPrintable(QString("at %1, %2").arg(feld->pixelX()).arg(feld->pixelY())));
            }
        }
    }
};

QTEST_MAIN(TestModell)
#include "tst_modell.moc"
