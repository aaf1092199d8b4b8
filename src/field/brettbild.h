// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_BRETTBILD_H
#define PUNKTFELD_BRETTBILD_H

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>

class Gitter;
class QPainter;
class Stellung;

// The picture of a board, painted from its position. Any part of it can be
// painted again from the position, and then looks exactly as if the whole
// picture had been painted anew: every part is painted in one order, the
// free lines of the grid first, then the frame, the holes, the drawn sides
// and the symbols.
//
// The drawing is made for a board 40 pixels a box; the picture may be any
// multiple of that, and has as many pixels as the screen shows for it, so
// that it stays sharp at every size.
class Brettbild
{
public:
    // `massstab` times the natural size, at `dichte` device pixels per pixel.
    void setzeMassstab(qreal massstab, qreal dichte);
    qreal massstab() const { return faktor; }

    // The whole picture anew, at the size the position's board needs.
    void male(const Stellung &stellung);
    // What lies within `bereich`, in pixels of the natural size.
    void maleBereich(const Stellung &stellung, const QRect &bereich);
    void maleSeite(const Stellung &stellung, int seite);
    void maleFeld(const Stellung &stellung, int platz);
    // Paints a side over in a colour, as wide as it is drawn; painting its
    // area again takes the colour away.
    void hebeHervor(const Stellung &stellung, int seite, QColor farbe, int breite = 0);

    const QPixmap &bild() const { return pixmap; }
    // The picture's size in pixels of the screen's coordinates.
    QSize groesse() const;

private:
    void male(const Stellung &stellung, const QRect &bereich, bool beschneiden);
    void beginne(QPainter &maler);

    QPixmap pixmap;
    qreal faktor = 1.0;
    qreal dichte = 1.0;
};

#endif
