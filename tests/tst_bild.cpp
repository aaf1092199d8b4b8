#include "game/spiellabel.h"
#include "stellung.h"

#include <QtTest>

class TestBild : public QObject
{
    Q_OBJECT

private slots:
    void pixel_data();
    void pixel();
};

void TestBild::pixel_data()
{
    QTest::addColumn<QVector<QPoint>>("punkte");
    QTest::addColumn<QColor>("farbe");
    QTest::newRow("Rahmen, 1 Pixel, mit seinen Punkten") << QVector<QPoint>{
        {20, 2}, {1, 100}, {241, 100}, {100, 202}, {41, 2}, {41, 202}, {1, 42}, {241, 42}} << QColor(Qt::black);
    QTest::newRow("genommene Seiten, 2 Pixel") << QVector<QPoint>{{20, 41}, {20, 42}, {80, 20}, {81, 20}}
                                               << QColor(Qt::black);
    QTest::newRow("freie Seiten, die rechten ohne Endpunkte")
        << QVector<QPoint>{{41, 3}, {41, 20}, {41, 201}, {140, 42}, {122, 42}, {121, 100}, {100, 122}}
        << QColor(Qt::lightGray);
    QTest::newRow("Hintergrund") << QVector<QPoint>{{20, 20}, {20, 1}, {20, 3}, {2, 100}, {240, 100}, {100, 201},
                                                    {242, 100}, {100, 203}, {40, 20}, {42, 20}, {140, 41},
                                                    {20, 40}, {20, 43}, {79, 20}, {82, 20}}
                                 << QColor(Qt::yellow);
    QTest::newRow("gesperrtes Feld samt oberer und linker Linie")
        << QVector<QPoint>{{100, 100}, {81, 82}, {100, 82}, {81, 100}, {120, 121}} << QColor(Qt::gray);
}

void TestBild::pixel()
{
    QFETCH(QVector<QPoint>, punkte);
    QFETCH(QColor, farbe);
    SpielLabel label(nullptr);
    Stellung::setze(label, R"(
+--+--+--+--+--+--+
|     |           |
+--+  +  +  +  +  +
|                 |
+  +  +  +  +  +  +
|      ##         |)");
    for (const QPoint &p : punkte)
        QCOMPARE(qMakePair(p, Stellung::pixel(label, p.x(), p.y())), qMakePair(p, farbe));
    QCOMPARE(label.property("pixmap").value<QPixmap>().toImage(), qAsConst(label).bild()->toImage());
}

QTEST_MAIN(TestBild)
#include "tst_bild.moc"
