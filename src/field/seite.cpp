// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "seite.h"

#include "geometrie.h"
#include "malflaeche.h"
#include "richtung.h"

#include <QLine>
#include <QPainter>
#include <QPen>
#include <QPoint>

#include <algorithm>

// A side runs from one dot of its box to the next.
using Geometrie::feldKante;

Seite::Seite(Malflaeche &flaeche, int x, int y, int lage)
    : flaeche(flaeche), x(x), y(y), lage(lage), farbe(Qt::black)
{
    zeichne(farbe, breite);
}

void Seite::zeichne(int farbe, int breite) const
{
    QLine linie;
    switch (lage) {
    case Richtung::oben:
        linie = QLine(x, y, x + feldKante, y);
        break;
    case Richtung::rechts:
        // A free right side stops one pixel short of both dots, so the dots
        // keep showing black between light-gray sides.
        linie = farbe == Qt::lightGray ? QLine(x + feldKante, y + 1, x + feldKante, y + feldKante - 1)
                                       : QLine(x + feldKante, y, x + feldKante, y + feldKante);
        break;
    case Richtung::unten:
        linie = QLine(x, y + feldKante, x + feldKante, y + feldKante);
        break;
    default:
        linie = QLine(x, y, x, y + feldKante);
        break;
    }
    {
        QPainter maler(flaeche.bild());
        QPen stift{QColor(static_cast<Qt::GlobalColor>(farbe))};
        stift.setWidth(breite);
        maler.setPen(stift);
        maler.drawLines(&linie, 1);
    }
    flaeche.zeige();
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
    zeichne(Qt::yellow, breite);
    farbe = Qt::lightGray;
    breite = 1;

    // The erased thick line also covered pixels of the sides that meet it:
    // the ends of those across it and one pixel of the side in line before
    // it. They are painted again so that the picture shows what it would if
    // this side had never been taken, in the order a game paints them:
    // first the thin light-gray lines, then the gray edges of holes, and
    // last the black lines over them.
    std::vector<const Seite *> hell{this};
    for (const Seite *andere : beruehrendeSeiten()) {
        if (andere->farbe == Qt::lightGray)
            hell.push_back(andere);
    }
    std::vector<const Seite *> grau;
    for (const Seite *seite : hell) {
        seite->zeichneNeu();
        for (const Seite *andere : seite->beruehrendeSeiten()) {
            if (andere->farbe == Qt::gray && std::find(grau.begin(), grau.end(), andere) == grau.end())
                grau.push_back(andere);
        }
    }
    for (const Seite *seite : grau)
        seite->zeichneNeu();
    hell.insert(hell.end(), grau.begin(), grau.end());
    zeichneSchwarzeUeber(hell);
}

void Seite::zeigeWieder() const
{
    zeichneNeu();
    // The ends of a hole's gray edge are shared with sides that may have
    // been taken since it was drawn; they stay on top.
    if (farbe == Qt::gray)
        zeichneSchwarzeUeber({this});
}

void Seite::zeichneSchwarzeUeber(const std::vector<const Seite *> &seiten)
{
    // Taken sides after the frame, so that a dot stays black while a black
    // side touches it, whatever order the sides were drawn in.
    std::vector<const Seite *> schwarz;
    for (const Seite *seite : seiten) {
        for (const Seite *andere : seite->beruehrendeSeiten()) {
            if (andere->farbe == Qt::black && std::find(schwarz.begin(), schwarz.end(), andere) == schwarz.end())
                schwarz.push_back(andere);
        }
    }
    std::stable_sort(schwarz.begin(), schwarz.end(), [](const Seite *a, const Seite *b) { return a->breite < b->breite; });
    for (const Seite *andere : schwarz)
        andere->zeichneNeu();
}

QRect Seite::bereich() const
{
    const auto [anfang, ende] = endpunkte();
    return QRect(anfang, ende).adjusted(-2, -2, 2, 2);
}

std::pair<QPoint, QPoint> Seite::endpunkte() const
{
    const QPoint anfang(x + (lage == Richtung::rechts ? feldKante : 0), y + (lage == Richtung::unten ? feldKante : 0));
    return {anfang, anfang + (lage % 2 ? QPoint(0, feldKante) : QPoint(feldKante, 0))};
}

std::vector<const Seite *> Seite::beruehrendeSeiten() const
{
    // The linked sides cross this one at its end points; the sides in line
    // with it are found as the linked sides' links that continue this line.
    std::vector<const Seite *> ergebnis(nachbarn.begin(), nachbarn.end());
    const auto [anfang, ende] = endpunkte();
    for (const Seite *quer : nachbarn) {
        for (const Seite *andere : quer->nachbarn) {
            const auto [andererAnfang, anderesEnde] = andere->endpunkte();
            const bool inLinie = andere->lage % 2 == lage % 2 && (anderesEnde == anfang || andererAnfang == ende);
            if (andere != this && inLinie && std::find(ergebnis.begin(), ergebnis.end(), andere) == ergebnis.end())
                ergebnis.push_back(andere);
        }
    }
    return ergebnis;
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
