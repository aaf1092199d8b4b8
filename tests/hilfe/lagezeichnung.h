// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_LAGEZEICHNUNG_H
#define PUNKTFELD_TEST_LAGEZEICHNUNG_H

#include "computer/lage.h"

#include <QString>

// Positions for the engine, drawn as text in the form stellung.h describes.
// Owners play no part: the engine values only what is still open.
namespace Lagezeichnung {

// The position a drawing shows on a board of the given size: its holes
// blocked, its closed sides drawn.
Lage lage(const QString &zeichnung, int zeilen = 5, int spalten = 6);
// The drawing of a position, frame and holes included, in the same form, so
// that a position a test prints can be pasted back into a test.
QString zeichnung(const Lage &lage);

}

#endif
