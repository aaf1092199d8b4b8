// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_QTUEBERSETZUNG_H
#define PUNKTFELD_QTUEBERSETZUNG_H

#include <QString>
#include <QStringList>

class QCoreApplication;

// The language the game speaks, from the system's preferred languages, most
// preferred first (QLocale::uiLanguages()): "en" when English is the first of
// English and German in the list, else "de", for the game is written in
// German.
QString waehleSprache(const QStringList &bevorzugt);

// The folder of Qt's own catalogues.
QString qtUebersetzungsOrdner();

// Installs Qt's own German texts from the folder given: the buttons of the
// dialogs and message boxes and the names of shortcuts. The game's texts are
// German already. False, and nothing installed, when the catalogue is missing.
bool ladeQtUebersetzung(QCoreApplication &anwendung, const QString &ordner);

// Lets the game and Qt's dialogs speak the language given: for German Qt's
// German texts, for English the game's English catalogue from its resources
// (Qt speaks English by itself). False when a catalogue is missing.
bool ladeUebersetzungen(QCoreApplication &anwendung, const QString &sprache);

#endif
