#include "computer/computerspieler.h"
#include "field/feld.h"
#include "game/spiellabel.h"

#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

// Starts the installed program under a real X server and looks at it the way
// a player does: through screenshots, mouse clicks and key presses.
class TestFenster : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void brettIstGanzSichtbar();
    void klickZiehtSeiteUndComputerAntwortet();
    void bildschirmfotoEinesMittlerenSpiels();
    void strgQBeendetDasProgramm();

private:
    QString fuehreAus(const QString &programm, const QStringList &argumente);
    QString xdotool(const QStringList &argumente) { return fuehreAus(QStringLiteral("xdotool"), argumente); }
    QImage foto();
    static int bildOben(const QImage &foto);
    static int gezeichnetePixel(const QImage &foto, int oben, int breite, int hoehe);
    QString legeSpielstandAn();

    QTemporaryDir ordner;
    QProcess xserver;
    QProcess spiel;
    QProcessEnvironment umgebung = QProcessEnvironment::systemEnvironment();
    QString fenster;
};

QString TestFenster::fuehreAus(const QString &programm, const QStringList &argumente)
{
    QProcess prozess;
    prozess.setProcessEnvironment(umgebung);
    prozess.start(programm, argumente);
    prozess.waitForFinished(10000);
    return QString::fromUtf8(prozess.readAllStandardOutput()).trimmed();
}

QImage TestFenster::foto()
{
    QProcess import;
    import.setProcessEnvironment(umgebung);
    import.start(QStringLiteral("import"), {QStringLiteral("-window"), fenster, QStringLiteral("png:-")});
    import.waitForFinished(10000);
    return QImage::fromData(import.readAllStandardOutput(), "PNG");
}

// The board picture starts with two yellow rows right under the menu bar.
int TestFenster::bildOben(const QImage &foto)
{
    for (int y = 0; y < foto.height(); ++y) {
        if (foto.pixelColor(120, y) == QColor(Qt::yellow))
            return y;
    }
    return -1;
}

int TestFenster::gezeichnetePixel(const QImage &foto, int oben, int breite, int hoehe)
{
    int anzahl = 0;
    for (int y = oben; y < oben + hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            const QColor farbe = foto.pixelColor(x, y);
            anzahl += farbe == QColor(Qt::black) || farbe == QColor(Qt::cyan) ? 1 : 0;
        }
    }
    return anzahl;
}

void TestFenster::initTestCase()
{
    for (const char *werkzeug : {"Xvfb", "xdotool", "import"})
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(werkzeug)).isEmpty(), werkzeug);
    const QString programm = qEnvironmentVariable("PUNKTFELD_PROGRAMM");
    QVERIFY2(QFileInfo(programm).isExecutable(), qPrintable(programm));

    xserver.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                           QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                           QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QVERIFY(xserver.waitForReadyRead(10000));
    umgebung.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + QString::fromLatin1(xserver.readLine()).trimmed());
    umgebung.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));

    spiel.setProcessEnvironment(umgebung);
    spiel.start(programm, QStringList());
    QVERIFY(spiel.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(!(fenster = xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                  QStringLiteral("--name"), QStringLiteral("^Punktfeld$")})
                                   .section(QLatin1Char('\n'), 0, 0))
                                  .isEmpty(),
                             10000);
}

void TestFenster::cleanupTestCase()
{
    if (spiel.state() != QProcess::NotRunning) {
        spiel.kill();
        spiel.waitForFinished();
    }
    xserver.terminate();
    if (!xserver.waitForFinished(5000))
        xserver.kill();
}

