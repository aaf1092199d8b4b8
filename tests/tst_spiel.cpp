#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "invarianten.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "stellung.h"

#include <QtTest>

#include <cstdlib>
#include <set>

using Felder = QList<QPoint>; // column, row

// All boxes are the computer's but the first two, with the one free side between them.
static const QString zweiOffen =
    "+\n|     |C |C |C |C |\n" + QString("+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n").repeated(4);

// The turns of a game: the human's presses, the blinking side, the
// computer's moves, undo and redo.
class TestSpiel : public QObject
{
    Q_OBJECT
    QScopedPointer<MainWindow> fenster;
    SpielLabel *spiel = nullptr;
    QString status() const { return Stellung::status(*fenster); }
    void loese(const char *aktion) { Stellung::loese(*fenster, aktion); }
    bool aktiv(const char *aktion) const { return Stellung::aktiv(*fenster, aktion); }
    QColor mitte(const Feld *feld, int richtung) const
    {
        static const QPoint abstand[4] = {{20, 0}, {40, 20}, {20, 40}, {0, 20}};
        const QPoint p = QPoint(feld->pixelX(), feld->pixelY()) + abstand[richtung];
        return Stellung::pixel(*spiel, p.x(), p.y());
    }

private slots:
    void init()
    {
        fenster.reset(new MainWindow);
        spiel = &Stellung::spiel(*fenster);
        std::srand(1);
    }

    void druck_data()
    {
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<QPoint>("feld"); // column, row
        QTest::addColumn<int>("richtung"); // -1: no box is addressed
        QTest::newRow("Rahmen bei 0, 0") << QPoint(0, 0) << QPoint(0, 0) << 0;
        QTest::newRow("schon gezogen") << Stellung::druckpunkt(2, 2, 0) << QPoint(2, 2) << 0;
        for (const QPoint &p : {QPoint(241, 100), QPoint(242, 5), QPoint(100, 202), QPoint(5, 203)})
            QTest::addRow("neben dem Brett, %d, %d", p.x(), p.y()) << p << QPoint() << -1;
    }

    // A side that cannot be taken is red at once, then normal, red and
    // normal 100 ms apart; presses meanwhile change nothing. Presses beside
    // the boxes change nothing at all.
    void druck()
    {
        QFETCH(QPoint, punkt);
        QFETCH(QPoint, feld);
        QFETCH(int, richtung);
        Stellung::setze(*spiel, "+\n\n+\n\n+     +--+"); // the top of box (2, 2) taken
        const QVariantList vorher = Invarianten::abbild(*fenster);
        const Feld *f = richtung < 0 ? nullptr : spiel->brett().feld(feld.y(), feld.x());
        Stellung::druecke(*spiel, punkt);
        for (int schritt = 0; f && schritt < 4; ++schritt) {
            QCOMPARE(mitte(f, richtung), QColor(schritt % 2 ? Qt::black : Qt::red));
            if (schritt < 3)
                Stellung::druecke(*spiel, Stellung::druckpunkt(3, 3, 2));
            QCOMPARE(Spieltreiber::schritt(*spiel), schritt < 3);
        }
        QCOMPARE(Invarianten::abbild(*fenster), vorher);
    }

