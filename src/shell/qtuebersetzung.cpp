// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtuebersetzung.h"

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

bool ladeQtUebersetzung(QCoreApplication &anwendung, const QString &ordner)
{
    // German whatever the system's language, like the rest of the game.
    auto *uebersetzer = new QTranslator(&anwendung);
    if (uebersetzer->load(QStringLiteral("qtbase_de"), ordner) && anwendung.installTranslator(uebersetzer))
        return true;
    delete uebersetzer;
    return false;
}
