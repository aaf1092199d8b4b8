// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_SPIELTREIBER_H
#define PUNKTFELD_TEST_SPIELTREIBER_H

#include <QPoint>

#include <functional>

class SpielLabel;

// Plays games on a board widget as fast as they go: a due blink step or
// computer move runs at once instead of when its timer runs out, and the
// human presses the sides a chooser names.
namespace Spieltreiber {

// Whether a blink step or the computer's move is due, or the Meister thinks.
bool laeuft(const SpielLabel &label);
// Runs what the board's timers have due, if anything; else waits for the
// Meister's answer, if it thinks.
bool schritt(SpielLabel &label);
// Steps until nothing is due: the computer's turn and every blink are over.
void computerRunde(SpielLabel &label);
// A press position that picks the side.
QPoint druckpunkt(const SpielLabel &label, int seite);
// Plays until no side is free, at most `zuege` presses of the human.
void spiele(SpielLabel &label, const std::function<int()> &waehle, int zuege = 100000);

}

#endif
