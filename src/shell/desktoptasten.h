// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_DESKTOPTASTEN_H
#define PUNKTFELD_DESKTOPTASTEN_H

class QWidget;

namespace Ui {
class MainWindow;
}

// Gives the window's commands the keys the desktop uses for them, beside the
// game's own, which the menus go on showing; and F10 opens the menu bar, as
// in other programs on the desktop.
void ergaenzeDesktoptasten(Ui::MainWindow &form, QWidget *fenster);

#endif
