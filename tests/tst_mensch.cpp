#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>

using Felder = QList<QPoint>;

// All boxes are the computer's but the first two, with the one free side between them.
static const QString zweiOffen = QStringLiteral("+\n|     |C |C |C |C |\n")
    + QStringLiteral("+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n").repeated(4);

class TestMensch : public QObject
{
    Q_OBJECT
    QScopedPointer<MainWindow> fenster;
    SpielLabel *label = nullptr;

private slots:
    void init();
    void druck_data();
    void druck();
    void zug_data();
    void zug();
    void computerBlink();
};

void TestMensch::init()
{
    fenster.reset(new MainWindow);
    label = fenster->spiel();
    fenster->show();
}

void TestMensch::druck_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<QPoint>("feld"); // column, row
    QTest::addColumn<int>("richtung"); // -1: no box is addressed
    const auto in11 = [](int u, int v) { return QPoint(41 + u, 42 + v); }; // inside box (1, 1)
    QTest::newRow("unten") << in11(20, 37) << QPoint(1, 1) << 2;
    QTest::newRow("fallend, oben") << in11(10, 10) << QPoint(1, 1) << 0;
    QTest::newRow("fallend, rechts") << in11(30, 30) << QPoint(1, 1) << 1;
    QTest::newRow("steigend, oben") << in11(30, 10) << QPoint(1, 1) << 0;
    QTest::newRow("steigend, links") << in11(10, 30) << QPoint(1, 1) << 3;
    QTest::newRow("Ecke 0, 0") << QPoint(0, 0) << QPoint(0, 0) << 0;
    QTest::newRow("schon gezogen") << Stellung::druckpunkt(2, 2, 0) << QPoint(2, 2) << 0;
    QTest::newRow("x 241") << QPoint(241, 100) << QPoint() << -1;
    QTest::newRow("x 242") << QPoint(242, 5) << QPoint() << -1;
    QTest::newRow("y 202") << QPoint(100, 202) << QPoint() << -1;
    QTest::newRow("y 203") << QPoint(5, 203) << QPoint() << -1;
}

void TestMensch::druck()
{
    QFETCH(QPoint, punkt);
    QFETCH(QPoint, feld);
    QFETCH(int, richtung);
    Stellung::setze(*label, QStringLiteral("+\n\n+\n\n+     +--+")); // the top of box (2, 2) taken
    const QString vorher = Stellung::lies(*label);
    Seite *seite = richtung < 0 ? nullptr : Stellung::feld(*label, feld.y(), feld.x())->seite(richtung);
    const bool frei = seite && seite->istFrei();
    Stellung::druecke(*label, punkt);
    QVERIFY(label->zugVerlauf().size() == size_t(frei)
            && (!frei || label->zugVerlauf().front().seiten == std::vector<Seite *>{seite}));
    if (frei)
        return;
    // Red at once, then normal, red and normal 100 ms apart; presses meanwhile change nothing.
    QVERIFY(Stellung::lies(*label) == vorher && label->blinkSchritt() == (seite ? 1 : 0));
    for (int schritt = 0; seite && schritt < 4; ++schritt) {
        if (schritt > 0)
            QMetaObject::invokeMethod(label, "blinkeMitSeite");
        QCOMPARE(Stellung::farbeDerSeite(*label, seite), QColor(schritt % 2 ? Qt::black : Qt::red));
        QCOMPARE(label->blinkSchritt(), (schritt + 1) % 4);
        if (schritt < 3)
            Stellung::druecke(*label, Stellung::druckpunkt(3, 3, 2));
        QCOMPARE(Stellung::lies(*label), vorher);
    }
}

void TestMensch::zug_data()
{
    QTest::addColumn<QString>("zeichnung");
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<Felder>("felder"); // column, row; in the order marked
    QTest::newRow("kein Feld") << QString() << Stellung::druckpunkt(1, 1, 0) << Felder{};
    QTest::newRow("ein Feld") << QStringLiteral("+\n\n+--+") << Stellung::druckpunkt(0, 0, 1) << Felder{{0, 0}};
    QTest::newRow("zwei") << QStringLiteral("+\n|     |\n+--+--+") << Stellung::druckpunkt(0, 1, 3)
                          << Felder{{1, 0}, {0, 0}};
    QTest::newRow("die letzten") << zweiOffen << Stellung::druckpunkt(0, 0, 1) << Felder{{0, 0}, {1, 0}};
}

