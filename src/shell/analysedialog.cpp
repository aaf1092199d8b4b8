// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysedialog.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>

#include <algorithm>

// Qt 5 keeps the charts in a namespace of their own.
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
QT_CHARTS_USE_NAMESPACE
#endif

namespace {

constexpr int markerGroesse = 9;
constexpr int fehlerMarkerGroesse = 15;
const QColor punktFarbe(Qt::darkBlue);
const QSize diagrammGroesse(460, 260);
constexpr int tabellenHoehe = 240;

bool istFehler(const Analyse::Zugbewertung &zug)
{
    return zug.exakt && zug.verlust > 0;
}

QString verlustText(const Analyse::Zugbewertung &zug)
{
    return zug.exakt ? QString::number(zug.verlust) : QStringLiteral("≈ ") + QString::number(zug.verlust);
}

}

AnalyseDialog::AnalyseDialog(const Analyse::Ergebnis &ergebnis, QWidget *parent)
    : QDialog(parent), zuege(ergebnis.zuege)
{
    setWindowTitle(tr("Analyse"));
    auto *layout = new QVBoxLayout(this);
    auto *summe = new QLabel(zusammenfassung(zuege), this);
    summe->setObjectName(QStringLiteral("zusammenfassung"));
    QFont fett = summe->font();
    fett.setBold(true);
    summe->setFont(fett);
    layout->addWidget(summe);
    layout->addWidget(tabelle(zuege));
    layout->addWidget(new QLabel(tr("Spalten A, B, … von links, Zeilen 1, 2, … von oben; eine Seite heißt nach dem "
                                    "Kästchen links von ihr oder über ihr, am Rand nach dem daneben."),
                                 this));
    layout->addWidget(diagramm(ergebnis.punkte));
}

QString AnalyseDialog::zusammenfassung(const std::vector<Analyse::Zugbewertung> &zuege)
{
    const auto fehler = std::count_if(zuege.begin(), zuege.end(), istFehler);
    if (fehler == 0)
        return tr("Kein Fehler");
    int kaestchen = 0;
    for (const Analyse::Zugbewertung &zug : zuege)
        kaestchen += istFehler(zug) ? zug.verlust : 0;
    // Two counts, each in its own text, so that a language with singular and
    // plural gets both right.
    return tr("%n Fehler", nullptr, static_cast<int>(fehler)) + tr(", zusammen %n Kästchen", nullptr, kaestchen);
}

QTableWidget *AnalyseDialog::tabelle(const std::vector<Analyse::Zugbewertung> &zuege)
{
    auto *tabelle = new QTableWidget(static_cast<int>(zuege.size()), 4, this);
    tabelle->setObjectName(QStringLiteral("zuege"));
    tabelle->setHorizontalHeaderLabels({tr("Zug"), tr("Gezogen"), tr("Verlust"), tr("Besser")});
    tabelle->verticalHeader()->hide();
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile) {
        const Analyse::Zugbewertung &zug = zuege[static_cast<std::size_t>(zeile)];
        const QStringList texte{QString::number(zug.zug), zug.gezogen.join(QStringLiteral(", ")), verlustText(zug),
                                zug.besser};
        for (int spalte = 0; spalte < texte.size(); ++spalte) {
            auto *eintrag = new QTableWidgetItem(texte[spalte]);
            if (istFehler(zug)) {
                QFont fett = eintrag->font();
                fett.setBold(true);
                eintrag->setFont(fett);
                eintrag->setForeground(Qt::darkRed);
            }
            tabelle->setItem(zeile, spalte, eintrag);
        }
    }
    tabelle->resizeColumnsToContents();
    tabelle->setMinimumHeight(tabellenHoehe);
    tabelle->horizontalHeader()->setStretchLastSection(true);
    // Enter and a double-click both activate a row.
    connect(tabelle, &QTableWidget::itemActivated, this, [this](QTableWidgetItem *eintrag) {
        const Analyse::Zugbewertung &zug = this->zuege[static_cast<std::size_t>(eintrag->row())];
        emit zugGewaehlt(zug.eintrag, zug.besteSeite);
    });
    return tabelle;
}

QWidget *AnalyseDialog::diagramm(const std::vector<Analyse::Punkt> &punkte)
{
    auto *linie = new QLineSeries;
    auto *exakt = new QScatterSeries;
    auto *geschaetzt = new QScatterSeries;
    auto *fehler = new QScatterSeries;
    exakt->setName(tr("exakt"));
    geschaetzt->setName(tr("geschätzt"));
    fehler->setName(tr("Fehler"));
    exakt->setMarkerSize(markerGroesse);
    geschaetzt->setMarkerSize(markerGroesse);
    // Both kinds of points in the line's colour, the estimates hollow.
    exakt->setColor(punktFarbe);
    exakt->setBorderColor(punktFarbe);
    geschaetzt->setBrush(Qt::white);
    geschaetzt->setBorderColor(punktFarbe);
    linie->setColor(punktFarbe);
    fehler->setMarkerSize(fehlerMarkerGroesse);
    fehler->setColor(Qt::red);
    fehler->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    int tiefst = 0;
    int hoechst = 0;
    for (const Analyse::Punkt &punkt : punkte) {
        linie->append(punkt.zug, punkt.wert);
        (punkt.exakt ? exakt : geschaetzt)->append(punkt.zug, punkt.wert);
        if (punkt.fehler)
            fehler->append(punkt.zug, punkt.wert);
        tiefst = std::min(tiefst, punkt.wert);
        hoechst = std::max(hoechst, punkt.wert);
    }
    auto *chart = new QChart;
    chart->setTitle(tr("Dein Vorsprung am Ende, bei bestem Spiel von hier an"));
    chart->legend()->setAlignment(Qt::AlignBottom);
    auto *x = new QValueAxis;
    x->setTitleText(tr("nach Zug"));
    x->setLabelFormat(QStringLiteral("%d"));
    x->setRange(0, std::max<int>(1, static_cast<int>(punkte.size()) - 1));
    auto *y = new QValueAxis;
    y->setTitleText(tr("Kästchen"));
    y->setLabelFormat(QStringLiteral("%d"));
    y->setRange(tiefst - 1, hoechst + 1);
    y->applyNiceNumbers();
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QXYSeries *reihe : std::initializer_list<QXYSeries *>{linie, fehler, exakt, geschaetzt}) {
        chart->addSeries(reihe);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
    }
    // The line only joins the points; the legend names the markers.
    chart->legend()->markers(linie).first()->setVisible(false);
    auto *ansicht = new QChartView(chart, this);
    ansicht->setObjectName(QStringLiteral("diagramm"));
    ansicht->setRenderHint(QPainter::Antialiasing);
    ansicht->setMinimumSize(diagrammGroesse);
    return ansicht;
}
