// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "field/feld.h"
#include "field/seite.h"
#include "field/malflaeche.h"
#include "game/partie.h"
#include "stellung.h"

#include <QtTest>

// A position with every kind of line and box: the frame, free and taken
// sides, a hole, and the symbols of both players.
static const char *const alles = R"(
+--+--+--+--+--+--+
|H |     |  |     |
+--+  +--+  +--+  +
|     |C |##|
+  +--+--+  +--+--+
|  |  |
+  +--+)";

// Sides and boxes: how the board is painted, and how a side taken back is
// painted again.
class TestModell : public QObject
{
    Q_OBJECT
    Malflaeche flaeche;
    Partie spiel{flaeche};
    QImage gemalt() const { return flaeche.stand().toImage(); }

private slots:
    void init() { spiel.neuesSpiel(0, false); }

    // The whole picture, pixel for pixel, against one checked by eye: black
    // frame, taken sides 2 pixels wide, free right sides short of their
    // dots, both symbols, and a gray hole whose right and bottom lines are
    // gray as well, so that no line of it looks free.
    void bild()
    {
        Stellung::setze(spiel.brett(), alles);
        const QImage soll(PUNKTFELD_TESTDATEN "/bilder/brett.png");
        QCOMPARE(gemalt().convertToFormat(QImage::Format_RGB32), soll.convertToFormat(QImage::Format_RGB32));
    }

    // Each free side, taken and taken back, leaves the picture as it was,
    // also where its thick line covered the ends of the sides it meets and
    // beside the hole.
    void nimmZurueck()
    {
        Stellung::setze(spiel.brett(), alles);
        const QImage vorher = gemalt();
        for (const Feld *feld : spiel.brett()) {
            for (int richtung : {1, 2}) {
                Seite *seite = feld->seite(richtung);
                if (!seite->ziehe())
                    continue;
                seite->nimmZurueck();
                QVERIFY2(gemalt() == vorher, qPrintable(QString("box %1, %2").arg(feld->zeile()).arg(feld->spalte())));
            }
        }
    }
};

QTEST_MAIN(TestModell)
#include "tst_modell.moc"
