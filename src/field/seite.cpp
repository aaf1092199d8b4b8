#include "seite.h"

#include "game/spiellabel.h"

#include <QLine>
#include <QPainter>
#include <QPen>

#include <algorithm>

namespace {
constexpr int laenge = 40;
}

Seite::Seite(SpielLabel *label, int x, int y, int lage)
    : label(label), x(x), y(y), lage(lage), farbe(Qt::black)
{
    zeichne(farbe, breite);
}

void Seite::zeichne(int farbe, int breite) const
{
    QLine linie;
    switch (lage) {
    case 0:
        linie = QLine(x, y, x + laenge, y);
        break;
    case 1:
        // A free right side stops one pixel short of both dots, so the dots
        // keep showing black between light-gray sides.
        linie = farbe == Qt::lightGray ? QLine(x + laenge, y + 1, x + laenge, y + laenge - 1)
                                       : QLine(x + laenge, y, x + laenge, y + laenge);
        break;
    case 2:
        linie = QLine(x, y + laenge, x + laenge, y + laenge);
        break;
    default:
        linie = QLine(x, y, x, y + laenge);
        break;
    }
    {
        QPainter maler(label->bild());
        QPen stift{QColor(static_cast<Qt::GlobalColor>(farbe))};
        stift.setWidth(breite);
        maler.setPen(stift);
        maler.drawLines(&linie, 1);
    }
    label->zeigeBild();
}

bool Seite::ziehe()
{
    if (!frei)
        return false;
    zeichne(Qt::black, 2);
    frei = false;
    gezogen = true;
    farbe = Qt::black;
    breite = 2;
    return true;
}

void Seite::gibFrei()
{
    zeichne(Qt::lightGray, 1);
    farbe = Qt::lightGray;
    frei = true;
}

void Seite::markiere(bool rot) const
{
    zeichne(rot ? Qt::red : Qt::cyan, breite);
}

void Seite::zeichneNeu() const
{
    zeichne(farbe, breite);
}

void Seite::nimmZurueck()
{
    frei = true;
    gezogen = false;
    // The thick line overlaps the neighbouring sides' ends, so those are
    // painted again after the line has been erased.
    zeichne(Qt::yellow, breite);
    farbe = Qt::lightGray;
    breite = 1;
    zeichneNeu();
    for (const Seite *andere : nachbarn)
        andere->zeichneNeu();
}

void Seite::sperre()
{
    frei = false;
    farbe = Qt::gray;
}

void Seite::verbinde(Seite *andere)
{
    if (std::find(nachbarn.begin(), nachbarn.end(), andere) == nachbarn.end())
        nachbarn.push_back(andere);
    const auto &dort = andere->nachbarn;
    if (std::find(dort.begin(), dort.end(), this) == dort.end())
        andere->verbinde(this);
}
