// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "malflaeche.h"

void Malflaeche::neu(QSize groesse)
{
    if (gezeigt && anzeige)
        anzeige(nullptr);
    gezeigt = false;
    logischeGroesse = groesse;
    // Painted in the board's own coordinates, the picture has as many pixels
    // as the screen shows for it, so that it stays sharp when scaled.
    pixmap = QPixmap(groesse * dichte);
    pixmap.setDevicePixelRatio(dichte);
    pixmap.fill(Qt::yellow);
}

QPixmap *Malflaeche::bild()
{
    if (gezeigt && anzeige)
        anzeige(nullptr);
    gezeigt = false;
    return &pixmap;
}

void Malflaeche::zeige()
{
    if (gehalten)
        return;
    if (anzeige)
        anzeige(&pixmap);
    gezeigt = true;
}

void Malflaeche::halte(bool halten)
{
    gehalten = halten;
    if (!halten)
        zeige();
}
