// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SPIELDATEI_H
#define PUNKTFELD_SPIELDATEI_H

#include "spielstand.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The file of a saved game: its bytes written and read whole.
class Spieldatei
{
public:
    // True when the file now holds exactly these bytes. A file that already
    // exists is replaced only by a completely written new one.
    static bool schreibe(const QString &name, const QByteArray &daten);
    // The game the file holds; nothing when it cannot be read, is too short
    // or contradicts itself.
    static std::optional<Spielstand> lies(const QString &name);
};

#endif
