#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>

#include <cstdlib>

class TestModell : public QObject
{
    Q_OBJECT

private slots:
    void neuesBrett();
    void zieheBei_data();
    void zieheBei();
    void geteilteSeiteZiehenUndZuruecknehmen();
    void gitterWechseln();
};

void TestModell::neuesBrett()
{
    SpielLabel label(nullptr);
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 6; ++c)
            QCOMPARE(Stellung::feld(label, r, c)->anzahlGeschlossen(), int(r % 4 == 0) + int(c % 5 == 0));
    QCOMPARE(Stellung::feld(label, 0, 0)->freieRichtungen(), (std::vector<int>{1, 2}));
    const Feld *ecke = Stellung::feld(label, 4, 5);
    QCOMPARE(ecke->geschlosseneSeiten(), (std::vector<Seite *>{ecke->seite(1), ecke->seite(2)}));
}

void TestModell::zieheBei_data()
{
    QTest::addColumn<QPoint>("klick");
    QTest::addColumn<int>("richtung");
    // Both diagonals, and presses in the margin left of or above a box.
    const int faelle[][3] = {{20, 20, 0}, {39, 39, 1}, {10, 30, 3}, {10, 31, 2}, {30, 10, 0},
                             {31, 10, 1}, {0, 0, 0},   {-1, -2, 0}, {-1, 5, 3}};
    for (const auto &f : faelle)
        QTest::addRow("(%d, %d)", f[0], f[1]) << QPoint(f[0], f[1]) << f[2];
}

void TestModell::zieheBei()
{
    QFETCH(QPoint, klick);
    QFETCH(int, richtung);
    SpielLabel label(nullptr);
    int gewaehlt = -1;
    QVERIFY(Stellung::feld(label, 1, 1)->zieheBei(klick.x(), klick.y(), &gewaehlt));
    QCOMPARE(gewaehlt, richtung);
    // On the top-left box the top and left sides are frame and refused.
    const bool genommen = Stellung::feld(label, 0, 0)->zieheBei(klick.x(), klick.y(), &gewaehlt);
    QCOMPARE(genommen, richtung == 1 || richtung == 2);
    QCOMPARE(gewaehlt, richtung);
}

void TestModell::geteilteSeiteZiehenUndZuruecknehmen()
{
    MainWindow fenster;
    SpielLabel &label = *fenster.spiel();
    Stellung::setze(label, R"(
+--+--+--+--+--+--+
|                 |
+  +--+--+
|  |     |
+  +--+--+)");
    const QImage anfang = qAsConst(label).bild()->toImage();
    Feld *links = Stellung::feld(label, 1, 1);
    Feld *rechts = Stellung::feld(label, 1, 2);
    Seite *geteilt = links->seite(1);
    QVERIFY(geteilt->ziehe() && !geteilt->ziehe());
    QVERIFY(links->istGeschlossen() && rechts->istGeschlossen());

    const QImage gezogen = qAsConst(label).bild()->toImage();
    geteilt->markiere(true);
    QCOMPARE(Stellung::pixel(label, 80, 60), QColor(Qt::red));
    geteilt->zeichneNeu();
    QCOMPARE(qAsConst(label).bild()->toImage(), gezogen);

    links->zeichneBesitzer(true);
    rechts->zeichneBesitzer(false);
    QCOMPARE(label.punkteDesMenschen(), 1);
    QCOMPARE(label.punkteDesComputers(), 1);
    QCOMPARE(Stellung::pixel(label, 55, 56), QColor(Qt::blue));
    QCOMPARE(Stellung::pixel(label, 85, 62), QColor(Qt::black));
    links->loescheBesitzer(true);
    rechts->loescheBesitzer(false);
    QCOMPARE(fenster.statusZeile().text(), QStringLiteral("Mensch: 0, Computer: 0, du bist dran"));

    // The erased thick line covered the ends of the taken sides it touches.
    geteilt->nimmZurueck();
    QVERIFY(geteilt->istFrei() && !geteilt->istGezogen() && rechts->anzahlGeschlossen() == 3);
    QCOMPARE(Stellung::pixel(label, 81, 60), QColor(Qt::lightGray));
    QCOMPARE(Stellung::pixel(label, 80, 42), QColor(Qt::black));
    QCOMPARE(qAsConst(label).bild()->toImage(), anfang);
}

void TestModell::gitterWechseln()
{
    Spielfeld leer, ohneFelder(0, 0), quelle(2, 3);
    QVERIFY(leer.begin() == leer.end() && ohneFelder.begin() == ohneFelder.end());
    Feld **eintraege = quelle.begin();
    leer = std::move(quelle);
    QVERIFY(leer.begin() == eintraege && leer.zeilenAnzahl() == 2 && leer.spaltenAnzahl() == 3);
    QVERIFY(quelle.begin() == quelle.end() && quelle.zeilenAnzahl() == 0 && quelle.spaltenAnzahl() == 0);

    // Under the sanitizers, the replaced grids and the window's end prove
    // that every side, the shared ones too, is released exactly once.
    MainWindow fenster;
    std::srand(7);
    for (int groesse : {1, 2, 0, 2, 1, 0}) {
        fenster.setzeGroesse(groesse, true, true);
        QCOMPARE(fenster.spiel()->brett().spaltenAnzahl(), Spielfeld::spaltenFuer(groesse));
    }
}

QTEST_MAIN(TestModell)
#include "tst_modell.moc"
