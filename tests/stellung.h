#ifndef PUNKTFELD_TEST_STELLUNG_H
#define PUNKTFELD_TEST_STELLUNG_H

#include <QColor>
#include <QPoint>
#include <QString>

#include <vector>
#include <QStringList>

class Feld;
class MainWindow;
class Seite;
class SpielLabel;

// Positions drawn as text, one character grid per board:
//
//   +--+--+  +        dot rows: "--" a closed side between two dots,
//   |H    |  |                  "  " a free one
//   +--+  +--+        box rows: '|' a closed side, ' ' a free one; the two
//   |C |##|  |                  characters inside a box: "H " the human's,
//   +--+--+--+                  "C " the computer's, "##" blocked
//
// Lines may be shorter than the board; what is missing counts as free.
namespace Stellung {

// Takes every side the drawing shows closed, marks the owners and blocks the
// boxes drawn as "##", all through the grid's own operations. The frame is
// closed whatever the drawing says. Blocking does not change the number of
// boxes in play.
void setze(SpielLabel &label, const QString &zeichnung);

// Draws the board widget's grid in the same notation.
QString lies(const SpielLabel &label);

Feld *feld(const SpielLabel &label, int zeile, int spalte);

// The colour of a pixel of the board picture.
QColor pixel(const SpielLabel &label, int x, int y);

// A press position inside box (zeile, spalte) that picks its side in the
// given direction (0 top, 1 right, 2 bottom, 3 left), on any board size.
QPoint druckpunkt(int zeile, int spalte, int richtung);

// A left (or other) mouse press on the board widget at picture coordinates.
// Unlike QTest::mousePress, which takes the null point for the widget's
// centre, it reaches (0, 0) as well.
void druecke(SpielLabel &label, QPoint punkt, Qt::MouseButton taste = Qt::LeftButton);

// The colour the board picture shows in the middle of a side of the grid.
QColor farbeDerSeite(const SpielLabel &label, const Seite *seite);

// Runs the computer's move at once instead of when its timer runs out. The
// pending timer is stopped first, so that computerWartet() afterwards tells
// only what the move itself asked for.
void computerZug(SpielLabel &label);

// The computer's moves, each with its blink stepped to the end, until the
// human is to move or the game is over.
void computerRunde(SpielLabel &label);

// A press point on every free side of the grid, one per side and box, using
// druckpunkt: what a player could click next.
std::vector<QPoint> freieDruckpunkte(const SpielLabel &label);

// Runs at once whatever the board widget's timers have due (a blink step or
// the computer's move), stopping that timer first. False when none is due.
bool faelligerSchritt(SpielLabel &label);

// The object names of the window's actions shown in bold, in the order the
// form creates them: the chosen size, then the chosen level.
QStringList fett(const MainWindow &fenster);

}

#endif
