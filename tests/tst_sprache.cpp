// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/qtuebersetzung.h"

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

// The language the game takes from the system's, and its English catalogue.
class TestSprache : public QObject
{
    Q_OBJECT

private slots:
    // The first of English and German in the system's list wins, whatever
    // the country; with neither, and in the C and POSIX locales, the game
    // stays German.
    void sprachwahl_data()
    {
        QTest::addColumn<QStringList>("bevorzugt");
        QTest::addColumn<QString>("sprache");
        QTest::newRow("en_US") << QStringList{"en_US"} << "en";
        QTest::newRow("en-GB") << QStringList{"en-GB", "de-DE"} << "en";
        QTest::newRow("de-DE") << QStringList{"de-DE", "en-US", "en"} << "de";
        QTest::newRow("fr_FR then en") << QStringList{"fr_FR", "fr", "en"} << "en";
        QTest::newRow("C") << QStringList{"C"} << "de";
        QTest::newRow("POSIX") << QStringList{"POSIX"} << "de";
        QTest::newRow("empty") << QStringList() << "de";
        QTest::newRow("fr only") << QStringList{"fr-FR", "fr"} << "de";
    }
    void sprachwahl()
    {
        QFETCH(QStringList, bevorzugt);
        QFETCH(QString, sprache);
        QCOMPARE(waehleSprache(bevorzugt), sprache);
    }

    // Every text has its English translation, and the catalogue keeps none
    // the code no longer has: `lupdate` marks those vanished or obsolete.
    void katalogVollstaendig()
    {
        QFile datei(PUNKTFELD_TESTDATEN "/../translations/punktfeld_en.ts");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&datei);
        QString quelle;
        QStringList offen;
        int fertig = 0;
        while (xml.readNext() != QXmlStreamReader::Invalid && !xml.atEnd()) {
            if (!xml.isStartElement())
                continue;
            if (xml.name() == QLatin1String("source")) {
                quelle = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString art = xml.attributes().value("type").toString();
                // A text with singular and plural has them as child elements.
                if (!art.isEmpty() || xml.readElementText(QXmlStreamReader::IncludeChildElements).trimmed().isEmpty())
                    offen << quelle + " " + art;
                else
                    ++fertig;
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QCOMPARE(offen, QStringList());
        QVERIFY(fertig > 0);
    }
};

QTEST_MAIN(TestSprache)
#include "tst_sprache.moc"
