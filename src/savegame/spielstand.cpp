// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spielstand.h"

#include "feldzustand.h"
#include "model/stellung.h"
#include "model/stufen.h"
#include "zustandscode.h"

#include <algorithm>

namespace {

// The board size, the computer's level and whose turn it is.
constexpr int kopfLaenge = 3;

int bits(const QByteArray &codes, int index)
{
    return static_cast<unsigned char>(codes.at(index));
}

}

Spielstand::Spielstand(int groesse, int level, bool menschAmZug, QByteArray codes)
    : brettGroesse(groesse), computerLevel(level), menschZieht(menschAmZug), zustaende(std::move(codes))
{
}

int Spielstand::laenge(int groesse)
{
    return kopfLaenge + Gitter::fuerGroesse(groesse).feldAnzahl();
}

std::optional<Spielstand> Spielstand::lies(const QByteArray &daten)
{
    if (daten.size() < kopfLaenge)
        return std::nullopt;
    const int groesseByte = static_cast<unsigned char>(daten.at(0));
    const int groesse = groesseByte <= 2 ? groesseByte : 0;
    if (daten.size() < laenge(groesse))
        return std::nullopt;
    // The level byte is kept within the levels the menu offers, so that the
    // marked level and the level played agree.
    const int level = std::clamp(static_cast<int>(static_cast<unsigned char>(daten.at(1))), Stufen::niedrigste, Stufen::hoechste);
    const bool menschAmZug = daten.at(2) != 0;
    QByteArray codes = daten.mid(kopfLaenge, laenge(groesse) - kopfLaenge);
    if (!istStimmig(groesse, codes))
        return std::nullopt;
    return Spielstand(groesse, level, menschAmZug, std::move(codes));
}

bool Spielstand::istStimmig(int groesse, const QByteArray &codes)
{
    const Gitter gitter = Gitter::fuerGroesse(groesse);
    const int spalten = gitter.spalten();
    const int zeilen = gitter.zeilen();
    auto gesperrt = [&](int r, int c) { return (bits(codes, r * spalten + c) & Zustandscode::gesperrt) != 0; };
    // A side is closed when it lies on the frame, when either of its boxes
    // records it as taken, or when either of its boxes is blocked.
    auto geschlossen = [&](int r, int c, int richtung) {
        static const int dr[4] = {-1, 0, 1, 0};
        static const int dc[4] = {0, 1, 0, -1};
        const int nr = r + dr[richtung];
        const int nc = c + dc[richtung];
        if (nr < 0 || nr >= zeilen || nc < 0 || nc >= spalten)
            return true;
        const int gegenRichtung = (richtung + 2) % 4;
        return (bits(codes, r * spalten + c) & Zustandscode::gezogen(richtung)) != 0
            || (bits(codes, nr * spalten + nc) & Zustandscode::gezogen(gegenRichtung)) != 0 || gesperrt(r, c) || gesperrt(nr, nc);
    };
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            if (gesperrt(r, c))
                continue;
            bool alleZu = true;
            for (int richtung = 0; richtung < 4; ++richtung)
                alleZu = alleZu && geschlossen(r, c, richtung);
            const bool alsZuGespeichert = (bits(codes, r * spalten + c) & Zustandscode::geschlossen) != 0;
            if (alleZu != alsZuGespeichert)
                return false;
        }
    }
    return true;
}

QByteArray Spielstand::schreibe(int groesse, int level, const Stellung &stellung)
{
    QByteArray daten;
    daten.append(static_cast<char>(groesse));
    daten.append(static_cast<char>(level));
    daten.append(static_cast<char>(stellung.menschAmZug() ? 1 : 0));
    return daten + codes(stellung);
}

QByteArray Spielstand::codes(const Stellung &stellung)
{
    QByteArray daten;
    for (int platz = 0; platz < stellung.gitter().feldAnzahl(); ++platz)
        daten.append(Feldzustand::code(stellung, platz));
    return daten;
}

Stellung Spielstand::stellung() const
{
    Stellung stellung(Gitter::fuerGroesse(brettGroesse));
    // The holes first: their edges stay closed whatever a neighbour's code
    // says.
    for (const bool loecher : {true, false}) {
        for (int platz = 0; platz < zustaende.size(); ++platz) {
            const char code = zustaende.at(platz);
            if (((bits(zustaende, platz) & Zustandscode::gesperrt) != 0) == loecher)
                Feldzustand::setze(stellung, platz, code);
        }
    }
    stellung.setzeMenschAmZug(menschZieht);
    return stellung;
}
