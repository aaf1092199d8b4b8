// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field/brettbild.h"
#include "game/spiellabel.h"
#include "model/richtung.h"
#include "savegame/zustandscode.h"
#include "shell/mainwindow.h"
#include "shell/qtuebersetzung.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QtTest>
#include <QtWidgets>

// A menu as a player reads it: each entry with its shortcut, "aus" when it is
// disabled, "an" when it is checked, "-" for a separator, and the entries of
// a sub-menu in parentheses.
static QString menue(const QWidget *leiste)
{
    QStringList eintraege;
    for (const QAction *a : leiste->actions()) {
        QStringList teile{a->isSeparator() ? "-" : a->text(), a->shortcut().toString(QKeySequence::NativeText), a->isEnabled() ? "" : "aus",
                          a->isChecked() ? "an" : "", a->menu() ? "(" + menue(a->menu()) + ")" : ""};
        teile.removeAll("");
        eintraege << teile.join(' ');
    }
    return eintraege.join(", ");
}

// The window: its menus, the status line, and the commands for size, level
// and who opens.
class TestHauptfenster : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    // With PUNKTFELD_SPRACHE=en the window speaks English, as for a player
    // whose system prefers English.
    const bool englisch = qEnvironmentVariable("PUNKTFELD_SPRACHE") == "en";

