// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spiellabel.h"

#include "field/feld.h"
#include "field/geometrie.h"
#include "field/seite.h"
#include "field/tastenweg.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>

using Geometrie::feldKante;

namespace {
// The board can shrink to this share of its natural size.
constexpr qreal kleinsterMassstab = 0.5;
constexpr int markenStift = 2;
constexpr qreal markenRundung = 3.0;
}

SpielLabel::SpielLabel(QWidget *parent)
    : QLabel(parent), spiel(this), tippGeber(spiel, this)
{
    // The picture is drawn from the label's top-left corner, as the window
    // opens just as large as the picture, or wider for the status line.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setFocusPolicy(Qt::StrongFocus);
    connect(&spiel, &Partie::neuesBrett, this, [this] {
        marke = -1;
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

// A colour covers the side's own line whole, so it is painted straight
// over it; the side's area painted again from the position takes it away.
void SpielLabel::hebeHervor(int seite, int farbe, int breite)
{
    male([this, seite, farbe, breite] {
        if (farbe == Blinker::keineFarbe)
            brettbild.maleSeite(stellung(), seite);
        else
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

void SpielLabel::frageTipp()
{
    tippGeber.frage();
}

void SpielLabel::mousePressEvent(QMouseEvent *event)
{
    tippGeber.beende();
    // The mouse takes over from the keyboard; the next key shows the mark
    // where it was.
    if (marke >= 0)
        update();
    markeVersteckt = true;
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
    drueckeAuf(zeile, spalte, Feld::richtungBei(x - feldKante * spalte, y - feldKante * zeile));
}

void SpielLabel::drueckeAuf(int zeile, int spalte, int richtung)
{
    spiel.zieheMensch(zeile, spalte, richtung);
}

bool SpielLabel::markeSichtbar() const
{
    return marke >= 0 && !markeVersteckt && hasFocus();
}

void SpielLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        bewegeMarke(-1, 0);
        break;
    case Qt::Key_Right:
        bewegeMarke(1, 0);
        break;
    case Qt::Key_Up:
        bewegeMarke(0, -1);
        break;
    case Qt::Key_Down:
        bewegeMarke(0, 1);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        zieheMarkierte();
        break;
    default:
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
}

// The first key shows the mark, where it was or near the middle; the
// following ones move it.
void SpielLabel::bewegeMarke(int dx, int dy)
{
    if (marke < 0)
        marke = Tastenweg::anfang(stellung());
    else if (!markeVersteckt)
        marke = Tastenweg::naechste(stellung(), marke, dx, dy);
    markeVersteckt = false;
    update();
}

// As a press on the marked side would: in the box above or left of it, or
// in the one below or right where that is the only one in play.
void SpielLabel::zieheMarkierte()
{
    if (marke < 0 || markeVersteckt) {
        bewegeMarke(0, 0);
        return;
    }
    tippGeber.beende();
    const Gitter &gitter = stellung().gitter();
    const auto [erstes, zweites] = gitter.felderAn(marke);
    const int platz = erstes >= 0 && !stellung().istGesperrt(erstes) ? erstes : zweites >= 0 ? zweites : erstes;
    drueckeAuf(gitter.zeileVon(platz), gitter.spalteVon(platz), gitter.richtungIn(marke, platz));
}

// The mark lies over the picture, never in it: the picture stays the one
// painted from the position.
void SpielLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!markeSichtbar())
        return;
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.scale(brettbild.massstab(), brettbild.massstab());
    maler.setPen(QPen(palette().color(QPalette::Highlight), markenStift));
    maler.setBrush(Qt::NoBrush);
    maler.drawRoundedRect(QRectF(Seite::bereich(stellung().gitter(), marke)), markenRundung, markenRundung);
}
