// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_COMPUTERSPIELER_H
#define PUNKTFELD_COMPUTERSPIELER_H

#include "kette.h"

#include <vector>

class Stellung;

// The computer's choice of a side. In order of preference it completes a box,
// takes a side that gives nothing away, or opens the smallest chain; below
// level 5 each preference can be skipped at random. The choice takes nothing
// itself, so it can be asked for either player.
class Computerspieler
{
public:
    // The side to take next; -1 when no side is free.
    int waehle(const Stellung &stellung, int level);
    // Any free side, each as likely as the next; -1 when none is.
    static int irgendeineSeite(const Stellung &stellung);

private:
    static bool levelZug(int level);
    void klassifiziere(const Stellung &stellung);
    static int vervollstaendige(const Stellung &stellung, const std::vector<int> &kandidaten);
    int sichereSeite(const Stellung &stellung);
    int kleinsteKette(const Stellung &stellung, int level);

    // Boxes by their places on the board.
    std::vector<int> dreierFelder;
    std::vector<int> sichereFelder;
    std::vector<int> zweierFelder;
    std::vector<int> uebersehen;
    Kette kette;
};

#endif
