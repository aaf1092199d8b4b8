// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_ANSICHT_H
#define PUNKTFELD_TEST_ANSICHT_H

#include "game/spiellabel.h"
#include "model/stellung.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QStatusBar>
#include <QString>
#include <QStringList>

// The window as a player sees it, and positions drawn as text:
//
//   +--+--+  +        dot rows: "--" a closed side between two dots,
//   |H    |  |                  "  " a free one
//   +--+  +--+        box rows: '|' a closed side, ' ' a free one; the two
//   |C |##|  |                  characters inside a box: "H " the human's,
//   +--+--+--+                  "C " the computer's, "##" blocked
//
// Lines may be shorter than the board; what is missing counts as free.
namespace Ansicht {

inline SpielLabel &spiel(const MainWindow &fenster) { return *qobject_cast<SpielLabel *>(fenster.centralWidget()); }
inline QString status(const MainWindow &fenster) { return fenster.statusBar()->findChild<QLabel *>()->text(); }
inline bool aktiv(const MainWindow &fenster, const QString &aktion) { return fenster.findChild<QAction *>(aktion)->isEnabled(); }
inline void loese(const MainWindow &fenster, const QString &aktion) { fenster.findChild<QAction *>(aktion)->trigger(); }
// The object names of the actions shown in bold: the chosen size and level.
QStringList fett(const MainWindow &fenster);
// The board size the menu marks: 0 small, 1 medium, 2 large.
int groesse(const MainWindow &fenster);

// The position a drawing shows on a board of that shape: the boxes drawn as
// "##" are holes, the sides drawn closed are drawn, and the boxes marked
// have their owners; the frame stays closed whatever the drawing says. The
// human is to move.
::Stellung stellung(const Gitter &gitter, const QString &zeichnung);
// Sets the drawn position up in the game, with an empty history; whoever is
// to move now stays to move.
void setze(SpielLabel &label, const QString &zeichnung);
// The state code of every box, row by row, as a saved game holds them.
QByteArray zustand(const SpielLabel &label);

// Twelve boxes owned, six each; eighteen open behind seventeen free sides.
extern const char *const endspiel;

// What the board widget shows.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
inline QImage bild(const SpielLabel &label) { return label.pixmap().toImage(); }
#else
inline QImage bild(const SpielLabel &label) { return label.pixmap(Qt::ReturnByValue).toImage(); }
#endif
inline QColor pixel(const SpielLabel &label, int x, int y) { return bild(label).pixelColor(x, y); }
// Whether a hint's green shows anywhere on the board.
bool hatGruen(const SpielLabel &label);

// A press position inside box (zeile, spalte) that picks its side in the
// given direction: 0 top, 1 right, 2 bottom, 3 left.
QPoint druckpunkt(int zeile, int spalte, int richtung);
// A press position that picks a side between two boxes, or a frame side.
QPoint druckpunkt(const Gitter &gitter, int seite);
// A mouse press at picture coordinates; unlike QTest::mousePress it reaches
// (0, 0) as well.
void druecke(SpielLabel &label, QPoint punkt, Qt::MouseButton taste = Qt::LeftButton);

}

#endif
