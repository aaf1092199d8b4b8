// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ZUEGIGSPIELEN_H
#define PUNKTFELD_ZUEGIGSPIELEN_H

class Partie;
class QAction;

// Fast play, the one choice the game keeps from one start to the next: the
// checkable action shows the kept choice, and every change goes to the game
// and is kept.
void verbindeZuegigSpielen(QAction *aktion, Partie &partie);

#endif
