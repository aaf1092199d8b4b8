#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "stellung.h"

#include <QtTest>

class TestModell : public QObject
{
    Q_OBJECT

private slots:
    void neuesBrett();
};

void TestModell::neuesBrett()
{
    SpielLabel label(nullptr);
    QCOMPARE(label.felderImSpiel(), 30);
    QCOMPARE(Stellung::feld(label, 0, 0)->anzahlGeschlossen(), 2);
    QCOMPARE(Stellung::pixel(label, 0, 0), QColor(Qt::yellow));
}

QTEST_MAIN(TestModell)
#include "tst_modell.moc"
