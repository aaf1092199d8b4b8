// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/spiellabel.h"
#include "invarianten.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QElapsedTimer>
#include <QtTest>

#include <cstdlib>
#include <deque>
#include <random>

// A random player that does whatever a person could do to the window, as
// fast as it can, for a bounded time, checking after every step that the
// game is still whole. PUNKTFELD_DAUERLAUF_SEKUNDEN and
// PUNKTFELD_DAUERLAUF_SAMEN set the duration and the seed.
class TestDauerlauf : public QObject
{
    Q_OBJECT
    std::mt19937 erzeuger;
    MainWindow fenster, nachbau;
    SpielLabel &spiel = Ansicht::spiel(fenster);
    QTemporaryDir ordner;

    int zufall(int anzahl) { return std::uniform_int_distribution<int>(0, anzahl - 1)(erzeuger); }

    // Most presses aim at a free side, so that games advance.
    QString druecke()
    {
        QPoint punkt(zufall(spiel.width() + 10) - 5, zufall(spiel.height() + 10) - 5);
        const int frei = Computerspieler::irgendeineSeite(spiel.stellung());
        if (frei >= 0 && zufall(10) < 8)
            punkt = Spieltreiber::druckpunkt(spiel, frei);
        const Qt::MouseButton knopf = QVector<Qt::MouseButton>{Qt::MiddleButton, Qt::RightButton}.value(zufall(20), Qt::LeftButton);
        Ansicht::druecke(spiel, punkt, knopf);
        return QString("press %1 at %2,%3").arg(knopf).arg(punkt.x()).arg(punkt.y());
    }

    // Any entry a person can reach, the enabled ones. Commands that end the
    // running game come seldom, so that games get played to their end too.
    QString menue()
    {
        static const QStringList neu{"actionNeues_Spiel", "actionKlein", "actionMittel", "actionGross"};
        static const QStringList weiter{"actionLevel6", "actionLevel5", "actionLevel4", "actionLevel3", "actionLevel2", "actionLevel1",
                                        "actionMensch_startet", "actionRueckgaengig", "actionWiederherstellen", "actionTipp"};
        const bool beenden = zufall(Ansicht::status(fenster).endsWith(", fertig") ? 2 : 25) == 0;
        const QString name = beenden ? neu[zufall(4)] : weiter[zufall(int(weiter.size()))];
        if (!Ansicht::aktiv(fenster, name))
            return name + " (disabled)";
        Ansicht::loese(fenster, name);
        return name;
    }

    // Redo puts back exactly what undo took, when nothing else was waiting
    // to be redone.
    QString zurueckUndWieder()
    {
        if (!Ansicht::aktiv(fenster, "actionRueckgaengig") || Ansicht::aktiv(fenster, "actionWiederherstellen")
            || Spieltreiber::laeuft(spiel))
            return "no undo";
        const QVariantList vorher = Invarianten::abbild(fenster);
        Ansicht::loese(fenster, "actionRueckgaengig");
        Ansicht::loese(fenster, "actionWiederherstellen");
        return Invarianten::abbild(fenster) == vorher ? "undo and redo" : "undo and redo: not as before";
    }

private slots:
    void zufallsspielerHaeltDasSpielHeil()
    {
        const int sekunden = qEnvironmentVariableIsSet("PUNKTFELD_DAUERLAUF_SEKUNDEN")
            ? qEnvironmentVariableIntValue("PUNKTFELD_DAUERLAUF_SEKUNDEN") : 15;
        const unsigned samen = qEnvironmentVariableIsSet("PUNKTFELD_DAUERLAUF_SAMEN")
            ? unsigned(qEnvironmentVariableIntValue("PUNKTFELD_DAUERLAUF_SAMEN")) : 20261206u;
        fenster.show();
        std::srand(samen);
        erzeuger.seed(samen);
        std::deque<QString> letzte;
        int beendet = 0;
        QElapsedTimer uhr;
        uhr.start();
        // A run that has not seen a game end yet gets up to the same time again.
        for (long schritt = 1; uhr.elapsed() < sekunden * (beendet ? 1000LL : 2000LL); ++schritt) {
            const bool warFertig = Ansicht::status(fenster).endsWith(", fertig");
            const int art = zufall(100);
            if (art >= 50 && art < 54)
                QTest::qWait(zufall(40));
            letzte.push_back(art < 50 ? druecke() : art < 54 ? QString("wait") : art < 92 ? QString(Spieltreiber::schritt(spiel) ? "timer step" : "no timer")
                           : art < 98 ? menue() : zurueckUndWieder());
            if (letzte.size() > 25)
                letzte.pop_front();
            const QString fehler = letzte.back().endsWith("not as before") ? letzte.back()
                : Invarianten::pruefe(fenster) + Invarianten::pruefeBild(fenster, nachbau, ordner.filePath("nachbau.pf"));
            if (!fehler.isEmpty())
                QFAIL(qPrintable(QString("seed %1, step %2: %3\n  ").arg(samen).arg(schritt).arg(fehler) + QStringList(letzte.begin(), letzte.end()).join("\n  ")));
            beendet += !warFertig && Ansicht::status(fenster).endsWith(", fertig");
        }
        qInfo("%d games finished, seed %u", beendet, samen);
        QVERIFY(beendet > 0);
    }
};

QTEST_MAIN(TestDauerlauf)
#include "tst_dauerlauf.moc"
