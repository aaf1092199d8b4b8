// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_STATUSBREITE_H
#define PUNKTFELD_STATUSBREITE_H

class QLabel;
class QStatusBar;

// How wide the window's status bar must be for every status line a board
// allows, and for the last line with each end message beside it.
class Statusbreite
{
public:
    // Both scores with `stellen` digits each, every digit in turn, since a
    // font need not give all digits one width; measured in the bar itself,
    // whose two labels show their texts again afterwards.
    static int breitesteZeile(QStatusBar &leiste, QLabel &zeile, QLabel &meldung, int stellen);
};

#endif
