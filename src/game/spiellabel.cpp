// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spiellabel.h"

#include "field/feld.h"
#include "field/geometrie.h"

#include <QMouseEvent>

using Geometrie::feldKante;

SpielLabel::SpielLabel(QWidget *parent)
    : QLabel(parent), spiel(flaeche, this), tippGeber(spiel, flaeche, this)
{
    // The picture is drawn from its top-left corner, so that press positions
    // are picture coordinates whatever size the label is given.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    flaeche.setzeAnzeige([this](const QPixmap *bild) { zeige(bild); });
    connect(&spiel, &Partie::neuesBrett, this, [this] { resize(breite(), hoehe()); });
}

SpielLabel::~SpielLabel()
{
    flaeche.setzeAnzeige({});
}

void SpielLabel::zeige(const QPixmap *bild)
{
    setPixmap(bild ? *bild : QPixmap());
}

void SpielLabel::neuesSpiel(int groesse, bool zufallsform)
{
    tippGeber.beende();
    flaeche.setzeDichte(devicePixelRatioF());
    spiel.neuesSpiel(groesse, zufallsform);
}

void SpielLabel::ladeSpielstand(const Spielstand &stand)
{
    tippGeber.beende();
    flaeche.setzeDichte(devicePixelRatioF());
    spiel.lade(stand);
}

void SpielLabel::setLevel(int level)
{
    tippGeber.beende();
    spiel.setzeLevel(level);
}

void SpielLabel::setMenschStartet(bool menschStartet)
{
    spiel.setzeMenschStartet(menschStartet);
}

void SpielLabel::rueckgaengig()
{
    tippGeber.beende();
    spiel.rueckgaengig();
}

void SpielLabel::wiederherstellen()
{
    tippGeber.beende();
    spiel.wiederherstellen();
}

void SpielLabel::zurueckVor(std::size_t eintrag, int besteSeite)
{
    tippGeber.beende();
    spiel.zurueckVor(eintrag);
    if (besteSeite >= 0)
        tippGeber.zeige(besteSeite);
}

void SpielLabel::tipp()
{
    tippGeber.frage();
}

void SpielLabel::mousePressEvent(QMouseEvent *event)
{
    tippGeber.beende();
    if (event->button() != Qt::LeftButton)
        return;
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QPoint punkt = event->position().toPoint();
#else
    const QPoint punkt = event->pos();
#endif
    const int x = punkt.x() - Geometrie::ursprungX;
    const int y = punkt.y() - Geometrie::ursprungY;
    const int spalte = x / feldKante;
    const int zeile = y / feldKante;
    // The last two pixel columns and rows of the picture lie beyond the
    // last box; such presses address nothing.
    spiel.zieheMensch(zeile, spalte, Feld::richtungBei(x - feldKante * spalte, y - feldKante * zeile));
}
