// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "game/verlauf.h"

#include <QtTest>

// The history's steps. Record k is made with k sides, so that a record
// tells its number by its size.
class TestVerlauf : public QObject
{
    Q_OBJECT

private slots:
    void schritte_data()
    {
        QTest::addColumn<QString>("schritte"); // m merke, z zurueck, v vor, x verwirfWiederholung
        QTest::addColumn<QString>("ergebnisse"); // records of each z and v, whether x dropped any
        QTest::addColumn<int>("letzter"); // the record last on the board, 0 for none
        QTest::addColumn<bool>("zurueck");
        QTest::addColumn<bool>("vor");
        QTest::newRow("leer") << "zvx" << "|||nein" << 0 << false << false;
        QTest::newRow("zurück über zwei") << "mmmz" << "|3 2" << 1 << true << true;
        QTest::newRow("zurück bis vor den ersten") << "mmmzz" << "|3 2|1" << 0 << false << true;
        QTest::newRow("vor über zwei") << "mmmzzv" << "|3 2|1|1 2" << 2 << true << true;
        QTest::newRow("merken verwirft den Rest") << "mmmzmz" << "|3 2|4 1" << 0 << false << true;
        QTest::newRow("verwerfen") << "mmmzx" << "|3 2|ja" << 1 << true << false;
    }

    void schritte()
    {
        QFETCH(QString, schritte);
        Verlauf verlauf;
        int gemerkt = 0;
        QStringList ergebnisse{""};
        for (const QChar schritt : schritte) {
            if (schritt == 'm')
                verlauf.merke(Zug{true, std::vector<int>(std::size_t(++gemerkt)), {}});
            if (schritt == 'x')
                ergebnisse << (verlauf.verwirfWiederholung() ? "ja" : "nein");
            if (schritt != 'z' && schritt != 'v')
                continue;
            QStringList nummern;
            for (const Zug *zug : schritt == 'z' ? verlauf.zurueck() : verlauf.vor())
                nummern << QString::number(zug->seiten.size());
            ergebnisse << nummern.join(' ');
        }
        QTEST(ergebnisse.join('|'), "ergebnisse");
        QTEST(verlauf.letzterZug() ? int(verlauf.letzterZug()->seiten.size()) : 0, "letzter");
        QTEST(verlauf.kannZurueck(), "zurueck");
        QTEST(verlauf.kannVor(), "vor");
    }
};

QTEST_MAIN(TestVerlauf)
#include "tst_verlauf.moc"
