// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SPIELLABEL_H
#define PUNKTFELD_SPIELLABEL_H

#include "field/brettbild.h"
#include "partie.h"
#include "tipp.h"

#include <QLabel>

#include <functional>

class QKeyEvent;
class QMouseEvent;
class Spielstand;

// The board view. It paints the picture of the game's position and shows it,
// at the size the window gives it; turns a press into a side for the game;
// and passes the player's commands on, a command or press ending a hint
// first.
class SpielLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SpielLabel(QWidget *parent = nullptr);

    void neuesSpiel(int groesse, bool zufallsform);
    void ladeSpielstand(const Spielstand &stand);
    void setLevel(int level);
    void setMenschStartet(bool menschStartet);
    void rueckgaengig();
    void wiederherstellen();
    void frageTipp();
    // Back to the position before the human's turn in that history record,
    // and the side the Meister would have drawn there blinks.
    void zurueckVor(std::size_t eintrag, int besteSeite);

    Partie &partie() { return spiel; }
    const Partie &partie() const { return spiel; }
    Tipp &hinweis() { return tippGeber; }
    const Stellung &stellung() const { return spiel.stellung(); }

    // The picture's size at its natural scale, 40 pixels a box: the size the
    // board opens at.
    QSize grundgroesse() const;
    // Where a point of the picture at its natural scale lies in the widget,
    // and back.
    QPoint ausBild(QPointF bildpunkt) const;
    QPointF zuBild(QPoint punkt) const;

    // The side the keyboard's mark is on, -1 while the keyboard has not
    // been used on this board; shown only while the board has the focus.
    int markierteSeite() const { return marke; }
    bool markeSichtbar() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Paints into the picture while the label does not share it, so that
    // no copy of it is made, then shows it.
    void male(const std::function<void()> &malen);
    void maleAlles();
    void hebeHervor(int seite, int farbe, int breite);
    qreal passenderMassstab() const;
    void bewegeMarke(int dx, int dy);
    void zieheMarkierte();
    void drueckeAuf(int zeile, int spalte, int richtung);

    Brettbild brettbild;
    Partie spiel;
    Tipp tippGeber;
    int marke = -1;
    // The mouse was used since the last key.
    bool markeVersteckt = false;
};

#endif
