// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field/brettbild.h"
#include "game/spiellabel.h"
#include "model/richtung.h"
#include "savegame/zustandscode.h"
#include "shell/endmeldung.h"
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

// The board's top row is one chain of six free boxes, closed at both ends;
// of the other boxes, all owned, the human has the first `mensch`.
static QString kette(int mensch)
{
    QString zeichnung = "+--+--+--+--+--+--+\n|                 |\n";
    for (int feld = 0; feld < 24; ++feld)
        zeichnung += QString(feld % 6 ? "" : "+--+--+--+--+--+--+\n|") + (feld < mensch ? "H |" : "C |") + (feld % 6 == 5 ? "\n" : "");
    return zeichnung + "+--+--+--+--+--+--+";
}

static bool zeigtCyan(const SpielLabel &spiel)
{
    // 32-bit rows need no padding.
    const QImage bild = Ansicht::bild(spiel).convertToFormat(QImage::Format_RGB32);
    const auto *pixel = reinterpret_cast<const QRgb *>(bild.constBits());
    return std::count(pixel, pixel + bild.width() * bild.height(), QColor(Qt::cyan).rgb()) > 0;
}

// The window: its menus, the status line, and the commands for size, level
// and who opens.
class TestHauptfenster : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    // Characters in a line of text below which reading gets tiring.
    static constexpr int kuerzesteZeile = 45;
    // With PUNKTFELD_SPRACHE=en the window speaks English, as for a player
    // whose system prefers English.
    const bool englisch = qEnvironmentVariable("PUNKTFELD_SPRACHE") == "en";

