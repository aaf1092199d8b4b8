// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_WERTGRENZE_H
#define PUNKTFELD_WERTGRENZE_H

#include <cstdint>
#include <limits>

namespace Wertgrenze {

// Every value, chain length and weight the engine compares counts boxes, and
// no board holds a tenth as many: a search may start from this bound and
// subtract boxes from it without ever meeting a real value. It also fits the
// 16-bit bounds of the search's table.
constexpr int unendlich = 10000;

static_assert(unendlich <= std::numeric_limits<std::int16_t>::max(), "the search table keeps values in 16 bits");

}

#endif
