// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_KONTROLLBAND_H
#define PUNKTFELD_KONTROLLBAND_H

#include "game/analyse.h"

#include <QWidget>

#include <vector>

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
namespace QtCharts {
class QChartView;
}
using QtCharts::QChartView;
#else
class QChartView;
#endif

// A band under the review's chart: after every turn, in the colour of whoever
// is on course for control of the long chains, gray where that is open. It
// lines up with the chart's turns.
class Kontrollband : public QWidget
{
    Q_OBJECT

public:
    Kontrollband(const std::vector<Analyse::Punkt> &punkte, const QChartView &ansicht, QWidget *parent = nullptr);

    static QColor farbe(Analyse::Kontrolle kontrolle);
    // The stretch of the band that stands for the point after turn `zug`.
    QRect abschnitt(int zug) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    std::vector<Analyse::Kontrolle> kontrollen;
    const QChartView &ansicht;
};

#endif
