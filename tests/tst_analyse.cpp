// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/analyse.h"
#include "game/spiellabel.h"
#include "schiedsrichter.h"
#include "shell/analysedialog.h"
#include "shell/mainwindow.h"
#include "shell/qtuebersetzung.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QtCharts/QChartView>
#include <QtCharts/QXYSeries>
#include <QtTest>
#include <QtWidgets>

#include <memory>

// Qt 5 keeps the charts in a namespace of their own.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace {

QTableWidget *tabelle(const AnalyseDialog &dialog)
{
    return dialog.findChild<QTableWidget *>("zuege");
}

QStringList spalte(const QTableWidget &tabelle, int spalte)
{
    QStringList texte;
    for (int zeile = 0; zeile < tabelle.rowCount(); ++zeile)
        texte << tabelle.item(zeile, spalte)->text();
    return texte;
}

}

// The review of a game: the human's turns valued against best play, the
// table, the chart, and going back to a turn.
class TestAnalyse : public QObject
{
    Q_OBJECT
    std::unique_ptr<MainWindow> fenster;
    // With PUNKTFELD_SPRACHE=en the review speaks English.
    const bool englisch = qEnvironmentVariable("PUNKTFELD_SPRACHE") == "en";
    QString text(const char *deutsch, const char *english) const { return englisch ? english : deutsch; }

    SpielLabel &spiel() const { return Ansicht::spiel(*fenster); }
    AnalyseDialog *dialog() const { return fenster->findChild<AnalyseDialog *>(); }

private slots:
    void initTestCase() { QVERIFY(ladeUebersetzungen(*qApp, englisch ? "en" : "de")); }

    void init()
    {
        fenster = std::make_unique<MainWindow>();
        Ansicht::loese(*fenster, "actionLevel6");
    }

    void cleanup() { fenster.reset(); }

    // A solved endgame against the Meister, the human's sides chosen by the
    // referee: the best at every decision but those marked wrong, where the
    // worst. Each turn's loss, worked out by the referee as the turn is
    // played, is what the review lists, exactly; perfect turns lose 0.
    void verluste_data()
    {
        QTest::addColumn<QVector<int>>("falsch");
        QTest::newRow("perfect") << QVector<int>{};
        QTest::newRow("first decision wrong") << QVector<int>{0};
        QTest::newRow("second and third wrong") << QVector<int>{1, 2};
        QTest::newRow("all wrong") << QVector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    }

    void verluste()
    {
        QFETCH(QVector<int>, falsch);
        Ansicht::setze(spiel(), Ansicht::endspiel);
        const Lage start = Lage(spiel().stellung());
        const Schiedsrichter richter(start);
        QStringList erwartet;
        int entscheidung = 0, vorher = 0, genommen = 0;
        Spieltreiber::spiele(spiel(), [&] {
            const Lage lage = Lage(spiel().stellung());
            if (genommen == 0)
                vorher = richter.wert(lage);
            int gewaehlt = -1, wert = 0;
            const bool schlecht = falsch.contains(entscheidung++);
            for (int s = 0; s < lage.seitenAnzahl(); ++s) {
                if (!lage.istFrei(s))
                    continue;
                const int w = richter.zugwert(lage, s);
                if (gewaehlt < 0 || (schlecht ? w < wert : w > wert))
                    gewaehlt = s, wert = w;
            }
            Lage danach = lage;
            const int fertig = danach.ziehe(gewaehlt);
            genommen += fertig;
            if (fertig == 0 || danach.offeneFelder() == 0) {
                // (value before, less the boxes taken, plus the computer's
                // value after) / 2: what the turn let the computer have.
                const int computer = danach.offeneFelder() ? richter.wert(danach) : 0;
                erwartet << QString::number((vorher - genommen + computer) / 2);
                genommen = 0;
            }
            return gewaehlt;
        });
        QVERIFY(Ansicht::status(*fenster).endsWith(text(", fertig", ", game over")));

        QVERIFY(Ansicht::aktiv(*fenster, "actionAnalyse"));
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_VERIFY(dialog());
        QCOMPARE(spalte(*tabelle(*dialog()), 2), erwartet);
        QCOMPARE(tabelle(*dialog())->horizontalHeaderItem(3)->text(), text("Besser", "Better"));
        int fehler = 0, kaestchen = 0;
        for (const QString &verlust : erwartet)
            fehler += verlust != "0", kaestchen += verlust.toInt();
        const QString summe = englisch ? QString("%1 mistake%2, %3 box%4 in all").arg(fehler).arg(fehler == 1 ? "" : "s")
                                              .arg(kaestchen).arg(kaestchen == 1 ? "" : "es")
                                        : QString("%1 Fehler, zusammen %2 Kästchen").arg(fehler).arg(kaestchen);
        QCOMPARE(dialog()->findChild<QLabel *>("zusammenfassung")->text(), fehler ? summe : text("Kein Fehler", "No mistakes"));
        const QRegularExpression seite(text("^[A-E][1-4] (oben|rechts|unten|links)", "^[A-E][1-4] (top|right|bottom|left)"));
        QVERIFY(seite.match(tabelle(*dialog())->item(0, 1)->text()).hasMatch());
        // Turns that lost boxes stand out, and name the better side.
        for (int zeile = 0; zeile < erwartet.size(); ++zeile) {
            QCOMPARE(tabelle(*dialog())->item(zeile, 2)->font().bold(), erwartet[zeile] != "0");
            QCOMPARE(tabelle(*dialog())->item(zeile, 3)->text().isEmpty(), erwartet[zeile] == "0");
        }
        // One point after every turn of either player, and one before them.
        const auto *chart = dialog()->findChild<QChartView *>()->chart();
        const auto *linie = qobject_cast<QXYSeries *>(chart->series().first());
        QCOMPARE(linie->count(), int(spiel().partie().verlauf().alle().size()) + 1);
    }

