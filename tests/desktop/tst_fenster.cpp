#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// Starts the program under a real X server and looks at it the way a player
// does: through screenshots, mouse clicks and key presses.
class TestFenster : public QObject
{
    Q_OBJECT
    QProcess xserver;
    QProcess spiel;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    QString fenster;

    QByteArray fuehreAus(const QString &programm, const QStringList &argumente)
    {
        QProcess prozess;
        prozess.setProcessEnvironment(umgebung);
        prozess.start(programm, argumente);
        prozess.waitForFinished(10000);
        return prozess.readAllStandardOutput().trimmed();
    }
    QImage foto() { return QImage::fromData(fuehreAus("import", {"-window", fenster, "png:-"}), "PNG"); }
    // The board picture starts with two yellow rows right under the menu bar.
    int bildOben()
    {
        const QImage bild = foto();
        for (int y = 0; y < bild.height(); ++y) {
            if (bild.pixelColor(120, y) == QColor(Qt::yellow))
                return y;
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        for (const char *werkzeug : {"Xvfb", "xdotool", "import"})
            QVERIFY2(!QStandardPaths::findExecutable(werkzeug).isEmpty(), werkzeug);
        const QString programm = qEnvironmentVariable("PUNKTFELD_PROGRAMM");
        QVERIFY2(QFileInfo(programm).isExecutable(), qPrintable(programm));
        xserver.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
        QVERIFY(xserver.waitForReadyRead(10000));
        umgebung.insert("DISPLAY", ":" + xserver.readLine().trimmed());
        umgebung.insert("QT_QPA_PLATFORM", "xcb");
        spiel.setProcessEnvironment(umgebung);
        spiel.start(programm, QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(!(fenster = fuehreAus("xdotool", {"search", "--onlyvisible", "--name", "^Punktfeld$"})
                                             .split('\n').value(0)).isEmpty(), 10000);
    }

    void cleanupTestCase()
    {
        spiel.kill();
        spiel.waitForFinished();
        xserver.terminate();
        xserver.waitForFinished(5000);
    }

    // Every row and column of the 243 x 204 picture is in the window: the
    // frame on all four sides, with the yellow margin outside it.
    void brettIstGanzSichtbar()
    {
        QTRY_VERIFY_WITH_TIMEOUT(bildOben() > 0, 5000);
        const int oben = bildOben();
        const QImage bild = foto();
        QCOMPARE(bild.width(), 243);
        const QList<QPair<QPoint, Qt::GlobalColor>> punkte = {{{20, 20}, Qt::yellow}, {{20, 2}, Qt::black},
            {{20, 202}, Qt::black}, {{20, 203}, Qt::yellow}, {{1, 20}, Qt::black}, {{241, 20}, Qt::black},
            {{242, 20}, Qt::yellow}, {{61, 42}, Qt::lightGray}};
        for (const auto &[punkt, farbe] : punkte)
            QCOMPARE(qMakePair(punkt, bild.pixelColor(punkt.x(), oben + punkt.y())), qMakePair(punkt, QColor(farbe)));
        QVERIFY(bild.pixelColor(120, oben + 204) != QColor(Qt::yellow));
    }

    // A click on an inner side draws it black, 2 pixels wide, where it was aimed.
    void klickWirdGezeichnet()
    {
        const int oben = bildOben();
        fuehreAus("xdotool", {"mousemove", "--window", fenster, "61", QString::number(oben + 42), "click", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(foto().pixelColor(61, oben + 42), QColor(Qt::black), 2000);
        QCOMPARE(foto().pixelColor(61, oben + 41), QColor(Qt::black));
    }

    void strgQBeendetDasProgramm()
    {
        fuehreAus("xdotool", {"windowfocus", "--sync", fenster, "key", "ctrl+q"});
        QVERIFY(spiel.waitForFinished(5000));
        QCOMPARE(spiel.exitStatus(), QProcess::NormalExit);
        QCOMPARE(spiel.exitCode(), 0);
    }
};

QTEST_MAIN(TestFenster)
#include "tst_fenster.moc"