void TestMensch::zug()
{
    QFETCH(QString, zeichnung);
    QFETCH(QPoint, punkt);
    QFETCH(Felder, felder);
    Stellung::setze(*label, zeichnung);
    Stellung::druecke(*label, punkt, Qt::RightButton);
    Stellung::druecke(*label, punkt, Qt::MiddleButton);
    QVERIFY(label->zugVerlauf().empty());
    Stellung::druecke(*label, punkt);
    const Zug &zug = label->zugVerlauf().front();
    QCOMPARE(zug.felder.size(), size_t(felder.size()));
    for (int i = 0; i < felder.size(); ++i) {
        const Feld *f = Stellung::feld(*label, felder.at(i).y(), felder.at(i).x());
        QCOMPARE(zug.felder.at(i), f);
        QCOMPARE(Stellung::pixel(*label, f->pixelX() + 14, f->pixelY() + 14), QColor(Qt::blue)); // an eye
    }
    const bool letzte = zeichnung == zweiOffen;
    if (!letzte && !felder.isEmpty()) { // the human moves again, into the same record
        QVERIFY(fenster->statusZeile().text().endsWith(QStringLiteral(", du bist dran")) && !label->computerWartet());
        Stellung::druecke(*label, Stellung::druckpunkt(3, 3, 0));
        QVERIFY(zug.seiten.size() == 2 && label->zugVerlauf().size() == 1);
    }
    const QString rest = letzte ? QStringLiteral("28, fertig") : QStringLiteral("0");
    QCOMPARE(fenster->statusZeile().text(), QStringLiteral("Mensch: %1, Computer: %2").arg(felder.size()).arg(rest));
    QVERIFY(label->computerWartet() != letzte);
    const QString vorher = Stellung::lies(*label);
    Stellung::druecke(*label, Stellung::druckpunkt(4, 4, 0)); // ignored: computer's turn, or game over
    QVERIFY(Stellung::lies(*label) == vorher && label->blinkSchritt() == 0);
}

void TestMensch::computerBlink()
{
    // The computer's side closes no box, one box, or the last two.
    const QString zeichnungen[] = {QString(), QStringLiteral("+\n\n+--+"), zweiOffen};
    const char *const enden[] = {", du bist dran", "Computer: 1", ", fertig"};
    for (int fall = 0; fall < 3; ++fall) {
        label->setMenschStartet(false);
        label->neuesSpiel(0, false);
        Stellung::setze(*label, zeichnungen[fall]);
        const int punkte = label->punkteDesComputers();
        Stellung::computerZug(*label);
        const Seite *seite = label->blinkendeSeite();
        const std::vector<Feld *> neu = label->wartendeFelder();
        QCOMPARE(neu.size(), size_t(fall));
        // Black at the move, cyan 100 ms later; black and the boxes marked after 200 ms.
        for (int schritt = 0; schritt < 3; ++schritt) {
            if (schritt > 0)
                QMetaObject::invokeMethod(label, "blinkeMitSeite");
            QCOMPARE(Stellung::farbeDerSeite(*label, seite), QColor(schritt == 1 ? Qt::cyan : Qt::black));
            QCOMPARE(label->punkteDesComputers(), punkte + (schritt == 2 ? int(neu.size()) : 0));
            const QColor rahmen(schritt == 2 ? Qt::black : Qt::yellow); // of the computer's symbol
            for (const Feld *f : neu)
                QCOMPARE(Stellung::pixel(*label, f->pixelX() + 20, f->pixelY() + 8), rahmen);
        }
        QVERIFY(label->istMenschAmZug() == (fall == 0) && label->computerWartet() == (fall == 1));
        QVERIFY(fenster->statusZeile().text().endsWith(QLatin1String(enden[fall])));
        QCOMPARE(label->zugVerlauf().back().felder, neu);
    }
}

QTEST_MAIN(TestMensch)
#include "tst_mensch.moc"
