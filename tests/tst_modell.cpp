// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansicht.h"
#include "field/brettbild.h"
#include "model/richtung.h"
#include "model/stellung.h"
#include "savegame/spielstand.h"

#include <QtTest>

namespace {

// A position with every kind of line and box: the frame, free and drawn
// sides, a hole, and the symbols of both players.
const char *const alles = R"(
+--+--+--+--+--+--+
|H |     |  |     |
+--+  +--+  +--+  +
|     |C |##|
+  +--+--+  +--+--+
|  |  |
+  +--+)";

const Gitter klein = Gitter::fuerGroesse(0);

QImage gemalt(const Stellung &stellung)
{
    Brettbild bild;
    bild.male(stellung);
    return bild.bild().toImage().convertToFormat(QImage::Format_RGB32);
}

}

// The position on its own, and the picture painted from it.
class TestModell : public QObject
{
    Q_OBJECT

private slots:
    // Drawing a side counts for both its boxes: the one side between two
    // boxes with three closed sides each completes both, the box pressed in
    // first.
    void vervollstaendigen()
    {
        Stellung brett = Ansicht::stellung(klein, R"(
+--+--+
|     |
+--+--+)");
        const int mitte = klein.seite(0, 0, Richtung::rechts);
        QCOMPARE(brett.vervollstaendigt(mitte, klein.platz(0, 1)), (std::vector<int>{klein.platz(0, 1), klein.platz(0, 0)}));
        QVERIFY(brett.ziehe(mitte));
        QVERIFY(!brett.ziehe(mitte));
        QCOMPARE(brett.art(mitte), Stellung::Art::gezogen);
        brett.gibFrei(mitte);
        QVERIFY(brett.istFrei(mitte));
    }

    // The frame and a hole's edge stay closed; the scores are counted from
    // the owners.
    void geschlossen()
    {
        Stellung brett = Ansicht::stellung(klein, alles);
        const int rand = klein.seiteVon(klein.platz(1, 3), Richtung::links);
        QCOMPARE(brett.art(rand), Stellung::Art::lochrand);
        QVERIFY(!brett.ziehe(rand) && !brett.ziehe(klein.seite(0, 0, Richtung::oben)));
        QCOMPARE(brett.imSpiel(), klein.feldAnzahl() - 1);
        brett.setzeBesitzer(klein.platz(0, 0), Stellung::Besitzer::niemand);
        QCOMPARE(brett.punkteMensch(), 0);
        QCOMPARE(brett.offeneFelder(), klein.feldAnzahl() - 2);
    }

    // A position written as a saved game and read again is the same. A
    // complete box whose owner is not yet marked, as while the computer's
    // side blinks, is read as the computer's.
    void gespeichert()
    {
        Stellung brett = Ansicht::stellung(klein, alles);
        brett.setzeMenschAmZug(false);
        // Beside the hole, and below the human's box.
        const std::vector<int> ohneBesitzer{klein.platz(0, 3), klein.platz(2, 1)};
        const std::optional<Spielstand> stand = Spielstand::lies(Spielstand::schreibe(0, 3, brett));
        QVERIFY(stand);
        for (const int platz : ohneBesitzer) {
            QVERIFY(brett.istGeschlossen(platz));
            QCOMPARE(stand->stellung().besitzer(platz), Stellung::Besitzer::computer);
            brett.setzeBesitzer(platz, Stellung::Besitzer::computer);
        }
        QVERIFY(stand->stellung() == brett);
    }

    // The whole picture, pixel for pixel, against one checked by eye: black
    // frame, drawn sides 2 pixels wide, free right sides short of their
    // dots, both symbols, and a gray hole whose right and bottom lines are
    // gray as well, so that no line of it looks free.
    void bild()
    {
        const QImage soll(PUNKTFELD_TESTDATEN "/bilder/brett.png");
        QCOMPARE(gemalt(Ansicht::stellung(klein, alles)), soll.convertToFormat(QImage::Format_RGB32));
    }

    // Saved games of every size, new, half played and finished, look as the
    // previous release painted them.
    void gespeicherteBilder_data()
    {
        QTest::addColumn<QString>("name");
        for (const char *groesse : {"groesse0", "groesse1", "groesse2"}) {
            for (const char *stand : {"_neu", "_mitten", "_fertig"})
                QTest::newRow(qPrintable(QString(groesse) + stand)) << QString(groesse) + stand;
        }
    }

    void gespeicherteBilder()
    {
        QFETCH(QString, name);
        QFile datei(PUNKTFELD_TESTDATEN "/fuzz/korpus/" + name + ".pf");
        QVERIFY(datei.open(QIODevice::ReadOnly));
        const std::optional<Spielstand> stand = Spielstand::lies(datei.readAll());
        QVERIFY(stand);
        const QImage soll(PUNKTFELD_TESTDATEN "/bilder/korpus/" + name + ".png");
        QCOMPARE(gemalt(stand->stellung()), soll.convertToFormat(QImage::Format_RGB32));
    }

    // Each free side, drawn and freed again, painted each time only where
    // it lies, leaves the picture as it was, also where its thick line
    // covered the ends of the sides it meets and beside the hole; and a
    // highlight is gone once its side is painted again.
    void teilweiseGemalt_data()
    {
        QTest::addColumn<qreal>("massstab");
        QTest::addColumn<qreal>("dichte");
        QTest::newRow("natural") << 1.0 << 1.0;
        QTest::newRow("twice as dense") << 1.0 << 2.0;
        QTest::newRow("scaled") << 1.7 << 1.25;
        QTest::newRow("smaller") << 0.6 << 1.0;
    }

    void teilweiseGemalt()
    {
        QFETCH(qreal, massstab);
        QFETCH(qreal, dichte);
        Stellung brett = Ansicht::stellung(klein, alles);
        Brettbild bild;
        bild.setzeMassstab(massstab, dichte);
        bild.male(brett);
        const QImage vorher = bild.bild().toImage();
        for (int seite = 0; seite < klein.seitenAnzahl(); ++seite) {
            const bool frei = brett.ziehe(seite);
            bild.maleSeite(brett, seite);
            bild.hebeHervor(brett, seite, Qt::green, 2);
            if (frei)
                brett.gibFrei(seite);
            bild.maleSeite(brett, seite);
            QVERIFY2(bild.bild().toImage() == vorher, qPrintable(QString("side %1").arg(seite)));
        }
    }
};

QTEST_MAIN(TestModell)
#include "tst_modell.moc"
