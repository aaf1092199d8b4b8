// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spiellabel.h"

#include "field/feld.h"
#include "field/geometrie.h"

#include <QMouseEvent>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

using Geometrie::feldKante;

namespace {
// The board can shrink to this share of its natural size.
constexpr qreal kleinsterMassstab = 0.5;
}

SpielLabel::SpielLabel(QWidget *parent)
    : QLabel(parent), spiel(this), tippGeber(spiel, this)
{
    // The picture is drawn from the label's top-left corner, as the window
    // opens just as large as the picture, or wider for the status line.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(&spiel, &Partie::neuesBrett, this, [this] {
        updateGeometry();
        maleAlles();
    });
    connect(&spiel, &Partie::seiteGeaendert, this,
            [this](int seite) { male([this, seite] { brettbild.maleSeite(stellung(), seite); }); });
    connect(&spiel, &Partie::feldGeaendert, this,
            [this](int platz) { male([this, platz] { brettbild.maleFeld(stellung(), platz); }); });
    connect(&spiel, &Partie::hervorheben, this, [this](int seite, int farbe) { hebeHervor(seite, farbe, 0); });
    connect(&tippGeber, &Tipp::hervorheben, this,
            [this](int seite, int farbe) { hebeHervor(seite, farbe, Tipp::breite); });
}

void SpielLabel::male(const std::function<void()> &malen)
{
    setPixmap(QPixmap());
    malen();
    setPixmap(brettbild.bild());
}

void SpielLabel::maleAlles()
{
    brettbild.setzeMassstab(passenderMassstab(), devicePixelRatioF());
    male([this] { brettbild.male(stellung()); });
}

void SpielLabel::hebeHervor(int seite, int farbe, int breite)
{
    male([this, seite, farbe, breite] {
        brettbild.maleSeite(stellung(), seite);
        if (farbe != Blinker::keineFarbe)
            brettbild.hebeHervor(stellung(), seite, QColor(static_cast<Qt::GlobalColor>(farbe)), breite);
    });
}

QSize SpielLabel::grundgroesse() const
{
    return Geometrie::bildGroesse(stellung().gitter());
}

QSize SpielLabel::sizeHint() const
{
    return grundgroesse();
}

QSize SpielLabel::minimumSizeHint() const
{
    return grundgroesse() * kleinsterMassstab;
}

// The largest scale at which the whole picture fits the label; exactly 1
// at the size the board opens at, and while the label is not shown, when
// its size is not laid out yet.
qreal SpielLabel::passenderMassstab() const
{
    const QSize natur = grundgroesse();
    if (!isVisible() || natur.isEmpty() || size().isEmpty())
        return 1.0;
    const qreal massstab = std::min(qreal(width()) / natur.width(), qreal(height()) / natur.height());
    return std::max(massstab, kleinsterMassstab);
}

void SpielLabel::resizeEvent(QResizeEvent *event)
{
    QLabel::resizeEvent(event);
    if (isVisible() && (passenderMassstab() != brettbild.massstab() || devicePixelRatioF() != brettbild.bild().devicePixelRatio()))
        maleAlles();
}

QPoint SpielLabel::ausBild(QPointF bildpunkt) const
{
    const QPointF punkt = bildpunkt * brettbild.massstab();
    return QPoint(static_cast<int>(std::floor(punkt.x())), static_cast<int>(std::floor(punkt.y())));
}

QPointF SpielLabel::zuBild(QPoint punkt) const
{
    return QPointF(punkt) / brettbild.massstab();
}

void SpielLabel::neuesSpiel(int groesse, bool zufallsform)
{
    tippGeber.beende();
    spiel.neuesSpiel(groesse, zufallsform);
}

void SpielLabel::ladeSpielstand(const Spielstand &stand)
{
    tippGeber.beende();
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
    const QPointF bildpunkt = zuBild(punkt);
    if (!QRectF(QPointF(0, 0), QSizeF(grundgroesse())).contains(bildpunkt))
        return;
    const int x = static_cast<int>(std::floor(bildpunkt.x())) - Geometrie::ursprungX;
    const int y = static_cast<int>(std::floor(bildpunkt.y())) - Geometrie::ursprungY;
    // Integer division, as the first box reaches to the picture's edge: a
    // press in the margin left of or above it still means that box.
    const int spalte = x / feldKante;
    const int zeile = y / feldKante;
    // The last two pixel columns and rows of the picture lie beyond the
    // last box; such presses address nothing.
    spiel.zieheMensch(zeile, spalte, Feld::richtungBei(x - feldKante * spalte, y - feldKante * zeile));
}
