// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ANALYSEDIALOG_H
#define PUNKTFELD_ANALYSEDIALOG_H

#include "game/analyse.h"

#include <QDialog>

class QTableWidget;

// The review of the player's game: one row per turn of the human's with what
// it cost and who is on course for control, a summary, and a chart of who
// was ahead after every turn with a band of who had control under it.
// Choosing a row asks to go back to the position before that turn.
class AnalyseDialog : public QDialog
{
    Q_OBJECT

public:
    AnalyseDialog(const Analyse::Ergebnis &ergebnis, QWidget *parent = nullptr);

    // "3 Fehler: 7 Kästchen verschenkt", or "Kein Fehler": the turns that
    // lost boxes for certain; and, where some turns are not valued for
    // certain, that they are not counted.
    static QString zusammenfassung(const std::vector<Analyse::Zugbewertung> &zuege);
    // Opens beside `fenster` where the screen has room, else moves `fenster`
    // aside to make room: never over the board.
    void zeigeNeben(QWidget &fenster);

signals:
    void zugGewaehlt(std::size_t eintrag, int besteSeite);

private:
    QTableWidget *tabelle(const std::vector<Analyse::Zugbewertung> &zuege);
    QWidget *diagramm(const std::vector<Analyse::Punkt> &punkte);

    std::vector<Analyse::Zugbewertung> zuege;
};

#endif
