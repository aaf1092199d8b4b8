// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QProcess>
#include <QtTest>

// Starts the program in a real window on the X server the test runs under
// (xvfb-run) and looks at it the way a player does: through screenshots,
// mouse clicks and key presses. With PUNKTFELD_DPI=192 the screen is scaled
// 2x, and everything is twice as many pixels.
// How long the program may take to show its window.
constexpr int fensterFrist = 40000;
// How long one helper program may take. One that hangs, as xdotool once did
// on a loaded machine, is ended and, where the test waits, asked again.
constexpr int helferFrist = 5000;
constexpr int suchPause = 50;

class TestFenster : public QObject
{
    Q_OBJECT
    const int f = qEnvironmentVariableIntValue("PUNKTFELD_DPI") / 96;
    QProcess spiel;
    QString fenster;

    static QByteArray fuehreAus(const QString &programm, const QStringList &argumente)
    {
        QProcess prozess;
        prozess.start(programm, argumente);
        if (!prozess.waitForFinished(helferFrist)) {
            prozess.kill();
            prozess.waitForFinished();
        }
        return prozess.readAllStandardOutput().trimmed();
    }
    QImage foto() const { return QImage::fromData(fuehreAus("import", {"-window", fenster, "png:-"}), "PNG"); }
    // The board picture starts with two yellow rows right under the menu bar.
    int bildOben() const
    {
        const QImage bild = foto();
        for (int y = 0; y < bild.height(); ++y) {
            if (bild.pixelColor(120 * f, y) == QColor(Qt::yellow))
                return y;
        }
        return -1;
    }

private slots:
    void initTestCase()
    {
        QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
        umgebung.insert("QT_QPA_PLATFORM", "xcb");
        spiel.setProcessEnvironment(umgebung);
        spiel.start(qEnvironmentVariable("PUNKTFELD_PROGRAMM"), QStringList());
        QVERIFY2(spiel.waitForStarted(), qPrintable(spiel.program()));
        // A busy machine may take a while to start the program and map its
        // window.
        // QTRY counts only its pauses, not the searches between them, so the
        // whole wait has a deadline of its own.
        const QDeadlineTimer frist(fensterFrist);
        while (fenster.isEmpty() && !frist.hasExpired()) {
            fenster = fuehreAus("xdotool", {"search", "--onlyvisible", "--name", "^Punktfeld$"}).split('\n').value(0);
            if (fenster.isEmpty())
                QTest::qWait(suchPause);
        }
        QVERIFY2(!fenster.isEmpty(), "the program's window did not show");
    }

    void cleanupTestCase() { spiel.kill(); spiel.waitForFinished(); }

    // Every row and column of the 243 x 204 picture is in the window, at its
    // left: the frame on all four sides, with the yellow margin outside it.
    void brettIstGanzSichtbar()
    {
        QTRY_VERIFY_WITH_TIMEOUT(bildOben() > 0, 5000);
        const int oben = bildOben();
        const QImage bild = foto();
        QVERIFY(bild.width() >= 243 * f);
        const QList<QPair<QPoint, Qt::GlobalColor>> punkte = {{{20, 20}, Qt::yellow}, {{20, 2}, Qt::black},
            {{20, 202}, Qt::black}, {{20, 203}, Qt::yellow}, {{1, 20}, Qt::black}, {{241, 20}, Qt::black},
            {{242, 20}, Qt::yellow}, {{61, 42}, Qt::lightGray}};
        for (const auto &[punkt, farbe] : punkte) {
            const QColor ist = bild.pixelColor(punkt.x() * f, oben + punkt.y() * f);
            QCOMPARE(qMakePair(punkt, ist), qMakePair(punkt, QColor(farbe)));
        }
        QVERIFY(bild.pixelColor(120 * f, oben + 204 * f) != QColor(Qt::yellow));
    }

    // A click on an inner side draws it black where it was aimed: 2 pixels
    // wide for each pixel of scale, and sharp.
    void klickWirdGezeichnet()
    {
        const int oben = bildOben();
        fuehreAus("xdotool", {"mousemove", "--window", fenster, QString::number(61 * f), QString::number(oben + 42 * f), "click", "1"});
        QTRY_COMPARE_WITH_TIMEOUT(foto().pixelColor(61 * f, oben + 42 * f), QColor(Qt::black), 2000);
        QString spalte;
        for (int y = oben + 40 * f; y < oben + 44 * f; ++y)
            spalte += foto().pixelColor(61 * f, y) == QColor(Qt::black) ? 'x' : '.';
        QCOMPARE(spalte, QString(f, '.') + QString(2 * f, 'x') + QString(f, '.'));
    }

    // The program speaks the language the system prefers, which the run
    // names in PUNKTFELD_SPRACHE: the title of its open dialog shows it.
    void sprache()
    {
        const QString sprache = qEnvironmentVariable("PUNKTFELD_SPRACHE");
        if (sprache.isEmpty())
            QSKIP("This run does not say which language it expects");
        fuehreAus("xdotool", {"windowfocus", "--sync", fenster, "key", "ctrl+o"});
        // Any umlaut in the pattern would depend on xdotool's own locale.
        const QString titel = sprache == "en" ? "^Open Game$" : "^Spiel .*ffnen$";
        QTRY_VERIFY_WITH_TIMEOUT(!fuehreAus("xdotool", {"search", "--onlyvisible", "--name", titel}).isEmpty(), 5000);
        fuehreAus("xdotool", {"key", "Escape"});
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
