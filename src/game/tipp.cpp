// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tipp.h"

#include "computer/brettkopie.h"
#include "field/feld.h"
#include "field/malflaeche.h"
#include "field/seite.h"
#include "partie.h"

#include <QPainter>

namespace {
// Three green steps and three back, about a second in all.
constexpr int schrittDauer = 170;
constexpr int schritte = 6;
}

Tipp::Tipp(const Partie &partie, Malflaeche &flaeche, QObject *parent)
    : QObject(parent), partie(partie), flaeche(flaeche), denker(this), timer(this)
{
    timer.setSingleShot(true);
    timer.setInterval(schrittDauer);
    connect(&denker, &Denker::geantwortet, this, &Tipp::antwort);
    connect(&timer, &QTimer::timeout, this, &Tipp::blinkSchritt);
    connect(&partie, &Partie::statusGeaendert, this, &Tipp::zeigeVerfuegbar);
}

bool Tipp::verfuegbar() const
{
    return partie.menschAmZug() && !partie.istFertig() && !laeuft;
}

void Tipp::zeigeVerfuegbar()
{
    emit verfuegbarGeaendert(verfuegbar());
}

QString Tipp::meldungstext(const QString &bekommt, const QString &offen)
{
    return tr("Tipp: noch %1 von %2 Kästchen für dich").arg(bekommt, offen);
}

void Tipp::frage()
{
    if (!verfuegbar())
        return;
    laeuft = true;
    zeigeVerfuegbar();
    denker.denke(Brettkopie::kopiere(partie.brett()));
}

void Tipp::zeige(int seite)
{
    beende();
    laeuft = true;
    zeigeVerfuegbar();
    antwort(Meister::Rat{seite, false, 0});
}

void Tipp::antwort(const Meister::Rat &rat)
{
    const Computerspieler::Wahl wahl = Brettkopie::wahl(partie.brett(), rat.seite);
    if (!wahl.feld) {
        beende();
        return;
    }
    seite = wahl.feld->seite(wahl.richtung);
    // Near the frame a line's pixels reach past the picture's edge; only
    // those inside it can be kept and put back at the same place.
    bereich = seite->bereich().intersected(QRect(QPoint(0, 0), flaeche.groesse()));
    const qreal dichte = flaeche.stand().devicePixelRatio();
    unterlage = flaeche.stand().copy(QRect(bereich.topLeft() * dichte, bereich.size() * dichte));
    unterlage.setDevicePixelRatio(dichte);
    schritt = 0;
    blinkSchritt();
    if (rat.exakt) {
        const int offen = partie.offeneFelder();
        emit meldung(meldungstext(QString::number((offen + rat.wert) / 2), QString::number(offen)));
        meldungGezeigt = true;
    }
}

void Tipp::blinkSchritt()
{
    if (schritt % 2 == 0)
        seite->zeichne(Qt::green, 2);
    else
        zeigeUnterlage();
    if (++schritt < schritte) {
        timer.start();
        return;
    }
    seite = nullptr;
    laeuft = false;
    zeigeVerfuegbar();
}

// The side is shown as it was by putting back the pixels beneath it, which
// also restores the dots and the lines that meet it, whatever their order.
void Tipp::zeigeUnterlage()
{
    {
        QPainter maler(flaeche.bild());
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        maler.drawPixmap(bereich.topLeft(), unterlage);
    }
    flaeche.zeige();
}

void Tipp::beende()
{
    denker.verwirf();
    timer.stop();
    if (seite && schritt % 2 == 1)
        zeigeUnterlage();
    seite = nullptr;
    if (meldungGezeigt)
        emit meldung(QString());
    meldungGezeigt = false;
    if (laeuft) {
        laeuft = false;
        zeigeVerfuegbar();
    }
}
