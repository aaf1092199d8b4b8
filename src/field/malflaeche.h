// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_MALFLAECHE_H
#define PUNKTFELD_MALFLAECHE_H

#include <QPixmap>
#include <QSize>

#include <functional>

// The board picture that boxes and sides paint themselves into, at the
// screen's pixel density. Painting is incremental: every change goes into
// this one picture, which whoever shows it is handed after each painting.
class Malflaeche
{
public:
    // Called with the picture after a painting, and with null before one:
    // the picture is then changed in place rather than copied away from a
    // shown copy that shares its pixels.
    using Anzeige = std::function<void(const QPixmap *)>;

    void setzeAnzeige(Anzeige anzeige) { this->anzeige = std::move(anzeige); }
    // The pixel density of the next new picture.
    void setzeDichte(qreal dichte) { this->dichte = dichte; }

    // A new yellow picture of this many pixels of the board.
    void neu(QSize groesse);
    // The picture to paint into; every painting ends with zeige().
    QPixmap *bild();
    void zeige();
    // While a whole board is painted side by side it is shown only once, when
    // showing is no longer held.
    void halte(bool halten);

    const QPixmap &stand() const { return pixmap; }
    QSize groesse() const { return logischeGroesse; }

private:
    QPixmap pixmap;
    QSize logischeGroesse;
    qreal dichte = 1.0;
    Anzeige anzeige;
    bool gezeigt = false;
    bool gehalten = false;
};

#endif
