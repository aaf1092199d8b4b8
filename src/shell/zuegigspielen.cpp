// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zuegigspielen.h"

#include "game/partie.h"

#include <QAction>
#include <QSettings>

void verbindeZuegigSpielen(QAction *aktion, Partie &partie)
{
    const QString schluessel = QStringLiteral("zuegig");
    QObject::connect(aktion, &QAction::toggled, &partie, [&partie, schluessel](bool zuegig) {
        QSettings().setValue(schluessel, zuegig);
        partie.setzeZuegig(zuegig);
    });
    aktion->setChecked(QSettings().value(schluessel, false).toBool());
}
