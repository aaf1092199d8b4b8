// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SPIELLABEL_H
#define PUNKTFELD_SPIELLABEL_H

#include "field/malflaeche.h"
#include "partie.h"
#include "tipp.h"

#include <QLabel>

class QMouseEvent;
class Spielfeld;
class Spielstand;

// The board view. It shows the picture the game paints into, turns a press
// into a side for the game, and passes the player's commands on; a command
// or press ends a hint first.
class SpielLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SpielLabel(QWidget *parent = nullptr);
    ~SpielLabel() override;

    void neuesSpiel(int groesse, bool zufallsform);
    void ladeSpielstand(const Spielstand &stand);
    void setLevel(int level);
    void setMenschStartet(bool menschStartet);
    void rueckgaengig();
    void wiederherstellen();
    void tipp();
    // Back to the position before the human's turn in that history record,
    // and the side the Meister would have drawn there blinks.
    void zurueckVor(std::size_t eintrag, int besteSeite);

    Partie &partie() { return spiel; }
    const Partie &partie() const { return spiel; }
    Tipp &hinweis() { return tippGeber; }
    const Spielfeld &brett() const { return spiel.brett(); }
    // The grid to change directly, past the turns and the history: for
    // setting up a position. Show the picture afterwards.
    Spielfeld &brett() { return spiel.brett(); }
    void zeigeBild() { flaeche.zeige(); }
    int breite() const { return flaeche.groesse().width(); }
    int hoehe() const { return flaeche.groesse().height(); }

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void zeige(const QPixmap *bild);

    Malflaeche flaeche;
    Partie spiel;
    Tipp tippGeber;
};

#endif