void TestFenster::brettIstGanzSichtbar()
{
    QTRY_VERIFY_WITH_TIMEOUT(bildOben(foto()) > 0, 5000);
    const QImage bild = foto();
    const int oben = bildOben(bild);
    QCOMPARE(bild.width(), 243);
    // Every row of the 243 x 204 picture is in the window: the frame on all
    // four sides, with the yellow margin outside it.
    QCOMPARE(bild.pixelColor(20, oben + 20), QColor(Qt::yellow));
    QCOMPARE(bild.pixelColor(20, oben + 2), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(20, oben + 202), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(20, oben + 203), QColor(Qt::yellow));
    QCOMPARE(bild.pixelColor(1, oben + 20), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(241, oben + 20), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(242, oben + 20), QColor(Qt::yellow));
    QVERIFY(bild.pixelColor(120, oben + 204) != QColor(Qt::yellow));
    // Dots where inner sides meet the frame, and a light-gray inner side.
    QCOMPARE(bild.pixelColor(41, oben + 2), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(1, oben + 42), QColor(Qt::black));
    QCOMPARE(bild.pixelColor(61, oben + 42), QColor(Qt::lightGray));
    QCOMPARE(bild.pixelColor(41, oben + 62), QColor(Qt::lightGray));
}

void TestFenster::klickZiehtSeiteUndComputerAntwortet()
{
    const QImage vorher = foto();
    const int oben = bildOben(vorher);
    const int rahmen = gezeichnetePixel(vorher, oben, 243, 204);

    QElapsedTimer uhr;
    uhr.start();
    xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), fenster, QStringLiteral("61"),
             QString::number(oben + 42), QStringLiteral("click"), QStringLiteral("1")});
    // Two sides of 41 pixels, each 2 pixels wide, less their overlaps.
    bool geantwortet = false;
    QImage nachher;
    while (!geantwortet && uhr.elapsed() < 1000) {
        nachher = foto();
        geantwortet = gezeichnetePixel(nachher, oben, 243, 204) >= rahmen + 2 * 70;
    }
    QVERIFY2(geantwortet, "the computer did not answer within a second");
    QCOMPARE(nachher.pixelColor(61, oben + 42), QColor(Qt::black));
    QCOMPARE(nachher.pixelColor(61, oben + 41), QColor(Qt::black));
}

QString TestFenster::legeSpielstandAn()
{
    // A medium game with its holes, played for a while by the computer's own
    // choice on both sides, so that both players already own some boxes.
    SpielLabel label(nullptr);
    std::srand(20261206);
    label.neuesSpiel(1, true);
    Computerspieler waehler;
    auto &spielfeld = const_cast<Spielfeld &>(label.brett());
    bool mensch = true;
    while (label.punkteDesMenschen() < 3 || label.punkteDesComputers() < 3 || !mensch) {
        std::vector<Feld *> neu;
        if (!waehler.zieheSeite(spielfeld, mensch ? 2 : 4, neu) || label.istFertig())
            break;
        for (Feld *feld : neu)
            feld->zeichneBesitzer(mensch);
        if (neu.empty())
            mensch = !mensch;
    }
    const QString name = ordner.filePath(QStringLiteral("mittel.pf"));
    return label.schreibeDatei(name, 1) ? name : QString();
}

void TestFenster::bildschirmfotoEinesMittlerenSpiels()
{
    const QString ziel = qEnvironmentVariable("PUNKTFELD_SCREENSHOT");
    if (ziel.isEmpty())
        QSKIP("set PUNKTFELD_SCREENSHOT to a file name to make the screenshot");
    const QString spielstand = legeSpielstandAn();
    QVERIFY(!spielstand.isEmpty());

    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+o")});
    QTRY_VERIFY_WITH_TIMEOUT(!xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                       QStringLiteral("--name"), QStringLiteral("Spiel öffnen")})
                                  .isEmpty(),
                             5000);
    xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("2"), spielstand});
    xdotool({QStringLiteral("key"), QStringLiteral("Return")});
    QTRY_COMPARE_WITH_TIMEOUT(foto().width(), 523, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(bildOben(foto()) > 0, 5000);
    QVERIFY(foto().save(ziel));
}

void TestFenster::strgQBeendetDasProgramm()
{
    xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), fenster});
    xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")});
    QVERIFY(spiel.waitForFinished(5000));
    QCOMPARE(spiel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(spiel.exitCode(), 0);
}

QTEST_MAIN(TestFenster)
#include "tst_fenster.moc"
