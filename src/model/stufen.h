// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_STUFEN_H
#define PUNKTFELD_STUFEN_H

// The computer's levels the menu offers, the Meister's the highest.
namespace Stufen {

constexpr int niedrigste = 1;
constexpr int hoechste = 6;

}

#endif
