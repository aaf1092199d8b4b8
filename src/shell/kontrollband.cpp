// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "kontrollband.h"

#include <QPainter>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace {

constexpr int bandHoehe = 14;

}

Kontrollband::Kontrollband(const std::vector<Analyse::Punkt> &punkte, const QChartView &ansicht, QWidget *parent)
    : QWidget(parent), ansicht(ansicht)
{
    for (const Analyse::Punkt &punkt : punkte)
        kontrollen.push_back(punkt.kontrolle);
    setFixedHeight(bandHoehe);
    setToolTip(tr("Wer nach der Regel der langen Ketten auf Kurs zur Kontrolle ist: grün du, rot der Computer, "
                  "grau offen"));
}

QColor Kontrollband::farbe(Analyse::Kontrolle kontrolle)
{
    switch (kontrolle) {
    case Analyse::Kontrolle::mensch:
        return QColor(Qt::darkGreen);
    case Analyse::Kontrolle::computer:
        return QColor(Qt::red);
    case Analyse::Kontrolle::offen:
        break;
    }
    return QColor(Qt::lightGray);
}

QRect Kontrollband::abschnitt(int zug) const
{
    // Each point's stretch reaches halfway to its neighbours.
    const auto hierher = [this](QPointF imBild) {
        return mapFromGlobal(ansicht.viewport()->mapToGlobal(ansicht.mapFromScene(imBild))).x();
    };
    const auto x = [this, hierher](double wert) { return hierher(ansicht.chart()->mapToPosition(QPointF(wert, 0))); };
    const QRectF flaeche = ansicht.chart()->plotArea();
    const int links = std::max(x(zug - 0.5), hierher(flaeche.topLeft()));
    const int rechts = std::min(x(zug + 0.5), hierher(flaeche.topRight()));
    return QRect(QPoint(links, 0), QPoint(rechts, height() - 1));
}

void Kontrollband::paintEvent(QPaintEvent *)
{
    QPainter maler(this);
    for (std::size_t zug = 0; zug < kontrollen.size(); ++zug)
        maler.fillRect(abschnitt(static_cast<int>(zug)), farbe(kontrollen[zug]));
}
