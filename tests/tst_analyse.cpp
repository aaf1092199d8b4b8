// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/faustregel.h"
#include "computer/kettenregel.h"
#include "game/analyse.h"
#include "game/partie.h"
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

// The human takes a box where one can be taken, else draws any free side.
int nimmSonstIrgendwas(const Stellung &stellung)
{
    const Lage lage(stellung);
    for (int s = 0; s < lage.seitenAnzahl(); ++s) {
        Lage danach = lage;
        if (lage.istFrei(s) && danach.ziehe(s) > 0)
            return s;
    }
    return Computerspieler::irgendeineSeite(stellung);
}

// The human draws a safe side at random.
int ruhigeSeite(const Stellung &stellung)
{
    const std::vector<int> sicher = Faustregel::sichereSeiten(Lage(stellung));
    return sicher[static_cast<std::size_t>(std::rand()) % sicher.size()];
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
        const QString summe = englisch ? QString("%1 mistake%2: %3 box%4 given away").arg(fehler).arg(fehler == 1 ? "" : "s")
                                              .arg(kaestchen).arg(kaestchen == 1 ? "" : "es")
                                        : QString("%1 Fehler: %2 Kästchen verschenkt").arg(fehler).arg(kaestchen);
        QCOMPARE(dialog()->findChild<QLabel *>("zusammenfassung")->text(), fehler ? summe : text("Kein Fehler", "No mistakes"));
        const QRegularExpression seite(text("^[A-E][1-4] (oben|rechts|unten|links)", "^[A-E][1-4] (top|right|bottom|left)"));
        QVERIFY(seite.match(tabelle(*dialog())->item(0, 1)->text()).hasMatch());
        // Turns that lost boxes stand out, mark the side that cost them, and
        // name the better side.
        for (int zeile = 0; zeile < erwartet.size(); ++zeile) {
            QCOMPARE(tabelle(*dialog())->item(zeile, 2)->font().bold(), erwartet[zeile] != "0");
            QCOMPARE(tabelle(*dialog())->item(zeile, 3)->text().isEmpty(), erwartet[zeile] == "0");
            QCOMPARE(tabelle(*dialog())->item(zeile, 1)->text().contains("(−"), erwartet[zeile] != "0");
        }
        // One point after every turn of either player, and one before them.
        const auto *chart = dialog()->findChild<QChartView *>()->chart();
        const auto *linie = qobject_cast<QXYSeries *>(chart->series().first());
        QCOMPARE(linie->count(), int(spiel().partie().verlauf().alle().size()) + 1);
    }

    // Each side of a turn is a decision of its own: a player who takes what
    // it can and otherwise draws at random loses boxes at some side of a
    // turn, and the referee, valuing the position before each side, finds
    // the same loss at that side and the better side there; that is never the
    // side drawn.
    void jedeSeite_data()
    {
        QTest::addColumn<unsigned>("saat");
        for (unsigned saat = 1; saat <= 6; ++saat)
            QTest::addRow("seed %u", saat) << saat;
    }

    void jedeSeite()
    {
        QFETCH(unsigned, saat);
        Ansicht::setze(spiel(), Ansicht::endspiel);
        const Lage start = Lage(spiel().stellung());
        const Schiedsrichter richter(start);
        std::srand(saat);
        Spieltreiber::spiele(spiel(), [&] { return nimmSonstIrgendwas(spiel().stellung()); });
        auto *analyse = fenster->findChild<Analyse *>();
        QSignalSpy fertig(analyse, &Analyse::fertig);
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_COMPARE(fertig.count(), 1);
        const auto ergebnis = fertig.first().first().value<Analyse::Ergebnis>();
        const auto &verlauf = spiel().partie().verlauf().alle();
        Lage lage = start;
        std::size_t eintrag = 0;
        for (const Analyse::Zugbewertung &zug : ergebnis.zuege) {
            for (; eintrag < zug.eintrag; ++eintrag)
                for (const int s : verlauf[eintrag].seiten)
                    lage.ziehe(s);
            const std::vector<int> &seiten = verlauf[eintrag].seiten;
            for (std::size_t j = 0; j < seiten.size(); ++j) {
                const int bester = richter.wert(lage);
                QCOMPARE(zug.seitenVerluste[j], (bester - richter.zugwert(lage, seiten[j])) / 2);
                if (int(j) == zug.teuersteSeite) {
                    QVERIFY(zug.besteSeite != seiten[j]);
                    QCOMPARE(richter.zugwert(lage, zug.besteSeite), bester);
                }
                lage.ziehe(seiten[j]);
            }
            QCOMPARE(zug.teuersteSeite < 0, zug.sichererVerlust == 0);
            ++eintrag;
        }
    }

    // The long-chain rule counts turns. From any position of a game, frame
    // and holes as they are, the player to move takes the last turn exactly
    // when the free sides less the open boxes plus the double-crosses still
    // to come are even; and where the long chains formed are as many as
    // those double-crosses, as the rule expects, it names that player. The
    // games: safe sides at random, then the shortest chain given away, and
    // the last two boxes handed back while long chains are left.
    void kettenregel_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<unsigned>("saat");
        // Seeds whose games form long chains: in some game of the small
        // board they never do.
        for (const unsigned saat : {1u, 3u, 4u, 5u}) {
            QTest::addRow("small, seed %u", saat) << 0 << saat;
            QTest::addRow("medium with holes, seed %u", saat) << 1 << saat;
        }
    }

    void kettenregel()
    {
        QFETCH(int, groesse);
        QFETCH(unsigned, saat);
        std::srand(saat);
        fenster->setzeGroesse(groesse, true, true);
        Lage lage(spiel().stellung());
        std::vector<Lage> lagen;
        std::vector<bool> ersterZieht;
        std::vector<int> doppelt;
        bool erster = true;
        while (lage.freieSeiten() > 0) {
            lagen.push_back(lage);
            ersterZieht.push_back(erster);
            int nehmen = -1, ablehnen = -1, seite = -1;
            if (Faustregel::fangStelle(lage, nehmen, ablehnen))
                seite = ablehnen >= 0 && Schiedsrichter::langeKetten(lage) > 0 ? ablehnen : nehmen;
            const std::vector<int> sicher = Faustregel::sichereSeiten(lage);
            if (seite < 0)
                seite = sicher.empty() ? Faustregel::kuerzesteOeffnung(lage)
                                       : sicher[static_cast<std::size_t>(std::rand()) % sicher.size()];
            const int fertig = lage.ziehe(seite);
            doppelt.push_back(fertig == 2);
            erster = fertig > 0 ? erster : !erster;
        }
        int kommend = 0, geprueft = 0;
        for (std::size_t i = lagen.size(); i-- > 0;) {
            kommend += doppelt[i];
            const bool letzterZug = ersterZieht[i] == erster;
            QCOMPARE((lagen[i].freieSeiten() - lagen[i].offeneFelder() + kommend) % 2 == 0, letzterZug);
            if (Schiedsrichter::langeKetten(lagen[i]) == kommend) {
                QCOMPARE(Kettenregel::kontrolle(lagen[i]) == Kettenregel::Kontrolle::amZug, letzterZug);
                ++geprueft;
            }
        }
        QVERIFY(geprueft > 0);
    }

    // On the large board after 25 quiet turns nothing is known exactly: no
    // row charges more than the estimates' measured error, and the summary
    // counts nothing it does not know.
    void ruhigesSpiel()
    {
        Ansicht::loese(*fenster, "actionGross");
        std::srand(25);
        Spieltreiber::spiele(spiel(), [&] { return ruhigeSeite(spiel().stellung()); }, 13);
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_VERIFY_WITH_TIMEOUT(dialog(), 60000);
        const QRegularExpression verlust("^(—|(≈ )?[0-2])$");
        for (const QString &text : spalte(*tabelle(*dialog()), 2))
            QVERIFY2(verlust.match(text).hasMatch(), qPrintable(text));
        QVERIFY(dialog()->findChild<QLabel *>("zusammenfassung")->text().startsWith(text("Kein Fehler", "No mistakes")));
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

    // The review opens beside the window, never over the board, and whole on
    // the screen; the large board needs a laptop's screen for that.
    void nebenDemBrett_data()
    {
        QTest::addColumn<QString>("groesse");
        QTest::addColumn<QSize>("schirm");
        QTest::newRow("small") << "actionKlein" << QSize(800, 600);
        QTest::newRow("medium") << "actionMittel" << QSize(1366, 768);
        QTest::newRow("large") << "actionGross" << QSize(1366, 768);
    }

    void nebenDemBrett()
    {
        QFETCH(QString, groesse);
        QFETCH(QSize, schirm);
        const QSize vorhanden = QGuiApplication::primaryScreen()->size();
        if (vorhanden.width() < schirm.width() || vorhanden.height() < schirm.height())
            QSKIP("The screen is smaller than this board needs: tst_analyse_laptop gives it one.");
        Ansicht::loese(*fenster, "actionLevel5");
        Ansicht::loese(*fenster, groesse);
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        Spieltreiber::spiele(spiel(), [&] { return Computerspieler().waehle(spiel().stellung(), 5); }, 3);
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_VERIFY(dialog());
        QTRY_VERIFY(dialog()->isVisible());
        const QRect brett(spiel().mapToGlobal(QPoint(0, 0)), spiel().size());
        QVERIFY(!dialog()->frameGeometry().intersects(brett));
        QVERIFY(dialog()->screen()->availableGeometry().contains(dialog()->frameGeometry()));
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
