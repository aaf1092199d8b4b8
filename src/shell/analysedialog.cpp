// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analysedialog.h"

#include "kontrollband.h"

#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
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
// Small enough to stand beside the large board on a laptop's screen of
// 1366 x 768 pixels.
const QSize diagrammGroesse(380, 290);
constexpr int tabellenHoehe = 180;
constexpr int kontrollSpalte = 4;
const QString strich = QStringLiteral("—");

bool istFehler(const Analyse::Zugbewertung &zug)
{
    return zug.sichererVerlust > 0;
}

QString verlustText(Analyse::Wissen wissen, int verlust)
{
    switch (wissen) {
    case Analyse::Wissen::exakt:
        return QString::number(verlust);
    case Analyse::Wissen::geschaetzt:
        return QStringLiteral("≈ ") + QString::number(verlust);
    case Analyse::Wissen::unbekannt:
        break;
    }
    return strich;
}

// The turn's sides, each that cost boxes followed by what it cost.
QString gezogenText(const Analyse::Zugbewertung &zug)
{
    QStringList texte;
    for (int j = 0; j < zug.gezogen.size(); ++j) {
        const auto i = static_cast<std::size_t>(j);
        const int verlust = zug.seitenVerluste[i];
        const Analyse::Wissen wissen = zug.seitenWissen[i];
        if (verlust > 0 && wissen != Analyse::Wissen::unbekannt)
            texte << zug.gezogen[j] + QStringLiteral(" (−") + verlustText(wissen, verlust) + QLatin1Char(')');
        else
            texte << zug.gezogen[j];
    }
    return texte.join(QStringLiteral(", "));
}

QString kontrollText(Analyse::Kontrolle kontrolle)
{
    switch (kontrolle) {
    case Analyse::Kontrolle::mensch:
        return AnalyseDialog::tr("du");
    case Analyse::Kontrolle::computer:
        return AnalyseDialog::tr("Computer");
    case Analyse::Kontrolle::offen:
        break;
    }
    return AnalyseDialog::tr("offen");
}

}

AnalyseDialog::AnalyseDialog(const Analyse::Ergebnis &ergebnis, QWidget *parent)
    : QDialog(parent), zuege(ergebnis.zuege)
{
    setWindowTitle(tr("Analyse"));
    auto *layout = new QVBoxLayout(this);
    auto *summe = new QLabel(zusammenfassung(zuege), this);
    summe->setObjectName(QStringLiteral("zusammenfassung"));
    summe->setWordWrap(true);
    QFont fett = summe->font();
    fett.setBold(true);
    summe->setFont(fett);
    layout->addWidget(summe);
    layout->addWidget(tabelle(zuege));
    auto *erklaerung = new QLabel(tr("Spalten A, B, … von links, Zeilen 1, 2, … von oben; eine Seite heißt nach dem "
                                     "Kästchen links von ihr oder über ihr, am Rand nach dem daneben. „≈“ ist "
                                     "geschätzt, „—“ noch nicht bekannt. Kontrolle: wer nach der Regel der langen "
                                     "Ketten auf Kurs ist, die langen Ketten zu bekommen."),
                                  this);
    erklaerung->setWordWrap(true);
    layout->addWidget(erklaerung);
    layout->addWidget(diagramm(ergebnis.punkte));
}

QString AnalyseDialog::zusammenfassung(const std::vector<Analyse::Zugbewertung> &zuege)
{
    const auto fehler = std::count_if(zuege.begin(), zuege.end(), istFehler);
    const auto offen = std::count_if(zuege.begin(), zuege.end(),
                                     [](const Analyse::Zugbewertung &zug) { return zug.wissen != Analyse::Wissen::exakt; });
    int kaestchen = 0;
    for (const Analyse::Zugbewertung &zug : zuege)
        kaestchen += zug.sichererVerlust;
    // Each count in its own text, so that a language with singular and
    // plural gets each right.
    QString text = fehler == 0 ? tr("Kein Fehler")
                               : tr("%n Fehler", nullptr, static_cast<int>(fehler))
            + tr(": %n Kästchen verschenkt", nullptr, kaestchen);
    if (offen > 0)
        text += QLatin1Char('\n')
            + tr("Gezählt sind nur Verluste, die sicher feststehen: bei %n deiner Züge steht er noch nicht fest.",
                 nullptr, static_cast<int>(offen));
    return text;
}

