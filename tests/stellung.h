#ifndef PUNKTFELD_TEST_STELLUNG_H
#define PUNKTFELD_TEST_STELLUNG_H

#include <QColor>
#include <QString>

class Feld;
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

}

#endif
