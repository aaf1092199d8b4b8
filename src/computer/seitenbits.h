// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SEITENBITS_H
#define PUNKTFELD_SEITENBITS_H

#include "lage.h"

#include <cstdint>
#include <limits>
#include <vector>

// The exact search's free sides as bits of a mask: which bit is the lowest,
// and in which order the sides get their bits.
namespace Seitenbits {

constexpr int maskenBits = std::numeric_limits<std::uint64_t>::digits;

// The number of the lowest set bit of a non-zero mask. The search asks this
// several times at every position: where the compiler offers the processor's
// own instruction, that is used; elsewhere, the bit times a de Bruijn
// sequence has a different pattern in its top bits for every bit.
inline int niedrigstesBit(std::uint64_t maske)
{
#if defined(__GNUC__) || defined(__clang__)
    return __builtin_ctzll(maske);
#else
    constexpr int musterBits = 6;
    static_assert(1 << musterBits == maskenBits, "one pattern for every bit of a mask");
    static constexpr int debruijn[maskenBits] = {
        0,  1,  48, 2,  57, 49, 28, 3,  61, 58, 50, 42, 38, 29, 17, 4,  62, 55, 59, 36, 53, 51,
        43, 22, 45, 39, 33, 30, 24, 18, 12, 5,  63, 47, 56, 27, 60, 41, 37, 16, 54, 35, 52, 21,
        44, 32, 23, 11, 46, 26, 40, 15, 34, 20, 31, 10, 25, 14, 19, 9,  13, 8,  7,  6};
    return debruijn[((maske & (~maske + 1)) * 0x03F79D71B4CB0A89ull) >> (maskenBits - musterBits)];
#endif
}

// The number of set bits of a mask. Without the processor's own instruction,
// which the baseline of the x86-64 packages lacks, the compiler would call a
// library function for it at every position; adding the bits in pairs, then
// fours and eights, stays in registers.
inline int anzahlBits(std::uint64_t m)
{
    m -= (m >> 1) & 0x5555555555555555ull;
    m = (m & 0x3333333333333333ull) + ((m >> 2) & 0x3333333333333333ull);
    m = (m + (m >> 4)) & 0x0F0F0F0F0F0F0F0Full;
    // The byte sums add up in the top byte of the product.
    return static_cast<int>((m * 0x0101010101010101ull) >> (maskenBits - 8));
}

// The free sides of a position, those nearest the middle of the board
// first: the search numbers them in this order, so that it tries them first.
// A side in the middle joins boxes that many others touch, which settles
// more.
std::vector<int> vonDerMitteAus(const Lage &lage);

}

#endif
