// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SPIELSTAND_H
#define PUNKTFELD_SPIELSTAND_H

#include <QByteArray>

#include <optional>

class Stellung;

// A saved game: one byte each for the board size, the computer's level and
// whose turn it is, then one state code per box, row by row. There is no
// header, version or checksum, so a file is only accepted when every box
// agrees with its sides.
class Spielstand
{
public:
    static std::optional<Spielstand> lies(const QByteArray &daten);
    // Whose turn it is comes from the position.
    static QByteArray schreibe(int groesse, int level, const Stellung &stellung);
    // The boxes' state codes of a position, row by row.
    static QByteArray codes(const Stellung &stellung);

    // The number of bytes a saved game of that board size holds.
    static int laenge(int groesse);

    int groesse() const { return brettGroesse; }
    int level() const { return computerLevel; }
    bool menschAmZug() const { return menschZieht; }
    // One state code per box, row by row from the top, left to right.
    const QByteArray &felder() const { return zustaende; }
    // The position the codes describe, with whoever is to move in it.
    Stellung stellung() const;

private:
    Spielstand(int groesse, int level, bool menschAmZug, QByteArray codes);
    static bool istStimmig(int groesse, const QByteArray &codes);

    int brettGroesse;
    int computerLevel;
    bool menschZieht;
    QByteArray zustaende;
};

#endif
