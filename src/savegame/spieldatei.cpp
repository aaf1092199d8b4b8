// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spieldatei.h"

#include <QFile>
#include <QSaveFile>

bool Spieldatei::schreibe(const QString &name, const QByteArray &daten)
{
    // Unbuffered, so that a failing write shows in write() itself and never
    // only in a final flush that commit() would not report.
    QSaveFile datei(name);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (datei.write(daten) != daten.size() || !datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
}

std::optional<Spielstand> Spieldatei::lies(const QString &name)
{
    QFile datei(name);
    if (!datei.open(QIODevice::ReadOnly))
        return std::nullopt;
    // Bytes after the last box are never used, so even a huge file costs no
    // more than a saved large board.
    return Spielstand::lies(datei.read(Spielstand::laenge(2)));
}
