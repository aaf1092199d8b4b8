#include "field/feld.h"
#include "game/spiellabel.h"
#include "savegame/spielstand.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QtTest>
#include <QtWidgets>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

namespace {

const QString zwei = QStringLiteral("+--+--+--+\n|H |C |\n+--+--+");

const auto inhalt = [](const QString &name) { QFile f(name); return f.open(QFile::ReadOnly) ? f.readAll() : ""; };
const auto mit = [](QByteArray daten, int i, int wert) { return daten.replace(i, 1, QByteArray(1, char(wert))); };

}

class TestSpielstand : public QObject
{
    Q_OBJECT
    QTemporaryDir ordner;
    QTimer dialogUhr;
    QStringList dialoge;
    int annehmen = 0;

private slots:
    // Answers modal dialogs, keeping titles and texts; a file dialog takes its offered file while annehmen counts.
    void initTestCase()
    {
        connect(&dialogUhr, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *box = qobject_cast<QMessageBox *>(dialog);
            dialoge << dialog->windowTitle() + (box ? ": " + box->text() : QString());
            qobject_cast<QFileDialog *>(dialog) && annehmen-- > 0 ? dialog->accept() : dialog->reject();
        });
        dialogUhr.start(20);
    }

    void oeffnen_data()
    {
        QTest::addColumn<QByteArray>("daten");
        QTest::addColumn<QString>("erwartet"); // the position opened; none when the file is refused
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("computerZieht");
        SpielLabel quelle(nullptr);
        const auto gespeichert = [&](int groesse, int level, const QString &zeichnung) {
            std::srand(static_cast<unsigned>(level));
            quelle.neuesSpiel(groesse, true);
            quelle.setLevel(level);
            Stellung::setze(quelle, zeichnung);
            quelle.schreibeDatei(ordner.filePath("quelle.pf"), groesse);
            return inhalt(ordner.filePath("quelle.pf"));
        };
        const QByteArray klein = gespeichert(0, 3, zwei + "\n\n\n\n\n\n+  +  +  +  +  +--+\n               |H |");
        const QString k = Stellung::lies(quelle);
        QTest::newRow("small") << klein << k << 3 << false;
        QTest::newRow("computer to move") << mit(klein, 2, 0) << k << 3 << true;
        QTest::newRow("size byte 7") << mit(klein, 0, 7) + QByteArray(300, 16) << k << 3 << false;
        QTest::newRow("bit 7") << mit(klein, 3, klein[3] | 0x80) << k << 3 << false;
        QTest::newRow("level 0") << mit(klein, 1, 0) << k << 1 << false;
        QTest::newRow("level 9") << mit(klein, 1, 9) << k << 5 << false;
        QTest::newRow("level 200") << mit(klein, 1, 200) << k << 5 << false;
        const QString voll = QString("+--+--+--+--+--+--+\n|H |C |C |H |H |C |\n").repeated(5) + "+--+--+--+--+--+--+";
        QTest::newRow("finished") << mit(gespeichert(0, 5, voll), 2, 0) << Stellung::lies(quelle) << 5 << false;
        QTest::newRow("medium, shaped") << gespeichert(1, 2, zwei) << Stellung::lies(quelle) << 2 << false;
        QTest::newRow("large, shaped") << gespeichert(2, 4, zwei) << Stellung::lies(quelle) << 4 << false;
        const QByteArray leer = QByteArray::fromHex("000501") + QByteArray(30, 0);
        const QList<QPair<const char *, QByteArray>> verweigert = {{"missing", {}}, {"one box short", leer.left(32)},
            {"closed, a side free", mit(leer, 10, 16 | 32 | 1)}, {"four sides, not closed", mit(leer, 3, 2 | 4)},
            {"medium size byte", mit(leer, 0, 1)}, {"blocked, not closed", mit(mit(leer, 4, 80), 9, 80)}};
        for (const auto &[zeile, daten] : verweigert)
            QTest::newRow(zeile) << daten << QString() << 2 << false;
    }

    void oeffnen()
    {
        QFETCH(QByteArray, daten);
        QFETCH(QString, erwartet);
        QFETCH(int, level);
        QFETCH(bool, computerZieht);
        QCOMPARE(Spielstand::lies(daten).has_value(), !erwartet.isEmpty());
        const QString name = ordner.filePath("oeffnen.pf"), vorher = ordner.filePath("vorher.pf");
        QFile datei(name);
        QVERIFY(datei.open(QFile::WriteOnly | QFile::Unbuffered) && datei.write(daten) == daten.size());
        QVERIFY(!daten.isNull() || datei.remove());
        // A game unlike any start, undo and redo enabled.
        MainWindow fenster;
        SpielLabel &spiel = *fenster.spiel();
        fenster.setzeGroesse(1, true, true);
        fenster.setzeLevel(2);
        QVERIFY(spiel.schreibeDatei(vorher, 1) && spiel.ladeDatei(vorher));
        Stellung::druecke(spiel, Stellung::druckpunkt(0, 0, 1));
        fenster.setzeWiederherstellenAktiv(true);
        fenster.findChild<QAction *>("actionMensch_startet")->trigger();
        const auto zustand = [&] {
            return QVariantList{qAsConst(spiel).bild()->toImage(), Stellung::lies(spiel), Stellung::fett(fenster),
                                spiel.aktuellerDateiName(), spiel.aktuellesLevel(), int(spiel.zugVerlauf().size())};
        };
        const QVariantList unveraendert = zustand();

        QCOMPARE(spiel.ladeDatei(name), !erwartet.isEmpty());
        if (erwartet.isEmpty()) {
            QCOMPARE(zustand(), unveraendert);
            return;
        }
        QCOMPARE(Stellung::lies(spiel), erwartet);
        const int mensch = erwartet.count("H "), computer = erwartet.count("C ");
        const int imSpiel = int(spiel.brett().end() - spiel.brett().begin()) - erwartet.count("##");
        QCOMPARE((QVector<int>{spiel.punkteDesMenschen(), spiel.punkteDesComputers(), spiel.felderImSpiel(),
                               spiel.aktuellesLevel(), spiel.istFertig()}),
                 (QVector<int>{mensch, computer, imSpiel, level, mensch + computer == imSpiel}));
        QVERIFY(spiel.zugVerlauf().empty() && !fenster.findChild<QAction *>("actionRueckgaengig")->isEnabled()
                && !fenster.findChild<QAction *>("actionWiederherstellen")->isEnabled());
        const QImage gezeigt = spiel.pixmap(Qt::ReturnByValue).toImage();
        for (const Feld *f : spiel.brett())
            QVERIFY(!f->istGesperrt() || gezeigt.pixelColor(f->pixelX() + 20, f->pixelY() + 20) == QColor(Qt::gray));
        QCOMPARE(spiel.computerWartet(), computerZieht);
        if (computerZieht)
            QTRY_VERIFY(!spiel.zugVerlauf().empty() && !spiel.zugVerlauf().front().spieler);
    }

    void speichern()
    {
        MainWindow fenster;
        SpielLabel &spiel = *fenster.spiel();
        const QString name = ordner.filePath("speichern.pf");
        for (int groesse : {1, 2, 0}) {
            fenster.setzeGroesse(groesse, true, false);
            QVERIFY(spiel.schreibeDatei(name, groesse) && inhalt(name).size() == (QVector<int>{33, 146, 333}[groesse]));
        }
        QCOMPARE(inhalt(name), QByteArray::fromHex("000501") + QByteArray(30, 0));
        QVERIFY(spiel.ladeDatei(name));
        Stellung::setze(spiel, "+--+  +  +  +  +\n|H |\n+--+  +--+  +--+\n      |C |  |H |\n+  +  +--+  +--+\n    ##");
        fenster.findChild<QAction *>("actionSpiel_speichern")->trigger();
        QCOMPARE(fenster.statusBar()->currentMessage(), QStringLiteral("Datei gespeichert"));
        const QByteArray gespeichert = inhalt(name);
        for (const auto &[index, code] : QVector<QPair<int, int>>{{0, 54}, {8, 31}, {10, 63}, {13, 80}, {21, 0}})
            QCOMPARE(int(gespeichert.at(3 + index)), code);

        // A file size limit stops the writing half way, also for root.
        Stellung::setze(spiel, zwei);
        rlimit vorher{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &vorher) == 0);
        const rlimit grenze{20, vorher.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        QVERIFY(setrlimit(RLIMIT_FSIZE, &grenze) == 0);
        const bool geschrieben = spiel.schreibeDatei(name, 0);
        fenster.findChild<QAction *>("actionSpiel_speichern")->trigger();
        QVERIFY(setrlimit(RLIMIT_FSIZE, &vorher) == 0);
        QVERIFY(!geschrieben && inhalt(name) == gespeichert && spiel.aktuellerDateiName() == name);

        // The remembered file, cut short, is refused; then every dialog is cancelled.
        QVERIFY(QFile::resize(name, 32));
        const QImage bild = qAsConst(spiel).bild()->toImage();
        annehmen = 1;
        for (const char *aktion : {"oeffnen", "oeffnen", "speichern", "speichern_unter"})
            fenster.findChild<QAction *>(QStringLiteral("actionSpiel_") + aktion)->trigger();
        QCOMPARE(dialoge, QStringList({"Fehler: Die Datei kann nicht gespeichert werden.", "Spiel öffnen",
                                       "Fehler: Die Datei kann nicht geöffnet werden.", "Spiel öffnen",
                                       "Spiel speichern", "Spiel speichern unter ..."}));
        QVERIFY(spiel.aktuellerDateiName().isEmpty() && qAsConst(spiel).bild()->toImage() == bild);
    }
};

QTEST_MAIN(TestSpielstand)
#include "tst_spielstand.moc"
