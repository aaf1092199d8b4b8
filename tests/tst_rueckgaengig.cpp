#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QAction>
#include <QtTest>

#include <algorithm>
#include <cstdlib>

// Presses on a free side chosen by rand(); with schliessen, on one that closes a box.
static void drueckeFreieSeite(SpielLabel &label, bool schliessen = false)
{
    for (const Spielfeld &brett = label.brett();;) {
        const int zeile = std::rand() % brett.zeilenAnzahl(), spalte = std::rand() % brett.spaltenAnzahl();
        const int richtung = std::rand() % 4;
        const Feld *f = brett.feld(zeile, spalte);
        if (f->seite(richtung)->istFrei() && (!schliessen || f->anzahlGeschlossen() == 3))
            return Stellung::druecke(label, Stellung::druckpunkt(zeile, spalte, richtung));
    }
}

class TestRueckgaengig : public QObject
{
    Q_OBJECT
    QScopedPointer<MainWindow> fenster;
    SpielLabel *label = nullptr;
    QImage bild() const { return qAsConst(*label).bild()->toImage(); }
    bool aktiv(const char *aktion) const { return fenster->findChild<QAction *>(aktion)->isEnabled(); }

private slots:
    void init();
    void zurueckUndWieder();
    void zugaben();
    void druckVerwirftWiederholung();
    void zufallspartien();
};

void TestRueckgaengig::init()
{
    fenster.reset(new MainWindow);
    label = fenster->spiel();
    fenster->show();
    std::srand(1);
}

void TestRueckgaengig::zurueckUndWieder()
{
    for (const bool menschBeginnt : {true, false}) {
        label->setMenschStartet(menschBeginnt);
        label->neuesSpiel(0, false);
        const QImage vorher = bild();
        if (menschBeginnt) // the computer closes box (0, 0) in reply
            Stellung::druecke(*label, Stellung::druckpunkt(0, 0, 1));
        Stellung::computerZug(*label);
        label->rueckgaengig(); // during the computer's turn: nothing happens
        QVERIFY(label->zuegeAufDemBrett() == 1 + menschBeginnt && !aktiv("actionWiederherstellen"));
        Stellung::computerRunde(*label);
        const QImage nachher = bild();
        const QString stellung = Stellung::lies(*label);

        label->rueckgaengig();
        QCOMPARE(bild(), vorher);
        QVERIFY(label->punkteDesComputers() == 0 && label->zuegeAufDemBrett() == 0 && label->istMenschAmZug());
        QVERIFY(!aktiv("actionRueckgaengig") && aktiv("actionWiederherstellen"));
        label->wiederherstellen();
        QCOMPARE(bild(), nachher);
        QVERIFY(Stellung::lies(*label) == stellung && label->punkteDesComputers() == int(menschBeginnt));
        QVERIFY(aktiv("actionRueckgaengig") && !aktiv("actionWiederherstellen"));
    }
}

void TestRueckgaengig::zugaben()
{
    // The computer eats the right open block after the human's side there, then opens the left one.
    const QString reihe = QStringLiteral("+--+--+--+--+--+--+\n|C |C |C |C |C |C |\n");
    const QString bloecke = QStringLiteral("+--+--+--+--+--+--+\n|     |C |C |     |\n+  +  +--+--+  +  +\n")
        + QStringLiteral("|     |C |C |     |\n") + reihe.repeated(3);
    for (const int gewonnen : {1, 4}) { // boxes the human closes before the undo: some, or the last
        label->neuesSpiel(0, false);
        Stellung::setze(*label, bloecke);
        Stellung::druecke(*label, Stellung::druckpunkt(1, 4, 0));
        const QString nachErstemZug = Stellung::lies(*label);
        Stellung::computerRunde(*label);
        while (label->punkteDesMenschen() < gewonnen)
            drueckeFreieSeite(*label, true);
        QVERIFY(label->istFertig() == (gewonnen == 4) && label->zuegeAufDemBrett() == 3);

        label->rueckgaengig();
        QCOMPARE(Stellung::lies(*label), nachErstemZug);
        QCOMPARE(fenster->statusZeile().text(), QStringLiteral("Mensch: 0, Computer: 22, du bist dran"));
        QVERIFY(!label->istFertig() && label->zuegeAufDemBrett() == 1);
        Stellung::druecke(*label, Stellung::druckpunkt(0, 0, 1)); // joins the human's first record
        QVERIFY(label->zugVerlauf().size() == 1 && label->zugVerlauf().front().seiten.size() == 2);
    }
}

