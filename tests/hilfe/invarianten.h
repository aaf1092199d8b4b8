// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_INVARIANTEN_H
#define PUNKTFELD_TEST_INVARIANTEN_H

#include <QString>
#include <QVariantList>

class MainWindow;

// What must hold between any two events of a game, whatever was pressed,
// chosen or opened before. Each check returns what does not hold, or
// nothing.
namespace Invarianten {

// The status line agrees with the grid: the scores, whose turn, the end.
QString pruefe(const MainWindow &fenster);
// Between turns, a game saved to `datei` and opened in `nachbau` looks
// exactly as it did, pixel for pixel.
QString pruefeBild(const MainWindow &fenster, MainWindow &nachbau, const QString &datei);
// Opens a saved game. What is accepted must give a sound game of the file's
// size, with no history; what is refused must leave everything as it was.
QString pruefeDatei(MainWindow &fenster, const QString &name);
// Everything a player can see of the game: the board, the picture, the
// status line, the marked size and level and the enabled actions.
QVariantList abbild(const MainWindow &fenster);

}

#endif
