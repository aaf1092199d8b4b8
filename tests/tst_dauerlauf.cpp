#include "game/spiellabel.h"
#include "invarianten.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "stellung.h"

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
    MainWindow fenster;
    SpielLabel &spiel = Stellung::spiel(fenster);
    QTemporaryDir ordner;
    Dialogantworter antworter;
    MainWindow nachbau;
    // Taking a side back beside a hole can leave a pixel of the hole's
    // corner in the background colour, where the side's square end had
    // covered it; such a board is not compared with its saved game again.
    bool neuGemalt = true;

    int zufall(int anzahl) { return std::uniform_int_distribution<int>(0, anzahl - 1)(erzeuger); }

    // Most presses aim at a free side, so that games advance.
    QString druecke()
    {
        QPoint punkt(zufall(spiel.breite() + 10) - 5, zufall(spiel.hoehe() + 10) - 5);
        const Spieltreiber::Wahl frei = Spieltreiber::freieSeite(spiel.brett());
        if (frei.feld && zufall(10) < 8)
            punkt = Spieltreiber::druckpunkt(frei);
        const Qt::MouseButton knopf = QVector<Qt::MouseButton>{Qt::MiddleButton, Qt::RightButton}.value(zufall(20), Qt::LeftButton);
        Stellung::druecke(spiel, punkt, knopf);
        return QString("press %1 at %2,%3").arg(knopf).arg(punkt.x()).arg(punkt.y());
    }

    QString uhren()
    {
        if (zufall(10) > 0)
            return Spieltreiber::schritt(spiel) ? "timer step" : "no timer due";
        const int ms = zufall(40);
        QTest::qWait(ms);
        return QString("wait %1 ms").arg(ms);
    }

    // Commands that end the running game come seldom, so that games get
    // played to their end as well. A person reaches only enabled entries.
    QString menue()
    {
        static const char *const beenden[] = {"actionNeues_Spiel", "actionKlein", "actionKlein", "actionMittel", "actionGross"};
        static const char *const weiter[] = {"actionLevel5", "actionLevel4", "actionLevel3", "actionLevel2",
                                             "actionLevel1", "actionMensch_startet", "actionRueckgaengig",
                                             "actionWiederherstellen"};
        const bool neu = zufall(Stellung::status(fenster).endsWith(", fertig") ? 2 : 25) == 0;
        const QString name = neu ? beenden[zufall(5)] : weiter[zufall(8)];
        if (!Stellung::aktiv(fenster, name))
            return name + " (disabled)";
        const bool loecher = Stellung::zustand(spiel).contains(char(80));
        Stellung::loese(fenster, name);
        neuGemalt = neu || (neuGemalt && !(loecher && name == "actionRueckgaengig"));
        return name;
    }

    // Saves and opens through the real dialogs, answered or cancelled, also
    // damaged files, which the game must refuse and stay as it was.
    QString datei()
    {
        const QString name = ordner.filePath(QString("spiel%1.pf").arg(zufall(3)));
        const int wahl = zufall(4);
        QFile kaputt(name);
        if (wahl == 3 && kaputt.open(QIODevice::WriteOnly)) {
            QByteArray bytes(zufall(400), '\0');
            for (char &b : bytes)
                b = char(zufall(256));
            kaputt.write(bytes);
        }
        static const char *const aktionen[] = {"actionSpiel_speichern", "actionSpiel_speichern_unter",
                                               "actionSpiel_oeffnen", "actionSpiel_oeffnen"};
        antworter.datei = zufall(5) == 0 ? QString() : name;
        const QString schritt = QString("%1 %2").arg(aktionen[wahl], antworter.datei);
        const int warnungen = antworter.gesehen.filter("Fehler").size();
        const bool oeffnet = wahl >= 2 && !antworter.datei.isEmpty();
        Stellung::loese(fenster, aktionen[wahl]);
        neuGemalt = neuGemalt || (oeffnet && antworter.gesehen.filter("Fehler").size() == warnungen);
        antworter.datei.clear();
        return schritt;
    }

    // Redo puts back exactly what undo took, when nothing else was waiting
    // to be redone.
    QString zurueckUndWieder()
    {
        if (!Stellung::aktiv(fenster, "actionRueckgaengig") || Stellung::aktiv(fenster, "actionWiederherstellen")
            || Spieltreiber::laeuft(spiel))
            return "no undo";
        const QVariantList vorher = Invarianten::abbild(fenster);
        Stellung::loese(fenster, "actionRueckgaengig");
        Stellung::loese(fenster, "actionWiederherstellen");
        return Invarianten::abbild(fenster) == vorher ? "undo and redo" : "undo and redo: not as before";
    }

private slots:
    void zufallsspielerHaeltDasSpielHeil()
    {
        const int sekunden = qEnvironmentVariableIsSet("PUNKTFELD_DAUERLAUF_SEKUNDEN")
            ? qEnvironmentVariableIntValue("PUNKTFELD_DAUERLAUF_SEKUNDEN") : 20;
        const unsigned samen = qEnvironmentVariableIsSet("PUNKTFELD_DAUERLAUF_SAMEN")
            ? unsigned(qEnvironmentVariableIntValue("PUNKTFELD_DAUERLAUF_SAMEN")) : 20261206u;
        fenster.show();
        std::srand(samen);
        erzeuger.seed(samen);
        std::deque<QString> letzte;
        long schritte = 0;
        int beendet = 0;
        QElapsedTimer uhr;
        uhr.start();
        // A run that has not seen a game end yet gets up to the same time again.
        while (uhr.elapsed() < sekunden * 1000LL || (beendet == 0 && uhr.elapsed() < sekunden * 2000LL)) {
            const bool warFertig = Stellung::status(fenster).endsWith(", fertig");
            const int art = zufall(100);
            letzte.push_back(art < 50 ? druecke() : art < 92 ? uhren() : art < 97 ? menue() : art < 99 ? zurueckUndWieder() : datei());
            if (letzte.size() > 25)
                letzte.pop_front();
            ++schritte;
            const QString fehler = letzte.back().endsWith("not as before") ? letzte.back()
                : Invarianten::pruefe(fenster) + (neuGemalt ? Invarianten::pruefeBild(fenster, nachbau, ordner.filePath("nachbau.pf")) : QString());
            if (!fehler.isEmpty()) {
                QStringList bericht{QString("seed %1, step %2: %3").arg(samen).arg(schritte).arg(fehler)};
                for (const QString &s : letzte)
                    bericht << "  " + s;
                QFAIL(qPrintable(bericht.join('\n')));
            }
            beendet += !warFertig && Stellung::status(fenster).endsWith(", fertig");
        }
        qInfo("%ld steps, %d games finished, seed %u", schritte, beendet, samen);
        QVERIFY(beendet > 0);
    }
};

QTEST_MAIN(TestDauerlauf)
#include "tst_dauerlauf.moc"
