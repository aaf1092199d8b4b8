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
    int nehmen = -1, ablehnen = -1;
    return Faustregel::fangStelle(Lage(stellung), nehmen, ablehnen) ? nehmen : Computerspieler::irgendeineSeite(stellung);
}

// Turns the review's table shows without scrolling.
constexpr int sichtbareZuege = 3;

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
    // referee, always the best, or, seeded, taking what can be taken and
    // otherwise drawing at random. Each side of a turn is a decision of its own: the referee,
    // valuing the position before each side, finds the loss the review gives
    // it, and at the side that cost the most the review's better side is one
    // of the best there, never the side drawn. A row lists its turn's losses
    // together, exactly; perfect turns lose 0.
    void verluste_data()
    {
        QTest::addColumn<unsigned>("saat");
        QTest::newRow("perfect") << 0u;
        for (unsigned saat = 1; saat <= 6; ++saat)
            QTest::addRow("takes what it can, seed %u", saat) << saat;
    }

    void verluste()
    {
        QFETCH(unsigned, saat);
        Ansicht::setze(spiel(), Ansicht::endspiel);
        const Lage start = Lage(spiel().stellung());
        const Schiedsrichter richter(start);
        std::srand(saat);
        Spieltreiber::spiele(spiel(), [&] {
            const Lage lage = Lage(spiel().stellung());
            int gewaehlt = -1;
            for (int s = 0; s < lage.seitenAnzahl() && !saat; ++s) {
                if (lage.istFrei(s) && (gewaehlt < 0 || richter.zugwert(lage, s) > richter.zugwert(lage, gewaehlt)))
                    gewaehlt = s;
            }
            return saat ? nimmSonstIrgendwas(spiel().stellung()) : gewaehlt;
        });
        QVERIFY(Ansicht::status(*fenster).endsWith(text(", fertig", ", game over")));

        QSignalSpy fertig(fenster->findChild<Analyse *>(), &Analyse::fertig);
        QVERIFY(Ansicht::aktiv(*fenster, "actionAnalyse"));
        Ansicht::loese(*fenster, "actionAnalyse");
        // The progress bar shows each position valued, the last one too.
        QPointer<QProgressDialog> fortschritt = fenster->findChild<QProgressDialog *>();
        QVERIFY(fortschritt);
        const int stellungen = fortschritt->maximum();
        QStringList gezeigt, erwartetGezeigt;
        connect(fenster->findChild<Analyse *>(), &Analyse::fortschritt, this, [&](int fertig) {
            gezeigt << QString::number(fortschritt ? fortschritt->value() : -1);
            erwartetGezeigt << QString::number(fertig);
        });
        QTRY_VERIFY(dialog());
        QCOMPARE(fertig.count(), 1);
        QCOMPARE(gezeigt, erwartetGezeigt);
        QCOMPARE(gezeigt.size(), stellungen);
        const auto ergebnis = fertig.first().first().value<Analyse::Ergebnis>();
        const auto &verlauf = spiel().partie().verlauf().alle();
        Lage lage = start;
        QStringList erwartet;
        for (std::size_t eintrag = 0; eintrag < verlauf.size(); ++eintrag) {
            const auto zug = std::find_if(ergebnis.zuege.begin(), ergebnis.zuege.end(),
                                          [&](const Analyse::Zugbewertung &z) { return z.eintrag == eintrag; });
            QCOMPARE(zug != ergebnis.zuege.end(), verlauf[eintrag].spieler);
            int zugVerlust = 0;
            for (std::size_t j = 0; j < verlauf[eintrag].seiten.size(); ++j) {
                const int seite = verlauf[eintrag].seiten[j];
                if (zug != ergebnis.zuege.end()) {
                    const int bester = richter.wert(lage);
                    const int verlust = (bester - richter.zugwert(lage, seite)) / 2;
                    QCOMPARE(zug->seitenVerluste[j], verlust);
                    zugVerlust += verlust;
                    if (int(j) == zug->teuersteSeite) {
                        QVERIFY(zug->besteSeite != seite);
                        QCOMPARE(richter.zugwert(lage, zug->besteSeite), bester);
                    }
                }
                lage.ziehe(seite);
            }
            if (zug != ergebnis.zuege.end())
                erwartet << QString::number(zugVerlust);
        }
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
        // The table shows several turns at once, not only one or two.
        const QTableWidget &zeilen = *tabelle(*dialog());
        QVERIFY(zeilen.isVisible());
        const int sichtbar = zeilen.viewport()->height() / zeilen.rowHeight(0);
        QVERIFY2(sichtbar >= sichtbareZuege, qPrintable(QString::number(sichtbar)));
        // One point after every turn of either player, and one before them.
        const auto *chart = dialog()->findChild<QChartView *>()->chart();
        const auto *linie = qobject_cast<QXYSeries *>(chart->series().first());
        QCOMPARE(linie->count(), int(spiel().partie().verlauf().alle().size()) + 1);
    }

    // The long-chain rule counts turns. From any position of a game on the
    // medium board, frame and holes as they are, the player to move takes the last turn exactly
    // when the free sides less the open boxes plus the double-crosses still
    // to come are even; and where the long chains formed are as many as
    // those double-crosses, as the rule expects, it names that player. The
    // games: safe sides at random, then the shortest chain given away, and
    // the last two boxes handed back while long chains are left.
    void kettenregel()
    {
        std::srand(1);
        fenster->setzeGroesse(1, true, true);
        Lage lage(spiel().stellung());
        std::vector<Lage> lagen;
        std::vector<bool> ersterZieht, doppelt;
        bool erster = true;
        while (lage.freieSeiten() > 0) {
            lagen.push_back(lage);
            ersterZieht.push_back(erster);
            int nehmen = -1, ablehnen = -1;
            const std::vector<int> sicher = Faustregel::sichereSeiten(lage);
            int seite = sicher.empty() ? Faustregel::kuerzesteOeffnung(lage) : sicher[std::rand() % sicher.size()];
            if (Faustregel::fangStelle(lage, nehmen, ablehnen))
                seite = ablehnen >= 0 && Schiedsrichter::langeKetten(lage) > 0 ? ablehnen : nehmen;
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
    // counts nothing it does not know. The review opens beside the window,
    // never over the board, and on a laptop's screen (tst_analyse_laptop
    // gives it one) it fits whole beside even this board.
    void ruhigesSpiel()
    {
        Ansicht::loese(*fenster, "actionGross");
        fenster->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenster.get()));
        std::srand(25);
        Spieltreiber::spiele(spiel(), [&] {
            const std::vector<int> sicher = Faustregel::sichereSeiten(Lage(spiel().stellung()));
            return sicher[static_cast<std::size_t>(std::rand()) % sicher.size()];
        }, 13);
        Ansicht::loese(*fenster, "actionAnalyse");
        QTRY_VERIFY_WITH_TIMEOUT(dialog() && dialog()->isVisible(), 60000);
        const QRegularExpression verlust("^(—|(≈ )?[0-2])$");
        for (const QString &text : spalte(*tabelle(*dialog()), 2))
            QVERIFY2(verlust.match(text).hasMatch(), qPrintable(text));
        QVERIFY(dialog()->findChild<QLabel *>("zusammenfassung")->text().startsWith(text("Kein Fehler", "No mistakes")));
        QVERIFY(!dialog()->frameGeometry().intersects(QRect(spiel().mapToGlobal(QPoint(0, 0)), spiel().size())));
        if (dialog()->screen()->size().width() >= 1366)
            QVERIFY(dialog()->screen()->availableGeometry().contains(dialog()->frameGeometry()));
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
        std::srand(2);
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
