#include "field/feld.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>
#include <QtWidgets>

#include <algorithm>
#include <cstdlib>

namespace {

const auto loese = [](const MainWindow &f, const QString &name) { f.findChild<QAction *>(name)->trigger(); };

}

class TestMenue : public QObject
{
    Q_OBJECT

private slots:
    void groesse()
    {
        MainWindow fenster;
        fenster.show();
        SpielLabel &spiel = *fenster.spiel();
        const QSize felder[] = {{6, 5}, {13, 11}, {22, 15}};
        const QStringList aktionen = {"actionKlein", "actionMittel", "actionGross"};
        for (int groesse : {1, 2, 0}) {
            Stellung::druecke(spiel, Stellung::druckpunkt(0, 0, 1));
            loese(fenster, aktionen[groesse]);
            QCOMPARE(Stellung::fett(fenster), QStringList({aktionen[groesse], "actionLevel5"}));
            QVERIFY(QSize(spiel.brett().spaltenAnzahl(), spiel.brett().zeilenAnzahl()) == felder[groesse]
                    && spiel.zugVerlauf().empty());
            QCOMPARE(spiel.felderImSpiel() < felder[groesse].width() * felder[groesse].height(), groesse > 0);
            // The board widget gets exactly the picture, the bars their own heights.
            QTRY_COMPARE(spiel.size(), felder[groesse] * 40 + QSize(3, 4));
            QCOMPARE(fenster.height(), spiel.height() + fenster.menuBar()->height() + fenster.statusBar()->height());
            Stellung::druecke(spiel, Stellung::druckpunkt(0, 0, 1));
            const QImage bild = qAsConst(spiel).bild()->toImage();
            loese(fenster, aktionen[groesse]);
            QVERIFY(qAsConst(spiel).bild()->toImage() == bild && spiel.zugVerlauf().size() == 1);
            fenster.setzeGroesse(groesse, true, true);
            QVERIFY(spiel.zugVerlauf().empty());
        }
    }

    // Levels outside 2 to 5 mark "1 - Schwach" but reach the board as given.
    void levelUndMenschStartet()
    {
        MainWindow fenster;
        SpielLabel &spiel = *fenster.spiel();
        loese(fenster, "actionMittel");
        Stellung::setze(spiel, "+  +\n   |");
        const QImage bild = qAsConst(spiel).bild()->toImage();
        for (int level : {4, 0, 3, 7, 2, -1, 5, 1}) {
            level >= 1 && level <= 5 ? loese(fenster, QString("actionLevel%1").arg(level)) : fenster.setzeLevel(level);
            const QString markiert = QStringLiteral("actionLevel%1").arg(level >= 2 && level <= 5 ? level : 1);
            QCOMPARE(Stellung::fett(fenster), QStringList({"actionMittel", markiert}));
            QCOMPARE(spiel.aktuellesLevel(), level);
        }
        loese(fenster, "actionMensch_startet");
        QVERIFY(qAsConst(spiel).bild()->toImage() == bild && spiel.istMenschAmZug() && !spiel.computerWartet());
        loese(fenster, "actionNeues_Spiel");
        QVERIFY(spiel.brett().spaltenAnzahl() == 13 && spiel.felderImSpiel() < 143 && spiel.zugVerlauf().empty());
        QVERIFY(!spiel.istMenschAmZug() && spiel.computerWartet());
        QTRY_VERIFY(!spiel.zugVerlauf().empty() && !spiel.zugVerlauf().front().spieler);
    }

    void spielBisZumEnde()
    {
        for (int groesse : {0, 1, 2}) {
            MainWindow fenster;
            SpielLabel &spiel = *fenster.spiel();
            std::srand(static_cast<unsigned>(groesse));
            fenster.setzeGroesse(groesse, true, true);
            const auto offen = [](const Feld *f) { return !f->freieRichtungen().empty(); };
            for (int runde = 0; !spiel.istFertig() && runde < 1000; ++runde) {
                const Feld *f = *std::find_if(spiel.brett().begin(), spiel.brett().end() - 1, offen);
                const int richtung = f->freieRichtungen().at(0);
                Stellung::druecke(spiel, Stellung::druckpunkt(f->pixelY() / 40, f->pixelX() / 40, richtung));
                Stellung::computerRunde(spiel);
            }
            QVERIFY(spiel.istFertig() && fenster.statusZeile().text().endsWith(", fertig"));
            QCOMPARE(spiel.punkteDesMenschen() + spiel.punkteDesComputers(), spiel.felderImSpiel());
        }
    }
};

QTEST_MAIN(TestMenue)
#include "tst_menue.moc"
