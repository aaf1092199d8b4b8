// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "brettbild.h"

#include "feld.h"
#include "geometrie.h"
#include "model/richtung.h"
#include "model/stellung.h"
#include "seite.h"

#include <QPainter>
#include <QPen>
#include <QVector>

#include <algorithm>
#include <cmath>

using Geometrie::feldKante;

namespace {

constexpr int duenn = 1;
constexpr int dick = 2;

using Art = Stellung::Art;

// The boxes whose lines or insides reach into `bereich`, as a range of rows
// and columns: a box's lines reach a pixel or two beyond its dots.
struct Ausschnitt
{
    int zeile0, spalte0, zeile1, spalte1;
};

constexpr int linienRand = 3;
// A symbol's outline keeps this far inside its box.
constexpr int symbolRand = 3;

int ersterIndex(int pixel, int ursprung, int anzahl)
{
    // The first box whose far lines reach `pixel`.
    const int abstand = pixel - ursprung - feldKante - linienRand;
    return std::clamp(abstand < 0 ? 0 : abstand / feldKante + 1, 0, anzahl - 1);
}

int letzterIndex(int pixel, int ursprung, int anzahl)
{
    // The last box whose near lines reach `pixel`.
    const int abstand = pixel - ursprung + linienRand;
    return std::clamp(abstand < 0 ? 0 : abstand / feldKante, 0, anzahl - 1);
}

Ausschnitt ausschnitt(const Gitter &gitter, const QRect &bereich)
{
    return {ersterIndex(bereich.top(), Geometrie::ursprungY, gitter.zeilen()),
            ersterIndex(bereich.left(), Geometrie::ursprungX, gitter.spalten()),
            letzterIndex(bereich.bottom(), Geometrie::ursprungY, gitter.zeilen()),
            letzterIndex(bereich.right(), Geometrie::ursprungX, gitter.spalten())};
}

// At a scale that is no whole number, what is drawn may reach into the
// device pixel beyond its logical bounds.
int rundung(qreal skala)
{
    return skala == std::round(skala) ? 0 : 1;
}

QRect imGeraet(const QRectF &logisch, qreal skala)
{
    const int r = rundung(skala);
    return QRectF(logisch.topLeft() * skala, logisch.size() * skala).toAlignedRect().adjusted(-r, -r, r, r);
}

// The device pixels a side's line may touch at that scale, whatever its
// width.
QRect linienBereich(const Gitter &gitter, int seite, qreal skala)
{
    const QLine linie = Seite::linie(gitter, seite);
    return imGeraet(QRectF(QRect(linie.p1(), linie.p2())).adjusted(-dick, -dick, dick, dick), skala);
}

// The device pixels a box's symbol may touch at that scale: its outlines
// keep three pixels inside the box's lines.
QRect symbolBereich(QPoint ecke, qreal skala)
{
    return imGeraet(QRectF(ecke, QSizeF(feldKante, feldKante)).adjusted(symbolRand, symbolRand, -symbolRand, -symbolRand), skala);
}

// The sides of the boxes in the range, each once.
std::vector<int> seitenIn(const Gitter &gitter, const Ausschnitt &a)
{
    std::vector<int> seiten;
    for (int r = a.zeile0; r <= a.zeile1; ++r) {
        for (int c = a.spalte0; c <= a.spalte1; ++c) {
            seiten.push_back(gitter.seite(r, c, Richtung::oben));
            seiten.push_back(gitter.seite(r, c, Richtung::links));
            if (r == a.zeile1)
                seiten.push_back(gitter.seite(r, c, Richtung::unten));
            if (c == a.spalte1)
                seiten.push_back(gitter.seite(r, c, Richtung::rechts));
        }
    }
    return seiten;
}

void zeichneLinien(QPainter &maler, const QVector<QLine> &linien, Qt::GlobalColor farbe)
{
    if (linien.isEmpty())
        return;
    maler.setPen(QPen(QColor(farbe), duenn));
    maler.drawLines(linien);
}

// A line two pixels wide covers exactly this rectangle, reaching a pixel
// beyond its dots and to either side; filled rather than stroked, it costs
// a fraction.
QRectF dickeLinie(const QLine &linie)
{
    return QRectF(QPointF(linie.p1()) - QPointF(1, 1), QPointF(linie.p2()) + QPointF(1, 1));
}

void zeichneDick(QPainter &maler, const QVector<QLine> &linien, const QColor &farbe)
{
    for (const QLine &linie : linien)
        maler.fillRect(dickeLinie(linie), farbe);
}

}

void Brettbild::setzeMassstab(qreal massstab, qreal dichte)
{
    faktor = massstab;
    this->dichte = dichte;
}

QSize Brettbild::groesse() const
{
    return pixmap.isNull() ? QSize() : (QSizeF(pixmap.size()) / dichte).toSize();
}

void Brettbild::male(const Stellung &stellung)
{
    const Gitter &gitter = stellung.gitter();
    const QSizeF geraet = QSizeF(Geometrie::bildGroesse(gitter)) * faktor * dichte;
    pixmap = QPixmap(QSize(static_cast<int>(std::ceil(geraet.width())), static_cast<int>(std::ceil(geraet.height()))));
    male(stellung, QRect(QPoint(0, 0), Geometrie::bildGroesse(gitter)), false);
}

