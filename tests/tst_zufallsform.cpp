#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "stellung.h"

#include <QtTest>

#include <algorithm>
#include <cstdlib>

namespace {

// A new grid paints each side on its own, which the address sanitizer's
// tracking of allocations makes slow; that build checks fewer seeds.
#if defined(__SANITIZE_ADDRESS__)
constexpr unsigned seeds = 60;
#else
constexpr unsigned seeds = 1000;
#endif

// The blocked boxes of a region, columns as x and rows as y.
QRegion gesperrt(const SpielLabel &label, const QRect &bereich)
{
    QRegion region;
    for (int r = bereich.top(); r <= bereich.bottom(); ++r) {
        for (int c = bereich.left(); c <= bereich.right(); ++c)
            region += Stellung::feld(label, r, c)->istGesperrt() ? QRect(c, r, 1, 1) : QRect();
    }
    return region;
}

// Three of the four rectangles of a 2 x 2 split: in the hole's bounding box
// the boxes in play form one rectangle at a corner, less wide and less high.
bool einL(const SpielLabel &label, const QRect &viertel)
{
    const QRegion loch = gesperrt(label, viertel), frei = QRegion(loch.boundingRect()) - loch;
    const QRect b = loch.boundingRect(), f = frei.boundingRect();
    return frei.rectCount() == 1 && (f.top() == b.top()) != (f.bottom() == b.bottom())
        && (f.left() == b.left()) != (f.right() == b.right());
}

}

class TestZufallsform : public QObject
{
    Q_OBJECT

private slots:
    void formen()
    {
        SpielLabel label(nullptr);
        for (unsigned seed = 1; seed <= 2 * seeds; ++seed) {
            const QByteArray wo = (seed % 2 ? "medium, seed " : "large, seed ") + QByteArray::number(seed);
            std::srand(seed);
            const int x = std::rand(), y = std::rand(), z = std::rand();
            const bool fallend[3] = {(std::rand() & 1) != 0, (std::rand() & 1) != 0, (std::rand() & 1) != 0};
            std::srand(seed);
            label.neuesSpiel(2 - seed % 2, true);
            const QRect brett(0, 0, label.brett().spaltenAnzahl(), label.brett().zeilenAnzahl());
            const int anzahl = int(std::count_if(label.brett().begin(), label.brett().end(),
                                                 [](const Feld *f) { return f->istGesperrt(); }));
            QVERIFY2(gesperrt(label, brett) == gesperrt(label, brett.adjusted(1, 1, -1, -1)), wo);
            QVERIFY2(label.felderImSpiel() == brett.width() * brett.height() - anzahl, wo);
            const QImage bild = qAsConst(label).bild()->toImage();
            for (const Feld *f : label.brett()) {
                for (int d = 0; f->istGesperrt() && d < 4; ++d)
                    QVERIFY2(!f->seite(d)->istFrei() && !f->nachbar(d)->seite((d + 2) % 4)->istFrei()
                                 && bild.pixelColor(f->pixelX() + 20, f->pixelY() + 20) == QColor(Qt::gray),
                             wo);
            }
            if (seed % 2 == 1) {
                const int r = x % 5 + 3, s = y % 7 + 3;
                for (const QRect &frei : {QRect(0, r, 13, 1), QRect(s, 0, 1, 11)})
                    QVERIFY2(gesperrt(label, frei).isEmpty(), wo);
                for (const QRect &viertel : {QRect(s, 0, 13 - s, r + 1), QRect(0, 0, s + 1, r + 1),
                                             QRect(s, r, 13 - s, 11 - r), QRect(0, r, s + 1, 11 - r)})
                    QVERIFY2(anzahl >= 12 && einL(label, viertel), wo);
                continue;
            }
            const int a = x % 9, b = y % 5, c = z % 6;
            for (const QRect &frei : {QRect(0, a + 2, 22, 2), QRect(b + 3, 0, 1, 15), QRect(b + c + 9, 0, 1, 15)})
                QVERIFY2(gesperrt(label, frei).isEmpty(), wo);
            const int anfang[3] = {1, b + 4, b + c + 10}, breite[3] = {b + 1, c + 4, 10 - b - c};
            int summe = 0;
            for (int k = 0; k < 6; ++k)
                summe += std::max(k < 3 ? a + 1 : 10 - a, breite[k % 3]);
            QVERIFY2(anzahl == summe, wo);
            // One row high, a band is a straight run, one column on if mirrored.
            for (int k = 0; a == 0 && k < 3; ++k) {
                const QRect band(anfang[k], 1, breite[k] + 1, 1);
                QVERIFY2(gesperrt(label, band) == QRegion(band.adjusted(!fallend[k], 0, -fallend[k], 0)), wo);
            }
        }
        QCOMPARE(label.pixmap(Qt::ReturnByValue).toImage(), qAsConst(label).bild()->toImage());
    }
};

QTEST_MAIN(TestZufallsform)
#include "tst_zufallsform.moc"