private slots:
    // Qt's own texts in German, as the game loads them; without the
    // catalogue nothing is loaded and they stay English. In English the
    // game's catalogue comes from the resources.
    void initTestCase()
    {
        QVERIFY(!ladeQtUebersetzung(*qApp, ordner.path()));
        QVERIFY(ladeUebersetzungen(*qApp, englisch ? "en" : "de"));
    }

    // The window at start; then each size gets a new board that the window
    // fits: as high as the picture, as wide as the picture or the longest
    // status line the board allows, which shows whole; the picture stays at
    // the top left. Choosing the size on the board already does nothing.
    // "Neues Spiel" cuts new holes. The status bar has no size grip; the
    // window's frame resizes it. All of it in either language.
    void groesse()
    {
        MainWindow fenster;
        fenster.show();
        QCOMPARE(menue(fenster.menuBar()),
                 englisch ? "File (New Game Ctrl+N, Open Game Ctrl+O, Save Game Ctrl+S, Save Game As Ctrl+Alt+S, -, "
                            "Quit Ctrl+Q), Edit (Undo Ctrl+Z aus, Redo Ctrl+Y aus, -, Hint Ctrl+H, Analysis … aus), Settings "
                            "(Size (Small, Medium, Large), Level (6 - Master, 5 - Strong, 4, 3 - Medium, 2, 1 - Weak), "
                            "Human Starts an)"
                          : "Datei (Neues Spiel Strg+N, Spiel öffnen Strg+O, Spiel speichern Strg+S, Spiel speichern "
                            "unter Strg+Alt+S, -, Beenden Strg+Q), Bearbeiten (Rückgängig Strg+Z aus, Wiederherstellen "
                            "Strg+Y aus, -, Tipp Strg+H, Analyse … aus), Einstellungen (Größe (Klein, Mittel, Groß), Level (6 - "
                            "Meister, 5 - Stark, 4, 3 - Mittel, 2, 1 - Schwach), Mensch startet an)");
        const QString statusMuster = englisch ? "Human: %1, Computer: %1, your turn" : "Mensch: %1, Computer: %1, du bist dran";
        const QString tippMuster = englisch ? "Hint: %1 of %1 boxes for you" : "Tipp: noch %1 von %1 Kästchen für dich";
        QCOMPARE(Ansicht::fett(fenster), QStringList({"actionKlein", "actionLevel5"}));
        QCOMPARE(fenster.windowTitle(), "Punktfeld");
        QCOMPARE(fenster.windowIcon().pixmap(32).toImage(), QIcon(":/icons/board.ico").pixmap(32).toImage());
        QCOMPARE(Ansicht::status(fenster), statusMuster.arg(0));
        SpielLabel &spiel = Ansicht::spiel(fenster);
        QLabel *zeile = fenster.statusBar()->findChild<QLabel *>();
        QVERIFY(!fenster.statusBar()->isSizeGripEnabled());
        const QStringList aktionen = {"actionKlein", "actionMittel", "actionGross"};
        for (int groesse : {1, 2, 0}) {
            Ansicht::druecke(spiel, Ansicht::druckpunkt(0, 0, 1));
            Ansicht::loese(fenster, aktionen[groesse]);
            QCOMPARE(Ansicht::fett(fenster), QStringList({aktionen[groesse], "actionLevel5"}));
            QVERIFY(!Ansicht::aktiv(fenster, "actionRueckgaengig"));
            const QSize bild = QSize(spiel.stellung().gitter().spalten(), spiel.stellung().gitter().zeilen()) * 40 + QSize(3, 4);
            QCOMPARE(Ansicht::bild(spiel).size(), bild);
            QTRY_COMPARE(spiel.height(), bild.height());
            QCOMPARE(spiel.grab().toImage().pixelColor(1, 20), QColor(Qt::black));
            // Every status line and hint the board allows shows whole, and
            // the window is no wider than the picture or the longest line
            // with the bar's few pixels of margin.
            int breitesteZeile = 0;
            for (char ziffer = '0'; ziffer <= '9'; ++ziffer) {
                const QString zahl(groesse ? 3 : 2, ziffer);
                const QString tipp = tippMuster.arg(zahl);
                QCOMPARE(Tipp::meldungstext(zahl, zahl), tipp);
                fenster.zeigeTippMeldung(tipp);
                QTRY_VERIFY(zeile->width() >= zeile->sizeHint().width());
                QVERIFY(zeile->geometry().right() < fenster.width());
                QCOMPARE(zeile->text(), tipp);
                fenster.setzeStatusText(statusMuster.arg(zahl));
                QCOMPARE(zeile->text(), tipp);
                fenster.zeigeTippMeldung(QString());
                QTRY_VERIFY(zeile->width() >= zeile->sizeHint().width());
                QVERIFY(zeile->geometry().right() < fenster.width());
                breitesteZeile = qMax(breitesteZeile, zeile->sizeHint().width());
            }
            QVERIFY(fenster.width() <= qMax(bild.width(), breitesteZeile + 20));
            QVERIFY(spiel.width() >= bild.width());
            QCOMPARE(fenster.height(), spiel.height() + fenster.menuBar()->height() + fenster.statusBar()->height());
            Ansicht::druecke(spiel, Ansicht::druckpunkt(0, 0, 1));
            const QByteArray stellung = Ansicht::zustand(spiel);
            Ansicht::loese(fenster, aktionen[groesse]);
            QCOMPARE(Ansicht::zustand(spiel), stellung);
            Ansicht::loese(fenster, "actionNeues_Spiel");
            QVERIFY(!Ansicht::aktiv(fenster, "actionRueckgaengig"));
            QCOMPARE(Ansicht::zustand(spiel).contains(char(Zustandscode::loch)), groesse > 0);
        }
    }

    // A larger window gets a larger board, painted anew for its size: as if
    // painted from the position at that scale, with as many pixels as the
    // screen shows, and a press finds its side. Back at the size it opened
    // at, the picture is the natural one again.
    void vergroessert_data()
    {
        QTest::addColumn<int>("groesse");
        QTest::addColumn<qreal>("faktor");
        QTest::newRow("small, doubled") << 0 << 2.0;
        QTest::newRow("medium, a little larger") << 1 << 1.3;
        QTest::newRow("large, smaller") << 2 << 0.8;
    }

    void vergroessert()
    {
        QFETCH(int, groesse);
        QFETCH(qreal, faktor);
        MainWindow fenster;
        fenster.setzeGroesse(groesse, false, true);
        fenster.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fenster));
        SpielLabel &spiel = Ansicht::spiel(fenster);
        const QImage natuerlich = Ansicht::bild(spiel);
        const QSize anfang = fenster.size();
        const QSize natur = spiel.grundgroesse();
        fenster.resize(anfang + (natur * faktor - natur));
        QTRY_COMPARE(spiel.height(), qRound(natur.height() * faktor));
        const qreal massstab = std::min(qreal(spiel.width()) / natur.width(), qreal(spiel.height()) / natur.height());
        const QImage gezeigt = Ansicht::bild(spiel);
        QCOMPARE(gezeigt.devicePixelRatio(), spiel.devicePixelRatioF());
        QCOMPARE(gezeigt.height(), int(std::ceil(natur.height() * massstab * spiel.devicePixelRatioF())));

        const Gitter &gitter = spiel.stellung().gitter();
        const int seite = gitter.seite(1, 1, Richtung::unten);
        QTest::mouseClick(&spiel, Qt::LeftButton, Qt::NoModifier, spiel.ausBild(Ansicht::druckpunkt(1, 1, Richtung::unten)));
        QCOMPARE(spiel.stellung().art(seite), Stellung::Art::gezogen);
        Spieltreiber::computerRunde(spiel);
        Brettbild frisch;
        frisch.setzeMassstab(massstab, spiel.devicePixelRatioF());
        frisch.male(spiel.stellung());
        QCOMPARE(Ansicht::bild(spiel), frisch.bild().toImage());

        Ansicht::loese(fenster, "actionNeues_Spiel");
        Ansicht::setze(spiel, "");
        fenster.resize(anfang);
        QTRY_COMPARE(spiel.height(), natur.height());
        if (groesse == 0)
            QCOMPARE(Ansicht::bild(spiel), natuerlich);
    }

    // Levels outside 2 to 6 mark "1 - Schwach" but reach the game as given,
    // which a saved file shows. "Mensch startet" changes only who opens the
    // next game.
    void levelUndMenschStartet()
    {
        MainWindow fenster;
        SpielLabel &spiel = Ansicht::spiel(fenster);
        const QString datei = ordner.filePath("level.pf");
        for (int level : {4, 0, 6, 3, 7, 2, -1, 5, 1}) {
            if (level >= 1 && level <= 6)
                Ansicht::loese(fenster, QString("actionLevel%1").arg(level));
            else
                fenster.setzeLevel(level);
            QCOMPARE(Ansicht::fett(fenster).value(1), QString("actionLevel%1").arg(level >= 2 && level <= 6 ? level : 1));
            QVERIFY(fenster.schreibeDatei(datei));
            QFile gespeichert(datei);
            QVERIFY(gespeichert.open(QIODevice::ReadOnly));
            QCOMPARE(gespeichert.readAll().at(1), char(level));
        }
        Ansicht::druecke(spiel, Ansicht::druckpunkt(0, 0, 1));
        Spieltreiber::computerRunde(spiel);
        const QByteArray stellung = Ansicht::zustand(spiel);
        Ansicht::loese(fenster, "actionMensch_startet");
        QCOMPARE(Ansicht::zustand(spiel), stellung);
        QVERIFY(!Spieltreiber::schritt(spiel));
        // The computer opens 300 ms after the new game.
        QElapsedTimer uhr;
        uhr.start();
        Ansicht::loese(fenster, "actionNeues_Spiel");
        QCOMPARE(Ansicht::status(fenster), "Mensch: 0, Computer: 0");
        QTRY_VERIFY(Ansicht::aktiv(fenster, "actionRueckgaengig"));
        QVERIFY(uhr.elapsed() >= 250);
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
