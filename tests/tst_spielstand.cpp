// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogantworter.h"
#include "field/feld.h"
#include "game/spiellabel.h"
#include "invarianten.h"
#include "savegame/spielstand.h"
#include "savegame/zustandscode.h"
#include "shell/mainwindow.h"
#include "shell/qtuebersetzung.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace {

const QString zwei = "+--+--+--+\n|H |C |\n+--+--+";

QByteArray inhalt(const QString &name)
{
    QFile datei(name);
    return datei.open(QFile::ReadOnly) ? datei.readAll() : QByteArray();
}

QByteArray mit(QByteArray daten, int index, int wert)
{
    return daten.replace(index, 1, QByteArray(1, char(wert)));
}

}

// Saving and opening games: the bytes written, every file that is refused,
// and the dialogs.
class TestSpielstand : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;

private slots:
    void initTestCase() { ladeQtUebersetzung(*qApp, qtUebersetzungsOrdner()); }

    void oeffnen_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QByteArray>("erwartet"); // the position opened; none when refused, "?" for any
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("computerZieht");
        using namespace Zustandscode;
        MainWindow quelle;
        SpielLabel &spiel = Ansicht::spiel(quelle);
        const auto gespeichert = [&](int groesse, int level, const QString &zeichnung) {
            std::srand(unsigned(level));
            spiel.neuesSpiel(groesse, true);
            quelle.setzeLevel(level);
            Ansicht::setze(spiel, zeichnung);
            return quelle.schreibeDatei(ordner.filePath("quelle.pf")) ? inhalt(ordner.filePath("quelle.pf")) : QByteArray();
        };
        const QByteArray klein = gespeichert(0, 3, zwei + "\n\n\n\n\n\n+  +  +  +  +  +--+\n               |H |");
        const QByteArray k = Ansicht::zustand(spiel);
        QTest::newRow("small") << klein << k << 3 << false;
        QTest::newRow("computer to move") << mit(klein, 2, 0) << k << 3 << true;
        QTest::newRow("size byte 7") << mit(klein, 0, 7) + QByteArray(300, char(geschlossen)) << k << 3 << false;
        QTest::newRow("bit 7") << mit(klein, 3, klein[3] | 0x80) << k << 3 << false;
        QTest::newRow("level 0") << mit(klein, 1, 0) << k << 1 << false;
        QTest::newRow("level 200") << mit(klein, 1, 200) << k << 6 << false;
        QTest::newRow("Meister to move") << mit(mit(klein, 1, 6), 2, 0) << k << 6 << true;
        const QString voll = QString("+--+--+--+--+--+--+\n|H |C |C |H |H |C |\n").repeated(5) + "+--+--+--+--+--+--+";
        QTest::newRow("finished") << mit(gespeichert(0, 5, voll), 2, 0) << Ansicht::zustand(spiel) << 5 << false;
        QTest::newRow("medium, shaped") << gespeichert(1, 2, zwei) << Ansicht::zustand(spiel) << 2 << false;
        QTest::newRow("large, shaped") << gespeichert(2, 4, zwei) << Ansicht::zustand(spiel) << 4 << false;
        const QByteArray leer = QByteArray::fromHex("000501") + QByteArray(30, 0);
        // Sides recorded in only one of their boxes: the left of 01, the top of 11.
        gespeichert(0, 5, "+\n   |\n+  +--+");
        QTest::newRow("one box's code") << mit(mit(leer, 4, gezogen(3)), 10, gezogen(0)) << Ansicht::zustand(spiel) << 5 << false;
        const QList<QPair<const char *, QByteArray>> verweigert = {{"missing", {}}, {"one box short", leer.left(32)},
            {"closed, a side free", mit(leer, 10, geschlossen | vomMenschen | gezogen(0))},
            {"four sides, not closed", mit(leer, 3, gezogen(1) | gezogen(2))},
            {"medium size byte", mit(leer, 0, 1)}, {"blocked, not closed", mit(mit(leer, 4, loch), 9, loch)}};
        for (const auto &[zeile, daten] : verweigert)
            QTest::newRow(zeile) << daten << QByteArray() << 0 << false;
        // Every input that once went wrong in the fuzzer stays here for good.
        const QDir faelle(PUNKTFELD_TESTDATEN "/fuzz/faelle");
        for (const QString &name : faelle.entryList(QDir::Files))
            QTest::newRow(qPrintable("fuzz: " + name)) << inhalt(faelle.filePath(name)) << QByteArray("?") << 0 << false;
    }

    void oeffnen()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QByteArray, erwartet);
        QFETCH(int, level);
        QFETCH(bool, computerZieht);
        if (erwartet != "?")
            QCOMPARE(Spielstand::lies(daten).has_value(), !erwartet.isEmpty());
        const QString name = ordner.filePath("oeffnen.pf");
        QFile datei(name);
        datei.remove();
        if (!daten.isNull()) {
            QVERIFY(datei.open(QFile::WriteOnly));
            QCOMPARE(datei.write(daten), daten.size());
            datei.close();
        }
        // A game unlike any start: medium, level 2, a side taken, "Mensch startet" off.
        MainWindow fenster;
        SpielLabel &spiel = Ansicht::spiel(fenster);
        fenster.setzeGroesse(1, true, true);
        fenster.setzeLevel(2);
        Ansicht::druecke(spiel, Ansicht::druckpunkt(0, 0, 1));
        Spieltreiber::computerRunde(spiel);
        Ansicht::loese(fenster, "actionMensch_startet");

        QCOMPARE(Invarianten::pruefeDatei(fenster, name), QString());
        if (erwartet.isEmpty() || erwartet == "?")
            return;
        QCOMPARE(Ansicht::zustand(spiel), erwartet);
        QCOMPARE(Ansicht::fett(fenster).value(1), QString("actionLevel%1").arg(level));
        if (computerZieht)
            QTRY_VERIFY(Ansicht::aktiv(fenster, "actionRueckgaengig"));
        else
            QVERIFY(!Spieltreiber::schritt(spiel));
    }

    void speichern()
    {
        MainWindow fenster;
        SpielLabel &spiel = Ansicht::spiel(fenster);
        Dialogantworter antworter;
        const QString name = ordner.filePath("speichern.pf");
        for (int groesse : {1, 2, 0}) {
            fenster.setzeGroesse(groesse, true, false);
            QVERIFY(fenster.schreibeDatei(name));
            QCOMPARE(inhalt(name).size(), (QVector<int>{33, 146, 333}[groesse]));
        }
        QCOMPARE(inhalt(name), QByteArray::fromHex("000501") + QByteArray(30, 0));
        QVERIFY(fenster.ladeDatei(name));
        Ansicht::setze(spiel, "+--+  +  +  +  +\n|H |\n+--+  +--+  +--+\n      |C |  |H |\n+  +  +--+  +--+\n    ##");
        Ansicht::loese(fenster, "actionSpiel_speichern");
        QCOMPARE(fenster.statusBar()->currentMessage(), "Datei gespeichert");
        const QByteArray gespeichert = inhalt(name);
        for (const auto &[index, code] : QVector<QPair<int, int>>{{0, 54}, {8, 31}, {10, 63}, {13, 80}, {21, 0}})
            QCOMPARE(int(gespeichert.at(3 + index)), code);

        // A file size limit stops the writing half way, also for root.
        Ansicht::setze(spiel, zwei);
        rlimit vorher{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &vorher), 0);
        const rlimit grenze{20, vorher.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &grenze), 0);
        Ansicht::loese(fenster, "actionSpiel_speichern");
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &vorher), 0);
        QCOMPARE(inhalt(name), gespeichert);

        // The remembered file, cut short, is refused; then every dialog is cancelled.
        QVERIFY(QFile::resize(name, 32));
        const QImage bild = Ansicht::bild(spiel);
        antworter.datei = name;
        for (const char *aktion : {"oeffnen", "oeffnen", "speichern", "speichern_unter"})
            Ansicht::loese(fenster, QString("actionSpiel_") + aktion);
        // In German, buttons included, as every dialog of the game.
        QCOMPARE(antworter.gesehen, QStringList({"Fehler: Die Datei kann nicht gespeichert werden. (OK)",
                                                 "Spiel öffnen (Öffnen, Abbrechen)",
                                                 "Fehler: Die Datei kann nicht geöffnet werden. (OK)",
                                                 "Spiel öffnen (Öffnen, Abbrechen)", "Spiel speichern (Speichern, Abbrechen)",
                                                 "Spiel speichern unter ... (Speichern, Abbrechen)"}));
        QCOMPARE(Ansicht::bild(spiel), bild);
    }
};

QTEST_MAIN(TestSpielstand)
#include "tst_spielstand.moc"