void TestRueckgaengig::druckVerwirftWiederholung()
{
    fenster->setzeGroesse(1, true, true);
    const auto gesperrt = std::find_if(label->brett().begin(), label->brett().end(),
                                       [](const Feld *f) { return f->istGesperrt(); });
    QVERIFY(gesperrt != label->brett().end());
    for (int runde = 0; runde < 2; ++runde) {
        drueckeFreieSeite(*label);
        Stellung::computerRunde(*label);
    }
    // Inside a blocked box, then on the frame: no side is taken, but redo has nothing left.
    const QPoint punkte[] = {{(*gesperrt)->pixelX() + 20, (*gesperrt)->pixelY() + 20}, {0, 0}};
    for (int i = 0; i < 2; ++i) {
        label->rueckgaengig();
        QVERIFY(aktiv("actionRueckgaengig") == (i == 0) && aktiv("actionWiederherstellen"));
        const QString vorher = Stellung::lies(*label);
        Stellung::druecke(*label, punkte[i]);
        QVERIFY(label->zugVerlauf().size() == size_t(2 - 2 * i) && !aktiv("actionWiederherstellen"));
        QVERIFY(label->blinkSchritt() == i && Stellung::lies(*label) == vorher);
    }
    fenster->findChild<QAction *>("actionNeues_Spiel")->trigger();
    QVERIFY(!aktiv("actionRueckgaengig") && !aktiv("actionWiederherstellen") && label->zugVerlauf().empty());
}

void TestRueckgaengig::zufallspartien()
{
    SpielLabel nachgespielt(nullptr);
    std::srand(4711);
    for (int schritt = 0; schritt < 300; ++schritt) {
        const int wurf = std::rand() % 10;
        if (label->istFertig() && (!label->istMenschAmZug() || wurf < 4)) {
            label->setMenschStartet(std::rand() % 2);
            label->neuesSpiel(0, false);
        } else if (!label->istMenschAmZug()) {
            Stellung::computerZug(*label);
        } else if (wurf < 2) {
            label->rueckgaengig();
        } else if (wurf < 3) {
            label->wiederherstellen();
        } else if (wurf < 4) {
            Stellung::druecke(*label, QPoint(std::rand() % 243, std::rand() % 204));
        } else if (!label->istFertig()) {
            drueckeFreieSeite(*label);
        }
        while (label->blinkSchritt() != 0)
            QMetaObject::invokeMethod(label, "blinkeMitSeite");

        // The records on the board, drawn on a fresh board as a game without undo would draw them.
        nachgespielt.neuesSpiel(0, false);
        Feld *const *quelle = label->brett().begin();
        auto zug = label->zugVerlauf().begin();
        for (int z = 0; z < label->zuegeAufDemBrett(); ++z, ++zug) {
            for (int i = 0; i < 4 * 30; ++i) {
                if (std::count(zug->seiten.begin(), zug->seiten.end(), quelle[i / 4]->seite(i % 4)) > 0)
                    nachgespielt.brett().begin()[i / 4]->seite(i % 4)->ziehe();
            }
            for (const Feld *f : zug->felder)
                nachgespielt.brett().begin()[std::find(quelle, quelle + 30, f) - quelle]->zeichneBesitzer(zug->spieler);
        }
        QVERIFY2(bild() == qAsConst(nachgespielt).bild()->toImage() && Stellung::lies(*label) == Stellung::lies(nachgespielt)
                     && label->punkteDesMenschen() == nachgespielt.punkteDesMenschen()
                     && label->punkteDesComputers() == nachgespielt.punkteDesComputers(),
                 qPrintable(QStringLiteral("Schritt %1").arg(schritt)));
    }
}

QTEST_MAIN(TestRueckgaengig)
#include "tst_rueckgaengig.moc"
