#include "shell/mainwindow.h"
#include "spielstandpruefung.h"

#include <QDir>
#include <QtTest>

// Every saved-game input that once went wrong, kept for good: each must be
// refused without a trace or open into a sound game.
class TestFuzzfaelle : public QObject
{
    Q_OBJECT

private slots:
    void gespeicherteEingabe_data();
    void gespeicherteEingabe();
};

void TestFuzzfaelle::gespeicherteEingabe_data()
{
    QTest::addColumn<QString>("datei");
    const QDir ordner(QStringLiteral(PUNKTFELD_TESTDATEN "/fuzz/faelle"));
    const QStringList namen = ordner.entryList(QDir::Files);
    QVERIFY(!namen.isEmpty());
    for (const QString &name : namen)
        QTest::newRow(qPrintable(name)) << ordner.filePath(name);
}

void TestFuzzfaelle::gespeicherteEingabe()
{
    QFETCH(QString, datei);
    QFile eingabe(datei);
    QVERIFY(eingabe.open(QIODevice::ReadOnly));
    MainWindow fenster;
    const QString fehler = Spielstandpruefung::pruefe(fenster, eingabe.readAll());
    QVERIFY2(fehler.isEmpty(), qPrintable(fehler));
}

QTEST_MAIN(TestFuzzfaelle)
#include "tst_fuzzfaelle.moc"
