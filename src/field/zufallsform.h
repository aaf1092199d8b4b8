// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ZUFALLSFORM_H
#define PUNKTFELD_ZUFALLSFORM_H

class Spielfeld;

// Cuts random holes into a new grid: L-shaped holes on the medium board,
// straight or slanted lines on the large one. The outer ring of boxes always
// stays in play. Every function returns the number of boxes it blocked and
// paints nothing to the screen itself.
class Zufallsform
{
public:
    static int schneideMittel(Spielfeld &spielfeld);
    static int schneideGross(Spielfeld &spielfeld);
    static int schneideRechtecke(Spielfeld &spielfeld, int modus, int zeile0, int spalte0, int zeile1,
                                 int spalte1);
    static int schneideDiagonale(Spielfeld &spielfeld, bool fallend, int zeile0, int spalte0, int zeile1,
                                 int spalte1);

private:
    static int sperreBereich(Spielfeld &spielfeld, int zeile0, int spalte0, int zeile1, int spalte1);
};

#endif