void AnalyseDialog::zeigeNeben(QWidget &fenster)
{
    adjustSize();
    const QScreen *schirm = fenster.screen() ? fenster.screen() : QGuiApplication::primaryScreen();
    const QRect platz = schirm->availableGeometry();
    const QRect rahmen = fenster.frameGeometry();
    // The dialog's own frame is not known before it is shown: it gets the
    // main window's.
    const QSize zugabe = rahmen.size() - fenster.size();
    const QSize groesse = size() + zugabe;
    const int oben = std::max(platz.top(), std::min(rahmen.top(), platz.bottom() + 1 - groesse.height()));
    if (rahmen.right() + groesse.width() <= platz.right()) {
        move(rahmen.right() + 1, oben);
    } else if (rahmen.left() - groesse.width() >= platz.left()) {
        move(rahmen.left() - groesse.width(), oben);
    } else {
        // Neither side has room: the window goes to the screen's left edge,
        // and the review takes what is left to its right.
        fenster.move(platz.left(), fenster.y());
        const int rechts = platz.left() + rahmen.width();
        resize(std::max(minimumSizeHint().width(), platz.right() + 1 - rechts - zugabe.width()), height());
        move(rechts, oben);
    }
    show();
}

QTableWidget *AnalyseDialog::tabelle(const std::vector<Analyse::Zugbewertung> &zuege)
{
    auto *tabelle = new QTableWidget(static_cast<int>(zuege.size()), kontrollSpalte + 1, this);
    tabelle->setObjectName(QStringLiteral("zuege"));
    tabelle->setHorizontalHeaderLabels({tr("Zug"), tr("Gezogen"), tr("Verlust"), tr("Besser"), tr("Kontrolle")});
    tabelle->verticalHeader()->hide();
    tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tabelle->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabelle->setSelectionMode(QAbstractItemView::SingleSelection);
    for (int zeile = 0; zeile < tabelle->rowCount(); ++zeile) {
        const Analyse::Zugbewertung &zug = zuege[static_cast<std::size_t>(zeile)];
        QString verlust = verlustText(zug.wissen, zug.verlust);
        // Part of the turn is not known, but what is known for certain
        // already cost boxes.
        if (zug.wissen == Analyse::Wissen::unbekannt && zug.sichererVerlust > 0)
            verlust = QStringLiteral("≥ ") + QString::number(zug.sichererVerlust);
        const QStringList texte{QString::number(zug.zug), gezogenText(zug), verlust, zug.besser,
                                kontrollText(zug.kontrolle)};
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
        if (zug.kontrolle != Analyse::Kontrolle::offen)
            tabelle->item(zeile, kontrollSpalte)->setForeground(Kontrollband::farbe(zug.kontrolle));
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
    // The line is open where nothing is known: one piece for each run of
    // known points.
    std::vector<QLineSeries *> linien;
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
    fehler->setMarkerSize(fehlerMarkerGroesse);
    fehler->setColor(Qt::red);
    fehler->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    int tiefst = 0;
    int hoechst = 0;
    bool luecke = true;
    for (const Analyse::Punkt &punkt : punkte) {
        if (punkt.wissen == Analyse::Wissen::unbekannt) {
            luecke = true;
            continue;
        }
        if (luecke) {
            linien.push_back(new QLineSeries);
            linien.back()->setColor(punktFarbe);
            luecke = false;
        }
        linien.back()->append(punkt.zug, punkt.wert);
        (punkt.wissen == Analyse::Wissen::exakt ? exakt : geschaetzt)->append(punkt.zug, punkt.wert);
        if (punkt.fehler)
            fehler->append(punkt.zug, punkt.wert);
        tiefst = std::min(tiefst, punkt.wert);
        hoechst = std::max(hoechst, punkt.wert);
    }
    auto *chart = new QChart;
    chart->setTitle(tr("Dein Vorsprung am Ende, bei bestem Spiel von hier an"));
    // The legend above, so that the band of control lies right under the
    // turns' axis.
    chart->legend()->setAlignment(Qt::AlignTop);
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
    std::vector<QXYSeries *> reihen(linien.begin(), linien.end());
    reihen.insert(reihen.end(), {fehler, exakt, geschaetzt});
    for (QXYSeries *reihe : reihen) {
        chart->addSeries(reihe);
        reihe->attachAxis(x);
        reihe->attachAxis(y);
    }
    // The lines only join the points; the legend names the markers.
    for (QLineSeries *linie : linien)
        chart->legend()->markers(linie).first()->setVisible(false);
    auto *flaeche = new QWidget(this);
    auto *stapel = new QVBoxLayout(flaeche);
    stapel->setContentsMargins(0, 0, 0, 0);
    stapel->setSpacing(0);
    auto *ansicht = new QChartView(chart, flaeche);
    ansicht->setObjectName(QStringLiteral("diagramm"));
    ansicht->setRenderHint(QPainter::Antialiasing);
    ansicht->setMinimumSize(diagrammGroesse);
    stapel->addWidget(ansicht);
    auto *band = new Kontrollband(punkte, *ansicht, flaeche);
    band->setObjectName(QStringLiteral("kontrollband"));
    stapel->addWidget(band);
    return flaeche;
}
