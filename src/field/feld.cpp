// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "feld.h"

#include "geometrie.h"
#include "model/richtung.h"

#include <QLine>
#include <QPainter>
#include <QPen>
#include <QRectF>

using Geometrie::feldKante;

namespace {
constexpr int symbolStift = 2;
constexpr int augenStift = 3;
}

void Feld::zeichneBesitzer(QPainter &maler, QPoint ecke, bool mensch)
{
    const int x = ecke.x();
    const int y = ecke.y();
    QPen stift{QColor(Qt::black)};
    stift.setWidth(symbolStift);
    maler.setPen(stift);
    maler.setBrush(Qt::NoBrush);
    if (!mensch) {
        maler.drawRoundedRect(QRectF(x + 4, y + 8, 32.0, 24.0), 3.0, 3.0, Qt::AbsoluteSize);
        return;
    }
    maler.drawEllipse(QRect(x + 4, y + 4, 32, 32));
    stift.setColor(Qt::red);
    maler.setPen(stift);
    // The lower part of an ellipse, in sixteenths of a degree.
    maler.drawArc(QRectF(x + 12, y + 20, 16.0, 8.0), -480, -1920);
    stift.setWidth(augenStift);
    stift.setColor(Qt::blue);
    maler.setPen(stift);
    maler.drawEllipse(QRect(x + 12, y + 12, 4, 4));
    maler.drawEllipse(QRect(x + 24, y + 12, 4, 4));
}

void Feld::zeichneLoch(QPainter &maler, QPoint ecke)
{
    maler.fillRect(QRect(ecke, QSize(feldKante, feldKante)), Qt::gray);
    // The fill covers the top and left lines; the right and bottom ones lie
    // just outside it.
    const QLine linien[] = {QLine(ecke + QPoint(feldKante, 0), ecke + QPoint(feldKante, feldKante)),
                            QLine(ecke + QPoint(0, feldKante), ecke + QPoint(feldKante, feldKante))};
    maler.setPen(QPen(QColor(Qt::gray), 1));
    maler.drawLines(linien, 2);
}

int Feld::richtungBei(int dx, int dy)
{
    if (dx < dy)
        return dy <= feldKante - dx ? Richtung::links : Richtung::unten;
    return dy > feldKante - dx ? Richtung::rechts : Richtung::oben;
}
