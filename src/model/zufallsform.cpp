// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "zufallsform.h"

#include "stellung.h"

#include <cstdlib>

int Zufallsform::schneideMittel(Stellung &stellung)
{
    const int zeilen = stellung.gitter().zeilen();
    const int spalten = stellung.gitter().spalten();
    // Row r and column s divide the board into four quarters that share
    // them; each quarter gets one hole.
    const int r = std::rand() % (zeilen - 6) + 3;
    const int s = std::rand() % (spalten - 6) + 3;
    const int bereiche[4][4] = {
        {0, s, r + 1, spalten},
        {0, 0, r + 1, s + 1},
        {r, s, zeilen, spalten},
        {r, 0, zeilen, s + 1},
    };
    int gesperrt = 0;
    for (const auto &b : bereiche) {
        const int modus = std::rand() % 4;
        gesperrt += schneideRechtecke(stellung, modus, b[0], b[1], b[2], b[3]);
    }
    return gesperrt;
}

int Zufallsform::schneideGross(Stellung &stellung)
{
    const int zeilen = stellung.gitter().zeilen();
    const int spalten = stellung.gitter().spalten();
    const int a = std::rand() % (zeilen - 6);
    const int h = spalten / 2;
    const int b = std::rand() % (h - 6);
    const int c = std::rand() % (h - 5);
    // Six bands, separated by rows and columns that stay in play.
    const int zeilenBaender[2][2] = {{1, a + 2}, {a + 4, zeilen - 1}};
    const int spaltenBaender[3][2] = {{1, b + 2}, {b + 4, b + c + 8}, {b + c + 10, spalten - 2}};
    int gesperrt = 0;
    for (int k = 0; k < 6; ++k) {
        const bool fallend = (std::rand() & 1) != 0;
        const auto &z = zeilenBaender[k < 3 ? 0 : 1];
        const auto &s = spaltenBaender[k % 3];
        gesperrt += schneideDiagonale(stellung, fallend, z[0], s[0], z[1], s[1]);
    }
    return gesperrt;
}

int Zufallsform::schneideRechtecke(Stellung &stellung, int modus, int zeile0, int spalte0, int zeile1,
                                   int spalte1)
{
    const int u1 = std::rand() % (zeile1 - zeile0 - 3) + zeile0 + 1;
    const int u2 = std::rand() % (zeile1 - u1 - 2) + u1 + 1;
    const int u3 = std::rand() % (zeile1 - u2 - 1) + u2 + 1;
    const int w1 = std::rand() % (spalte1 - spalte0 - 3) + spalte0 + 1;
    const int w2 = std::rand() % (spalte1 - w1 - 2) + w1 + 1;
    const int w3 = std::rand() % (spalte1 - w2 - 1) + w2 + 1;

    // The four rectangles in the order of modus; the one named by modus
    // stays in play, the other three form the hole.
    const int rechtecke[4][4] = {
        {u1, w1, u2, w2},
        {u1, w2, u2, w3},
        {u2, w2, u3, w3},
        {u2, w1, u3, w2},
    };
    int gesperrt = 0;
    for (int i = 0; i < 4; ++i) {
        if (i != modus) {
            const auto &r = rechtecke[i];
            gesperrt += sperreBereich(stellung, r[0], r[1], r[2], r[3]);
        }
    }
    return gesperrt;
}

int Zufallsform::sperreBereich(Stellung &stellung, int zeile0, int spalte0, int zeile1, int spalte1)
{
    for (int i = zeile0; i < zeile1; ++i) {
        for (int j = spalte0; j < spalte1; ++j)
            stellung.sperre(stellung.gitter().platz(i, j));
    }
    return (zeile1 - zeile0) * (spalte1 - spalte0);
}

int Zufallsform::schneideDiagonale(Stellung &stellung, bool fallend, int zeile0, int spalte0, int zeile1,
                                   int spalte1)
{
    const int dz = zeile1 - zeile0;
    const int ds = spalte1 - spalte0;
    auto sperre = [&](int zeile, int spalte) {
        if (!fallend)
            spalte = spalte0 + spalte1 - spalte;
        stellung.sperre(stellung.gitter().platz(zeile, spalte));
    };
    if (dz <= 0 && ds <= 0)
        return 0;
    if (dz >= ds) {
        const double q = static_cast<double>(ds) / dz;
        const double start = zeile0 * q;
        for (int t = zeile0; t < zeile1; ++t)
            sperre(t, spalte0 + static_cast<int>(t * q - start));
        return dz;
    }
    const double q = static_cast<double>(dz) / ds;
    const double start = spalte0 * q;
    for (int t = spalte0; t < spalte1; ++t)
        sperre(zeile0 + static_cast<int>(t * q - start), t);
    return ds;
}
