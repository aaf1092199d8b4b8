// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tipp.h"

#include "blinker.h"
#include "partie.h"

namespace {
// Three green steps and three back, about a second in all.
constexpr int tippSchrittDauer = 170;
constexpr int schritte = 6;
}

Tipp::Tipp(const Partie &spiel, QObject *parent)
    : QObject(parent), spiel(spiel), denker(this, Meister::Zweck::raten), timer(this)
{
    timer.setSingleShot(true);
    timer.setInterval(tippSchrittDauer);
    connect(&denker, &Denker::geantwortet, this, &Tipp::antwort);
    connect(&timer, &QTimer::timeout, this, &Tipp::blinkSchritt);
    connect(&spiel, &Partie::statusGeaendert, this, &Tipp::zeigeVerfuegbar);
}

bool Tipp::verfuegbar() const
{
    return spiel.menschAmZug() && !spiel.istFertig() && !laeuft;
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
    denker.denke(Lage(spiel.stellung()));
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
    const Stellung &stellung = spiel.stellung();
    if (rat.seite < 0 || rat.seite >= stellung.gitter().seitenAnzahl() || !stellung.istFrei(rat.seite)) {
        beende();
        return;
    }
    seite = rat.seite;
    schritt = 0;
    blinkSchritt();
    if (rat.exakt) {
        const int offen = spiel.offeneFelder();
        emit meldung(meldungstext(QString::number((offen + rat.wert) / 2), QString::number(offen)));
        meldungGezeigt = true;
    }
}

void Tipp::blinkSchritt()
{
    emit hervorheben(seite, schritt % 2 == 0 ? Qt::green : Blinker::keineFarbe);
    if (++schritt < schritte) {
        timer.start();
        return;
    }
    seite = -1;
    laeuft = false;
    zeigeVerfuegbar();
}

void Tipp::beende()
{
    denker.verwirf();
    timer.stop();
    if (seite >= 0 && schritt % 2 == 1)
        emit hervorheben(seite, Blinker::keineFarbe);
    seite = -1;
    if (meldungGezeigt)
        emit meldung(QString());
    meldungGezeigt = false;
    if (laeuft) {
        laeuft = false;
        zeigeVerfuegbar();
    }
}
