// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ANALYSEDIALOG_H
#define PUNKTFELD_ANALYSEDIALOG_H

#include "game/analyse.h"

#include <QDialog>

class QTableWidget;

// The review of the player's game: one row per turn of the human's with what
// it cost, a summary, and a chart of who was ahead after every turn.
// Choosing a row asks to go back to the position before that turn.
class AnalyseDialog : public QDialog
{
    Q_OBJECT

public:
    AnalyseDialog(const Analyse::Ergebnis &ergebnis, QWidget *parent = nullptr);

    // "3 Fehler, zusammen 7 Kästchen", or "Kein Fehler": the turns that lost
    // boxes for certain.
    static QString zusammenfassung(const std::vector<Analyse::Zugbewertung> &zuege);

signals:
    void zugGewaehlt(std::size_t eintrag, int besteSeite);

private:
    QTableWidget *tabelle(const std::vector<Analyse::Zugbewertung> &zuege);
    QWidget *diagramm(const std::vector<Analyse::Punkt> &punkte);

    std::vector<Analyse::Zugbewertung> zuege;
};

#endif
