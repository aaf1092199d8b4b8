// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "lagezeichnung.h"

#include <QStringList>

namespace Lagezeichnung {

Lage lage(const QString &zeichnung, int zeilen, int spalten)
{
    QStringList text = zeichnung.split('\n');
    while (!text.isEmpty() && text.first().trimmed().isEmpty())
        text.removeFirst();
    const auto zeichen = [&text](int zeile, int spalte) {
        return zeile < text.size() && spalte < text.at(zeile).size() ? text.at(zeile).at(spalte) : QChar(' ');
    };
    Lage lage(zeilen, spalten);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            if (zeichen(2 * r + 1, 3 * c + 1) == '#')
                lage.sperre(r, c);
        }
    }
    // Each box reads its top and left side; the bottom and right ones of the
    // last row and column are the frame, closed anyway.
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            if (zeichen(2 * r, 3 * c + 1) == '-')
                lage.ziehe(lage.seite(r, c, Richtung::oben));
            if (zeichen(2 * r + 1, 3 * c) == '|')
                lage.ziehe(lage.seite(r, c, Richtung::links));
        }
    }
    return lage;
}

QString zeichnung(const Lage &lage)
{
    QString text;
    const auto zu = [&lage](int r, int c, int richtung) { return !lage.istFrei(lage.seite(r, c, richtung)); };
    for (int r = 0; r <= lage.zeilen(); ++r) {
        const int zeile = r < lage.zeilen() ? r : r - 1;
        const int richtung = r < lage.zeilen() ? Richtung::oben : Richtung::unten;
        text += '+';
        for (int c = 0; c < lage.spalten(); ++c)
            text += zu(zeile, c, richtung) ? "--+" : "  +";
        text += '\n';
        if (r == lage.zeilen())
            break;
        for (int c = 0; c < lage.spalten(); ++c) {
            text += zu(r, c, Richtung::links) ? '|' : ' ';
            text += lage.istGesperrt(r * lage.spalten() + c) ? "##" : "  ";
        }
        text += "|\n";
    }
    return text;
}

}