void Brettbild::maleBereich(const Stellung &stellung, const QRect &bereich)
{
    if (!pixmap.isNull())
        male(stellung, bereich, true);
}

void Brettbild::maleSeite(const Stellung &stellung, int seite)
{
    // A drawn side's line lies over everything but the symbols, which keep
    // clear of it: its pixels are all its own black. At a scale that is no
    // whole number a symbol may share a device pixel with it.
    if (stellung.art(seite) == Art::gezogen && rundung(faktor * dichte) == 0 && !pixmap.isNull()) {
        QPainter maler;
        beginne(maler);
        maler.setTransform(QTransform::fromScale(faktor * dichte, faktor * dichte));
        maler.fillRect(dickeLinie(Seite::linie(stellung.gitter(), seite)), Qt::black);
        maler.end();
        pixmap.setDevicePixelRatio(dichte);
        return;
    }
    maleBereich(stellung, Seite::bereich(stellung.gitter(), seite));
}

// A box's symbol lies inside its lines, which need not be painted again.
void Brettbild::maleFeld(const Stellung &stellung, int platz)
{
    const QPoint ecke = Geometrie::ecke(stellung.gitter(), platz);
    maleBereich(stellung, QRect(ecke, QSize(feldKante, feldKante)).adjusted(dick, dick, -dick, -dick));
}

// The picture is painted in device pixels, with the scale as the painter's
// transformation, so that the clip of a part lies on whole device pixels and
// a part painted again matches the whole painted anew.
void Brettbild::beginne(QPainter &maler)
{
    pixmap.setDevicePixelRatio(1.0);
    maler.begin(&pixmap);
}

void Brettbild::male(const Stellung &stellung, const QRect &bereich, bool beschneiden)
{
    const Gitter &gitter = stellung.gitter();
    const qreal skala = faktor * dichte;
    const QRect geraet = beschneiden ? imGeraet(QRectF(bereich), skala) : pixmap.rect();
    const QRect logisch = QRectF(QPointF(geraet.topLeft()) / skala, QSizeF(geraet.size()) / skala).toAlignedRect();
    const Ausschnitt a = ausschnitt(gitter, logisch);
    {
        QPainter maler;
        beginne(maler);
        // The whole picture is clipped too: at a scale that is no whole
        // number, a line that covers pixels only in part is drawn otherwise
        // with a clip than without one.
        maler.setClipRect(geraet);
        maler.fillRect(geraet, Qt::yellow);
        maler.setTransform(QTransform::fromScale(skala, skala));

        const std::vector<int> seiten = seitenIn(gitter, a);
        QVector<QLine> frei, rahmen, gezogen;
        for (const int seite : seiten) {
            // Thick lines are costly; one that misses the part would change
            // nothing there.
            if (beschneiden && !linienBereich(gitter, seite, skala).intersects(geraet))
                continue;
            if (gitter.istRahmen(seite))
                rahmen << Seite::linie(gitter, seite);
            else
                frei << Seite::freieLinie(gitter, seite);
            if (stellung.art(seite) == Art::gezogen)
                gezogen << Seite::linie(gitter, seite);
        }
        // The grid as a new board shows it: light gray inside, the black
        // frame over the dots at its edge.
        zeichneLinien(maler, frei, Qt::lightGray);
        zeichneLinien(maler, rahmen, Qt::black);
        for (int r = a.zeile0; r <= a.zeile1; ++r) {
            for (int c = a.spalte0; c <= a.spalte1; ++c) {
                if (stellung.istGesperrt(gitter.platz(r, c)))
                    Feld::zeichneLoch(maler, Geometrie::ecke(r, c));
            }
        }
        // Drawn sides over the holes' edges where they meet.
        zeichneDick(maler, gezogen, Qt::black);
        for (int r = a.zeile0; r <= a.zeile1; ++r) {
            for (int c = a.spalte0; c <= a.spalte1; ++c) {
                const Stellung::Besitzer wer = stellung.besitzer(gitter.platz(r, c));
                // A symbol is the most costly to paint; one outside the part
                // painted again would change nothing.
                if (wer != Stellung::Besitzer::niemand && symbolBereich(Geometrie::ecke(r, c), skala).intersects(geraet))
                    Feld::zeichneBesitzer(maler, Geometrie::ecke(r, c), wer == Stellung::Besitzer::mensch);
            }
        }
    }
    pixmap.setDevicePixelRatio(dichte);
}

void Brettbild::hebeHervor(const Stellung &stellung, int seite, QColor farbe, int breite)
{
    if (pixmap.isNull())
        return;
    const Gitter &gitter = stellung.gitter();
    {
        QPainter maler;
        beginne(maler);
        maler.setTransform(QTransform::fromScale(faktor * dichte, faktor * dichte));
        const QLine linie = Seite::linie(gitter, seite);
        if ((breite > 0 ? breite : stellung.art(seite) == Art::gezogen ? dick : duenn) == dick) {
            maler.fillRect(dickeLinie(linie), farbe);
        } else {
            maler.setPen(QPen(farbe, duenn));
            maler.drawLine(linie);
        }
    }
    pixmap.setDevicePixelRatio(dichte);
}
