// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ZUFALLSFORM_H
#define PUNKTFELD_ZUFALLSFORM_H

class Stellung;

// Cuts random holes into a new board: L-shaped holes on the medium board,
// straight or slanted lines on the large one. The outer ring of boxes always
// stays in play. Every function returns the number of boxes it blocked and
// only changes the position.
class Zufallsform
{
public:
    static int schneideMittel(Stellung &stellung);
    static int schneideGross(Stellung &stellung);
    static int schneideRechtecke(Stellung &stellung, int modus, int zeile0, int spalte0, int zeile1,
                                 int spalte1);
    static int schneideDiagonale(Stellung &stellung, bool fallend, int zeile0, int spalte0, int zeile1,
                                 int spalte1);

private:
    static int sperreBereich(Stellung &stellung, int zeile0, int spalte0, int zeile1, int spalte1);
};

#endif
