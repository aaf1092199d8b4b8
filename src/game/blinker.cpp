// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blinker.h"

#include "field/seite.h"

namespace {
constexpr int schrittDauer = 100;
constexpr int kurzeSchrittDauer = 40;
}

Blinker::Blinker(QObject *parent)
    : QObject(parent), timer(this)
{
    timer.setSingleShot(true);
    timer.setInterval(schrittDauer);
    connect(&timer, &QTimer::timeout, this, &Blinker::naechsterSchritt);
}

void Blinker::starte(Seite *seite, bool rot)
{
    this->seite = seite;
    this->rot = rot;
    timer.setInterval(zuegig && !rot ? kurzeSchrittDauer : schrittDauer);
    if (rot) {
        seite->markiere(true);
        schritt = Schritt::zeigen;
    } else {
        schritt = Schritt::markieren;
    }
    timer.start();
}

void Blinker::beende()
{
    if (schritt == Schritt::aus)
        return;
    timer.stop();
    schritt = Schritt::aus;
    seite->zeigeWieder();
}

void Blinker::vergiss()
{
    timer.stop();
    schritt = Schritt::aus;
    seite = nullptr;
}

void Blinker::naechsterSchritt()
{
    if (schritt == Schritt::aus || !seite)
        return;
    if (schritt == Schritt::markieren) {
        seite->markiere(rot);
        schritt = Schritt::zuletztZeigen;
    } else {
        seite->zeigeWieder();
        schritt = schritt == Schritt::zeigen ? Schritt::markieren : Schritt::aus;
    }
    if (schritt != Schritt::aus)
        timer.start();
    else
        emit fertig();
}