    void zug_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<QPoint>("punkt");
        QTest::addColumn<Felder>("felder");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("kein Feld") << QString() << Stellung::druckpunkt(1, 1, 0) << Felder{} << "Mensch: 0, Computer: 0";
        QTest::newRow("ein Feld") << "+\n\n+--+" << Stellung::druckpunkt(0, 0, 1) << Felder{{0, 0}}
                                  << "Mensch: 1, Computer: 0, du bist dran";
        QTest::newRow("zwei") << "+\n|     |\n+--+--+" << Stellung::druckpunkt(0, 1, 3) << Felder{{1, 0}, {0, 0}}
                              << "Mensch: 2, Computer: 0, du bist dran";
        QTest::newRow("die letzten") << zweiOffen << Stellung::druckpunkt(0, 0, 1) << Felder{{0, 0}, {1, 0}}
                                     << "Mensch: 2, Computer: 28, fertig";
    }

    void zug()
    {
        QFETCH(QString, zeichnung);
        QFETCH(QPoint, punkt);
        QFETCH(Felder, felder);
        QFETCH(QString, zeile);
        Stellung::setze(*spiel, zeichnung);
        const QByteArray vorher = Stellung::zustand(*spiel);
        Stellung::druecke(*spiel, punkt, Qt::RightButton);
        Stellung::druecke(*spiel, punkt, Qt::MiddleButton);
        QCOMPARE(Stellung::zustand(*spiel), vorher);
        Stellung::druecke(*spiel, punkt);
        for (const QPoint &f : felder) // an eye of the human's symbol
            QCOMPARE(Stellung::pixel(*spiel, 15 + 40 * f.x(), 16 + 40 * f.y()), QColor(Qt::blue));
        QCOMPARE(status(), zeile);
        if (zeile.endsWith(", du bist dran")) {
            // The human moves again, in the same turn: after the computer's
            // reply one undo takes back both turns, every side of the human's.
            Stellung::druecke(*spiel, Stellung::druckpunkt(3, 3, 0));
            Spieltreiber::computerRunde(*spiel);
            loese("actionRueckgaengig");
            QCOMPARE(Stellung::zustand(*spiel), vorher);
            QCOMPARE(status(), "Mensch: 0, Computer: 0, du bist dran");
            return;
        }
        // The computer's turn, or the game is over: presses are ignored.
        const QByteArray jetzt = Stellung::zustand(*spiel);
        Stellung::druecke(*spiel, Stellung::druckpunkt(4, 4, 0));
        QCOMPARE(Stellung::zustand(*spiel), jetzt);
        QCOMPARE(Spieltreiber::schritt(*spiel), felder.isEmpty());
    }

    void computerZug_data()
    {
        QTest::addColumn<QString>("zeichnung");
        QTest::addColumn<int>("felder");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("keins") << QString() << 0 << "Mensch: 0, Computer: 0, du bist dran";
        QTest::newRow("eins") << "+\n\n+--+" << 1 << "Mensch: 0, Computer: 1";
        QTest::newRow("die letzten") << zweiOffen << 2 << "Mensch: 0, Computer: 30, fertig";
    }

    // The computer's side is black at its move, cyan 100 ms later, black
    // again after 200 ms, and only then are the boxes it completed marked.
    void computerZug()
    {
        QFETCH(QString, zeichnung);
        QFETCH(int, felder);
        spiel->setMenschStartet(false);
        spiel->neuesSpiel(0, false);
        Stellung::setze(*spiel, zeichnung);
        std::set<const void *> vorher;
        for (const Feld *f : spiel->brett())
            vorher.insert({f->istGeschlossen() ? f : nullptr, f->seite(1)->istFrei() ? f->seite(1) : nullptr,
                           f->seite(2)->istFrei() ? f->seite(2) : nullptr});
        QVERIFY(Spieltreiber::schritt(*spiel));
        std::pair<const Feld *, int> seite;
        std::vector<const Feld *> neu;
        for (const Feld *f : spiel->brett()) {
            for (int d : {1, 2})
                seite = vorher.count(f->seite(d)) && f->seite(d)->istGezogen() ? std::make_pair(f, d) : seite;
            if (f->istGeschlossen() && !vorher.count(f))
                neu.push_back(f);
        }
        QCOMPARE(int(neu.size()), felder);
        for (int schritt = 0; schritt < 3; ++schritt) {
            QVERIFY(schritt == 0 || Spieltreiber::schritt(*spiel));
            QCOMPARE(mitte(seite.first, seite.second), QColor(schritt == 1 ? Qt::cyan : Qt::black));
            for (const Feld *f : neu) // the top edge of the computer's symbol
                QCOMPARE(Stellung::pixel(*spiel, f->pixelX() + 20, f->pixelY() + 8), QColor(schritt == 2 ? Qt::black : Qt::yellow));
        }
        QTEST(status(), "zeile");
    }

    // Undo during the computer's turn does nothing; after it, undo goes back
    // to the start and redo forward again.
    void zurueckUndWieder()
    {
        for (const bool menschBeginnt : {true, false}) {
            spiel->setMenschStartet(menschBeginnt);
            spiel->neuesSpiel(0, false);
            const QVariantList vorher = Invarianten::abbild(*fenster);
            if (menschBeginnt) // the computer completes box (0, 0) in reply
                Stellung::druecke(*spiel, Stellung::druckpunkt(0, 0, 1));
            QVERIFY(Spieltreiber::schritt(*spiel));
            const QByteArray mitten = Stellung::zustand(*spiel);
            loese("actionRueckgaengig");
            QCOMPARE(Stellung::zustand(*spiel), mitten);
            Spieltreiber::computerRunde(*spiel);
            const QVariantList nachher = Invarianten::abbild(*fenster);
            loese("actionRueckgaengig");
            QCOMPARE(Invarianten::abbild(*fenster).mid(0, 2), vorher.mid(0, 2));
            QCOMPARE(status(), "Mensch: 0, Computer: 0, du bist dran");
            QVERIFY(!aktiv("actionRueckgaengig"));
            QVERIFY(aktiv("actionWiederherstellen"));
            loese("actionWiederherstellen");
            QCOMPARE(Invarianten::abbild(*fenster), nachher);
            QVERIFY(!aktiv("actionWiederherstellen"));
            // A red blink ends when moves are taken back under it.
            Stellung::druecke(*spiel, QPoint(0, 0));
            QCOMPARE(Stellung::pixel(*spiel, 21, 2), QColor(Qt::red));
            loese("actionRueckgaengig");
            QCOMPARE(Invarianten::abbild(*fenster).mid(0, 2), vorher.mid(0, 2));
            QVERIFY(!Spieltreiber::laeuft(*spiel));
            // After an undo, even a press on the frame leaves redo nothing to do.
            Stellung::druecke(*spiel, QPoint(0, 0));
            QVERIFY(!aktiv("actionWiederherstellen"));
        }
    }

    // The human opens the right block, the computer eats it and opens the
    // left one; after the human has taken the last boxes there, undo takes
    // back the human's turn and the computer's before it, and the game goes on.
    void spielendeZurueck()
    {
        const QString reihe = "+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n";
        Stellung::setze(*spiel, "+--+--+--+--+--+--+\n|     |C |C |     |\n+  +  +--+--+  +  +\n|     |C |C |     |\n"
                                    + reihe.repeated(3));
        Stellung::druecke(*spiel, Stellung::druckpunkt(1, 4, 0));
        const QByteArray nachErstemZug = Stellung::zustand(*spiel);
        Spieltreiber::computerRunde(*spiel);
        while (!status().endsWith(", fertig")) {
            Feld *f = *std::find_if(spiel->brett().begin(), spiel->brett().end(),
                                    [](const Feld *f) { return f->anzahlGeschlossen() == 3; });
            Stellung::druecke(*spiel, Spieltreiber::druckpunkt({f, f->freieRichtungen().front()}));
        }
        QCOMPARE(status(), "Mensch: 4, Computer: 26, fertig");
        loese("actionRueckgaengig");
        QCOMPARE(Stellung::zustand(*spiel), nachErstemZug);
        QCOMPARE(status(), "Mensch: 0, Computer: 22, du bist dran");
    }

    // After the computer has ended the game, undo takes back its last turn
    // and the human's before it, and the human is to move; redo ends the
    // game again.
    void computerBeendetZurueck()
    {
        const QString reihe = "+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n";
        Stellung::setze(*spiel, "+--+--+--+--+--+--+\n|     |C |C |C |C |\n+  +  +--+--+--+--+\n|     |C |C |C |C |\n"
                                    + reihe.repeated(3));
        const QByteArray anfang = Stellung::zustand(*spiel);
        Stellung::druecke(*spiel, Stellung::druckpunkt(0, 0, 1));
        Spieltreiber::computerRunde(*spiel);
        QCOMPARE(status(), "Mensch: 0, Computer: 30, fertig");
        loese("actionRueckgaengig");
        QCOMPARE(Stellung::zustand(*spiel), anfang);
        QCOMPARE(status(), "Mensch: 0, Computer: 26, du bist dran");
        loese("actionWiederherstellen");
        QCOMPARE(status(), "Mensch: 0, Computer: 30, fertig");
    }
};

QTEST_MAIN(TestSpiel)
#include "tst_spiel.moc"
