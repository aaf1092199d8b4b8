// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "blinker.h"

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

int Blinker::farbe() const
{
    return rot ? Qt::red : Qt::cyan;
}

void Blinker::starte(int seite, bool rot)
{
    this->seite = seite;
    this->rot = rot;
    timer.setInterval(zuegig && !rot ? kurzeSchrittDauer : schrittDauer);
    if (rot) {
        emit hervorheben(seite, farbe());
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
    emit hervorheben(seite, keineFarbe);
}

void Blinker::vergiss()
{
    timer.stop();
    schritt = Schritt::aus;
    seite = -1;
}

void Blinker::naechsterSchritt()
{
    if (schritt == Schritt::aus || seite < 0)
        return;
    if (schritt == Schritt::markieren) {
        emit hervorheben(seite, farbe());
        schritt = Schritt::zuletztZeigen;
    } else {
        emit hervorheben(seite, keineFarbe);
        schritt = schritt == Schritt::zeigen ? Schritt::markieren : Schritt::aus;
    }
    if (schritt != Schritt::aus)
        timer.start();
    else
        emit fertig();
}
