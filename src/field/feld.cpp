// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"

#include "besitzmelder.h"
#include "geometrie.h"
#include "malflaeche.h"
#include "richtung.h"
#include "seite.h"

#include <QPainter>
#include <QPen>
#include <QRectF>

using Richtung::links;
using Richtung::oben;
using Richtung::rechts;
using Richtung::unten;

Feld::Feld(Malflaeche &flaeche, Besitzmelder *melder, int x, int y, Feld *linkerNachbar, Feld *obererNachbar)
    : flaeche(flaeche), melder(melder), x(x), y(y),
      // The grid is built row by row from the top left, every box after the
      // boxes to its left and above it.
      zeilenIndex(obererNachbar ? obererNachbar->zeilenIndex + 1 : 0),
      spaltenIndex(linkerNachbar ? linkerNachbar->spaltenIndex + 1 : 0)
{
    nachbarn[oben] = obererNachbar;
    nachbarn[links] = linkerNachbar;

    auto neueSeite = [&](int lage) {
        eigeneSeiten.push_back(std::make_unique<Seite>(flaeche, x, y, lage));
        return eigeneSeiten.back().get();
    };

    if (obererNachbar) {
        seiten[oben] = obererNachbar->seiten[unten];
        seiten[oben]->gibFrei();
        obererNachbar->nachbarn[unten] = this;
    } else {
        seiten[oben] = neueSeite(oben);
    }
    seiten[rechts] = neueSeite(rechts);
    seiten[unten] = neueSeite(unten);
    if (linkerNachbar) {
        seiten[links] = linkerNachbar->seiten[rechts];
        seiten[links]->gibFrei();
        linkerNachbar->nachbarn[rechts] = this;
    } else {
        seiten[links] = neueSeite(links);
    }

    seiten[oben]->verbinde(seiten[rechts]);
    seiten[oben]->verbinde(seiten[links]);
    seiten[unten]->verbinde(seiten[rechts]);
    seiten[unten]->verbinde(seiten[links]);
}

Feld::~Feld() = default;

int Feld::index(int richtung)
{
    return richtung == oben || richtung == rechts || richtung == unten ? richtung : links;
}

Feld *Feld::nachbar(int richtung)
{
    return nachbarn[index(richtung)];
}

const Feld *Feld::nachbar(int richtung) const
{
    return nachbarn[index(richtung)];
}

Seite *Feld::seite(int richtung) const
{
    return seiten[index(richtung)];
}

int Feld::richtungBei(int dx, int dy)
{
    if (dx < dy)
        return dy <= Geometrie::feldKante - dx ? links : unten;
    return dy > Geometrie::feldKante - dx ? rechts : oben;
}

bool Feld::zieheBei(int dx, int dy, int *richtung)
{
    *richtung = richtungBei(dx, dy);
    return seiten[*richtung]->ziehe();
}

void Feld::zieheSeite(int richtung)
{
    seite(richtung)->ziehe();
}

bool Feld::istGeschlossen() const
{
    return anzahlGeschlossen() == 4;
}

int Feld::anzahlGeschlossen() const
{
    int anzahl = 0;
    for (const Seite *s : seiten)
        anzahl += s->istFrei() ? 0 : 1;
    return anzahl;
}

std::vector<Seite *> Feld::geschlosseneSeiten() const
{
    std::vector<Seite *> ergebnis;
    for (Seite *s : seiten) {
        if (!s->istFrei())
            ergebnis.push_back(s);
    }
    return ergebnis;
}

std::vector<int> Feld::freieRichtungen() const
{
    std::vector<int> ergebnis;
    for (int r = oben; r <= links; ++r) {
        if (seiten[r]->istFrei())
            ergebnis.push_back(r);
    }
    return ergebnis;
}

void Feld::zeichneBesitzer(bool mensch)
{
    {
        QPainter maler(flaeche.bild());
        QPen stift{QColor(Qt::black)};
        stift.setWidth(2);
        maler.setPen(stift);
        if (mensch) {
            maler.drawEllipse(QRect(x + 4, y + 4, 32, 32));
            stift.setColor(Qt::red);
            maler.setPen(stift);
            maler.drawArc(QRectF(x + 12, y + 20, 16.0, 8.0), -480, -1920);
            stift.setWidth(3);
            stift.setColor(Qt::blue);
            maler.setPen(stift);
            maler.drawEllipse(QRect(x + 12, y + 12, 4, 4));
            maler.drawEllipse(QRect(x + 24, y + 12, 4, 4));
            vomMenschen = true;
        } else {
            maler.drawRoundedRect(QRectF(x + 4, y + 8, 32.0, 24.0), 3.0, 3.0, Qt::AbsoluteSize);
        }
    }
    flaeche.zeige();
    if (melder)
        melder->besitzerGeaendert(mensch, true);
}

void Feld::loescheBesitzer(bool mensch)
{
    {
        QPainter maler(flaeche.bild());
        maler.fillRect(QRect(x + 2, y + 2, 36, 36), Qt::yellow);
    }
    flaeche.zeige();
    if (melder)
        melder->besitzerGeaendert(mensch, false);
    vomMenschen = false;
}

void Feld::sperre()
{
    {
        QPainter maler(flaeche.bild());
        maler.fillRect(QRect(x, y, Geometrie::feldKante, Geometrie::feldKante), Qt::gray);
    }
    for (Seite *s : seiten)
        s->sperre();
    // The fill covers the top and left lines; the right and bottom ones lie
    // just outside it and are drawn gray too, so that none looks free.
    seiten[rechts]->zeichneNeu();
    seiten[unten]->zeichneNeu();
    gesperrt = true;
}