    // Early in a game nothing is known exactly: losses are estimates, marked
    // as such and not counted as mistakes.
    void schaetzung()
    {
        Spieltreiber::spiele(spiel(), [&] { return Computerspieler().waehle(spiel().stellung(), 5); }, 2);
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_VERIFY(dialog());
        QVERIFY(tabelle(*dialog())->item(0, 2)->text().startsWith("≈ "));
        QVERIFY(!tabelle(*dialog())->item(0, 2)->font().bold());
    }

    // Every side is named by a box it belongs to, the box left of it or
    // above it where there is one; at the left and top frame the box beside
    // it.
    void seitenname_data()
    {
        QTest::addColumn<int>("zeile");
        QTest::addColumn<int>("spalte");
        QTest::addColumn<int>("richtung");
        QTest::addColumn<QString>("name");
        QTest::newRow("left frame") << 1 << 0 << int(Richtung::links) << "A2 links";
        QTest::newRow("top frame") << 0 << 2 << int(Richtung::oben) << "C1 oben";
        QTest::newRow("between two in a row") << 0 << 1 << int(Richtung::links) << "A1 rechts";
        QTest::newRow("bottom frame") << 3 << 0 << int(Richtung::unten) << "A4 unten";
    }

    void seitenname()
    {
        QFETCH(int, zeile);
        QFETCH(int, spalte);
        QFETCH(int, richtung);
        QFETCH(QString, name);
        const Lage lage = Lage(spiel().stellung());
        QCOMPARE(Analyse::seitenname(lage.gitter(), lage.seite(zeile, spalte, richtung)), name);
    }

    // Choosing a row puts the game where the same number of undos would, and
    // the better side blinks green; redo leads forward again. A new game
    // closes the review.
    void zurueck()
    {
        Ansicht::setze(spiel(), Ansicht::endspiel);
        std::srand(3);
        Spieltreiber::spiele(spiel(), [&] { return Computerspieler::irgendeineSeite(spiel().stellung()); });
        const QVariantList ende = {Ansicht::zustand(spiel()), Ansicht::status(*fenster)};
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_VERIFY(dialog());
        QTableWidget *zuege = tabelle(*dialog());
        // The last of the human's turns that undo, two turns at a time, can
        // reach from the end.
        const int turns = int(spiel().partie().verlauf().alle().size());
        int zeile = zuege->rowCount() - 1;
        while (zeile > 0 && (turns - zuege->item(zeile, 0)->text().toInt()) % 2 == 0)
            --zeile;
        QVERIFY((turns - zuege->item(zeile, 0)->text().toInt()) % 2 == 1);
        zuege->setCurrentCell(zeile, 0);
        QTest::keyClick(zuege, Qt::Key_Return);
        QVERIFY(Ansicht::hatGruen(spiel()));
        Spieltreiber::computerRunde(spiel());
        const QVariantList gewaehlt = {Ansicht::zustand(spiel()), Ansicht::status(*fenster), Ansicht::bild(spiel())};

        while (Ansicht::aktiv(*fenster, "actionWiederherstellen"))
            Ansicht::loese(*fenster, "actionWiederherstellen");
        QCOMPARE(QVariantList({Ansicht::zustand(spiel()), Ansicht::status(*fenster)}), ende);
        for (int undos = (turns - zuege->item(zeile, 0)->text().toInt() + 1) / 2; undos > 0; --undos)
            Ansicht::loese(*fenster, "actionRueckgaengig");
        QCOMPARE(QVariantList({Ansicht::zustand(spiel()), Ansicht::status(*fenster), Ansicht::bild(spiel())}), gewaehlt);

        Ansicht::loese(*fenster, "actionNeues_Spiel");
        QTRY_VERIFY(!dialog());
    }

    // Cancelled, the review stops and leaves the game as it was; the window
    // closes safely while a review runs.
    void abbrechen_data()
    {
        QTest::addColumn<bool>("schliessen");
        QTest::newRow("cancel") << false;
        QTest::newRow("close the window") << true;
    }

    void abbrechen()
    {
        QFETCH(bool, schliessen);
        Ansicht::loese(*fenster, "actionLevel5");
        Ansicht::loese(*fenster, "actionGross");
        Spieltreiber::spiele(spiel(), [&] { return Computerspieler().waehle(spiel().stellung(), 5); }, 60);
        const QVariantList vorher = {Ansicht::zustand(spiel()), Ansicht::status(*fenster), Ansicht::bild(spiel())};
        Ansicht::loese(*fenster, "actionAnalyse");
        auto *fortschritt = fenster->findChild<QProgressDialog *>();
        QVERIFY(fortschritt);
        QCOMPARE(fortschritt->labelText(), text("Analyse läuft …", "Analysing …"));
        QVERIFY(!Ansicht::aktiv(*fenster, "actionAnalyse"));
        if (schliessen) {
            fenster.reset();
            return;
        }
        QTest::mouseClick(fortschritt->findChild<QPushButton *>(), Qt::LeftButton);
        QTRY_VERIFY(Ansicht::aktiv(*fenster, "actionAnalyse"));
        QCoreApplication::processEvents();
        QVERIFY(!dialog());
        QCOMPARE(QVariantList({Ansicht::zustand(spiel()), Ansicht::status(*fenster), Ansicht::bild(spiel())}), vorher);
    }
};

QTEST_MAIN(TestAnalyse)
#include "tst_analyse.moc"
