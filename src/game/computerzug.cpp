// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computerzug.h"

#include "computer/brettkopie.h"
#include "field/feld.h"
#include "field/seite.h"
#include "field/spielfeld.h"
#include "savegame/feldzustand.h"

#include <QByteArray>
#include <QtGlobal>

namespace {

constexpr int verzoegerung = 300;
// The level whose choice stands in where another level named a side that
// cannot be drawn.
constexpr int ersatzLevel = 5;

bool istFrei(const Computerspieler::Wahl &wahl)
{
    return wahl.feld && wahl.feld->seite(wahl.richtung)->istFrei();
}

// The boxes' state codes as a saved game holds them, row by row, so that a
// report names the position exactly.
QByteArray zustaende(const Spielfeld &brett)
{
    QByteArray codes;
    for (const Feld *feld : brett)
        codes += Feldzustand::code(*feld);
    return codes.toHex();
}

}

Computerzug::Computerzug(const Spielfeld &brett, QObject *parent)
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
        denker.denke(Brettkopie::kopiere(brett));
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
            denker.denke(Brettkopie::kopiere(brett));
        return;
    }
    const Meister::Rat antwort = *rat;
    rat.reset();
    waehle(Brettkopie::wahl(brett, antwort.seite));
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
void Computerzug::waehle(const Computerspieler::Wahl &wahl)
{
    if (istFrei(wahl)) {
        emit gewaehlt(wahl);
        return;
    }
    qCritical("Level %d chose a side that is not free; the boxes' state codes: %s", stufe, zustaende(brett).constData());
    Q_ASSERT_X(false, "Computerzug::waehle", "a side that is not free");
    const Computerspieler::Wahl ersatz = computerspieler.waehle(brett, ersatzLevel);
    if (istFrei(ersatz))
        emit gewaehlt(ersatz);
}