private slots:
    // Qt's own texts in German, as the game loads them; without the
    // catalogue nothing is loaded and they stay English. In English the
    // game's catalogue comes from the resources.
    void initTestCase()
    {
        // Each run keeps the choice in a folder of its own, and starts
        // without it.
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, ordner.path());
        QCoreApplication::setOrganizationName("Punktfeld");
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
                 englisch ? "&File (&New Game Ctrl+N, &Open Game Ctrl+O, &Save Game Ctrl+S, Save Game &As Ctrl+Alt+S, -, "
                            "&Quit Ctrl+Q), &Edit (&Undo Ctrl+Z aus, &Redo Ctrl+Y aus, -, &Hint Ctrl+H, &Analysis … aus), "
                            "&Settings (&Size (&Small, &Medium, &Large), &Level (&6 - Master, &5 - Strong, &4, &3 - Medium, "
                            "&2, &1 - Weak), &Human Starts an, &Fast Play), &Help (&Rules F1, &About Punktfeld)"
                          : "&Datei (&Neues Spiel Strg+N, Spiel ö&ffnen Strg+O, &Spiel speichern Strg+S, Spiel speichern "
                            "&unter Strg+Alt+S, -, &Beenden Strg+Q), &Bearbeiten (&Rückgängig Strg+Z aus, &Wiederherstellen "
                            "Strg+Y aus, -, &Tipp Strg+H, &Analyse … aus), &Einstellungen (&Größe (&Klein, &Mittel, &Groß), "
                            "&Level (&6 - Meister, &5 - Stark, &4, &3 - Mittel, &2, &1 - Schwach), &Mensch startet an, "
                            "&Zügig spielen), &Hilfe (&Spielregeln F1, Über &Punktfeld)");
        const QString statusMuster = englisch ? "Human: %1, Computer: %1, your turn" : "Mensch: %1, Computer: %1, du bist dran";
        const QString tippMuster = englisch ? "Hint: %1 of %1 boxes for you" : "Tipp: noch %1 von %1 Kästchen für dich";
        QCOMPARE(Ansicht::fett(fenster), QStringList({"actionKlein", "actionLevel5"}));
        QCOMPARE(fenster.windowTitle(), "Punktfeld");
        QCOMPARE(fenster.windowIcon().pixmap(32).toImage(), QIcon(":/icons/board.ico").pixmap(32).toImage());
        QCOMPARE(Ansicht::status(fenster), statusMuster.arg(0));
        SpielLabel &spiel = Ansicht::spiel(fenster);
        QLabel *zeile = fenster.statusBar()->findChild<QLabel *>();
        QLabel *ende = fenster.statusBar()->findChild<QLabel *>("endmeldung");
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
            // Every status line and hint the board allows shows whole.
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
                // The last line with each end message beside it; their
                // texts are checked where games end.
                fenster.setzeStatusText(Partie::statuszeile(zahl, zahl, true, false));
                for (const QString &meldung : Endmeldung::alleMeldungen(zahl)) {
                    ende->setText(meldung);
                    QTRY_VERIFY(ende->width() >= ende->sizeHint().width() && ende->x() >= zeile->geometry().right()
                                && ende->geometry().right() < fenster.width());
                }
            }
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

    // Each menu's entries have Alt letters of their own, and no key serves
    // two commands; the desktop's keys for redo and "save as" serve beside
    // the game's own. F10 and Alt with the first menu's letter open the
    // first menu, and F1 the rules.
    void tasten()
    {
        MainWindow fenster;
        fenster.show();
        QVERIFY(QTest::qWaitForWindowActive(&fenster));
        // The menu bar and the menus; under Qt 5 the bar's button for
        // entries that do not fit holds an action without text.
        QStringList belegt;
        for (const QWidget *menue : fenster.findChildren<QWidget *>()) {
            if (!menue->inherits("QMenu") && !menue->inherits("QMenuBar"))
                continue;
            QStringList buchstaben;
            for (const QAction *eintrag : menue->actions()) {
                buchstaben << (eintrag->isSeparator() ? "-" : QKeySequence::mnemonic(eintrag->text()).toString());
                for (const QKeySequence &taste : eintrag->shortcuts())
                    belegt << taste.toString();
            }
            buchstaben.removeAll("-");
            QVERIFY2(!buchstaben.contains("") && buchstaben.removeDuplicates() == 0, qPrintable(buchstaben.join(' ')));
        }
        QVERIFY2(belegt.removeDuplicates() == 0, qPrintable(belegt.join(' ')));
        QVERIFY(fenster.findChild<QAction *>("actionWiederherstellen")->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
        QVERIFY(fenster.findChild<QAction *>("actionSpiel_speichern_unter")->shortcuts().contains(QKeySequence("Ctrl+Shift+S")));
        QMenu *datei = fenster.findChild<QMenu *>("menuDatei");
        for (const QKeySequence &taste : {QKeySequence(Qt::Key_F10), QKeySequence::mnemonic(datei->title())}) {
            QTest::keySequence(&fenster, taste);
            QTRY_VERIFY2(datei->isVisible(), qPrintable(taste.toString()));
            datei->close();
        }
        QTest::keyClick(&fenster, Qt::Key_F1);
        QTRY_COMPARE(QApplication::activeWindow()->windowTitle(), englisch ? "Rules" : "Spielregeln");
        QCOMPARE(Ansicht::spiel(fenster).toolTip().count(englisch ? "smiling face" : "lächelndes Gesicht"), 1);
    }

    // The end of a game says who won beside the status line, which ends as
    // before; the game going on again ends the message at once, else it goes
    // after a few seconds.
    void endmeldung_data()
    {
        QTest::addColumn<int>("mensch");
        QTest::addColumn<QList<int>>("spalten");
        QTest::addColumn<QString>("meldung");
        // The human takes the chain, side by side, or opens it for the computer.
        QTest::newRow("gewonnen") << 12 << QList<int>{0, 1, 2, 3, 4} << (englisch ? "You won, 18 to 12!" : "Gewonnen, 18 zu 12!");
        QTest::newRow("verloren") << 10 << QList<int>{2} << (englisch ? "You lost, 10 to 20." : "Verloren, 10 zu 20.");
        QTest::newRow("unentschieden") << 9 << QList<int>{0, 1, 2, 3, 4} << (englisch ? "A draw, 15 to 15." : "Unentschieden, 15 zu 15.");
    }
    void endmeldung()
    {
        QFETCH(int, mensch);
        QFETCH(QList<int>, spalten);
        QFETCH(QString, meldung);
        MainWindow fenster;
        SpielLabel &spiel = Ansicht::spiel(fenster);
        QLabel *ende = fenster.statusBar()->findChild<QLabel *>("endmeldung");
        Ansicht::setze(spiel, kette(mensch));
        for (int spalte : spalten)
            Ansicht::druecke(spiel, Ansicht::druckpunkt(0, spalte, 1));
        Spieltreiber::computerRunde(spiel);
        QCOMPARE(ende->text(), meldung);
        QVERIFY(Ansicht::status(fenster).endsWith(englisch ? ", game over" : ", fertig"));
        if (spalten.size() > 1)
            Ansicht::loese(fenster, "actionRueckgaengig");
        QTRY_COMPARE_WITH_TIMEOUT(ende->text(), QString(), spalten.size() > 1 ? 0 : 10000);
    }

    // The rules open at a size that reads comfortably: lines of at least
    // the shortest measure typographers recommend, and no scrolling sideways.
    void regeln()
    {
        MainWindow fenster;
        Ansicht::loese(fenster, "actionSpielregeln");
        QDialog *regeln = nullptr;
        QTRY_VERIFY((regeln = fenster.findChild<QDialog *>()) && regeln->isVisible());
        const auto *text = regeln->findChild<QTextBrowser *>();
        const int zeichen = text->viewport()->width() / text->fontMetrics().averageCharWidth();
        QVERIFY2(zeichen >= kuerzesteZeile, qPrintable(QString::number(zeichen)));
        QVERIFY(!text->horizontalScrollBar()->isVisible());
    }

    // "Zügig spielen" is kept, and nothing else is. Then the computer's
    // sides of one turn come without its pause: the next side before a
    // quarter of it has passed since the last box closed; and each blinks
    // briefly: cyan already at 60 ms, where the usual blink shows it at
    // 100 ms. Both are probed with timers that start just before the game's,
    // and timers that are due run in the order of their ends, whatever the
    // load.
    void zuegig()
    {
        // Off at first, as the menus show; chosen in one window, kept for
        // the next.
        Ansicht::loese(*std::make_unique<MainWindow>(), "actionZuegig");
        QCOMPARE(QSettings().allKeys(), QStringList{"zuegig"});
        MainWindow fenster;
        QVERIFY(fenster.findChild<QAction *>("actionZuegig")->isChecked());
        SpielLabel &spiel = Ansicht::spiel(fenster);
        const Partie &partie = spiel.partie();
        QStringList fehler;
        int seiten = 0;
        // The human only opens the chain; the computer takes it.
        Ansicht::setze(spiel, kette(10));
        Ansicht::druecke(spiel, Ansicht::druckpunkt(0, 2, 1));
        connect(&partie, &Partie::seiteGezogen, &spiel, [&] {
            ++seiten;
            QTimer::singleShot(60, &spiel, [&] { fehler << (zeigtCyan(spiel) ? "" : "kein Blinken"); });
        });
        connect(&partie, &Partie::feldGeschlossen, &spiel, [&] {
            QTimer::singleShot(75, &spiel, [&, bisher = seiten] { fehler << (seiten > bisher || partie.istFertig() ? "" : "Pause"); });
        });
        // One probe for each of the computer's four sides and six boxes, and
        // none finds fault.
        QTRY_COMPARE(fehler.join('|'), QString(4 + 6 - 1, '|'));
    }
};

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
