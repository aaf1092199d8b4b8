// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_QTUEBERSETZUNG_H
#define PUNKTFELD_QTUEBERSETZUNG_H

class QCoreApplication;
class QString;

// Installs Qt's own German texts from the folder given: the buttons of the
// dialogs and message boxes and the names of shortcuts. The game's texts are
// German already. False, and nothing installed, when the catalogue is missing.
bool ladeQtUebersetzung(QCoreApplication &anwendung, const QString &ordner);

#endif
