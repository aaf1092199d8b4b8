// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computerzug.h"

#include "model/stellung.h"
#include "savegame/spielstand.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

constexpr int verzoegerung = 300;
// The level whose choice stands in where another level named a side that
// cannot be drawn.
constexpr int ersatzLevel = 5;

bool istFrei(const Stellung &brett, int seite)
{
    return seite >= 0 && seite < brett.gitter().seitenAnzahl() && brett.istFrei(seite);
}

}

Computerzug::Computerzug(const Stellung &brett, QObject *parent)
    : QObject(parent), brett(brett), timer(this), denker(this)
{
    timer.setSingleShot(true);
    timer.setInterval(verzoegerung);
    connect(&timer, &QTimer::timeout, this, &Computerzug::verzoegerungVorbei);
    connect(&denker, &Denker::geantwortet, this, &Computerzug::meisterAntwort);
}

void Computerzug::setzeLevel(int level)
{
    if (level == stufe)
        return;
    stufe = level;
    if (faellig || denker.denkt() || rat) {
        verwirf();
        starte();
    }
}

void Computerzug::starte()
{
    timer.start(verzoegerung);
    if (stufe == Meister::level && !denker.denkt() && !rat)
        denker.denke(Lage(brett));
}

void Computerzug::weiter()
{
    starte();
    if (zuegig)
        timer.start(0);
}

void Computerzug::verwirf()
{
    timer.stop();
    denker.verwirf();
    rat.reset();
    faellig = false;
}

void Computerzug::verzoegerungVorbei()
{
    if (stufe != Meister::level) {
        waehle(computerspieler.waehle(brett, stufe));
        return;
    }
    if (!rat) {
        faellig = true;
        if (!denker.denkt())
            denker.denke(Lage(brett));
        return;
    }
    const Meister::Rat antwort = *rat;
    rat.reset();
    waehle(antwort.seite);
}

void Computerzug::meisterAntwort(const Meister::Rat &antwort)
{
    rat = antwort;
    if (faellig) {
        faellig = false;
        verzoegerungVorbei();
    }
}

// A side that cannot be drawn is a fault of the level that chose it. It is
// reported with the position, and where assertions are compiled in it stops
// the program; otherwise the game goes on with the strong level's choice.
void Computerzug::waehle(int seite)
{
    if (istFrei(brett, seite)) {
        emit gewaehlt(seite);
        return;
    }
    // The position as a saved game holds it, so that the report names it
    // exactly.
    qCritical("Level %d chose side %d, which is not free; the boxes' state codes: %s", stufe, seite,
              Spielstand::codes(brett).toHex().constData());
    Q_ASSERT_X(false, "Computerzug::waehle", "a side that is not free");
    const int ersatz = computerspieler.waehle(brett, ersatzLevel);
    if (istFrei(brett, ersatz))
        emit gewaehlt(ersatz);
}
