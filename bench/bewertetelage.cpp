// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bewertetelage.h"

#include <QFile>
#include <QStringList>
#include <QTextStream>

namespace {

QString liste(const std::vector<int> &zahlen)
{
    QStringList teile;
    for (int z : zahlen)
        teile << QString::number(z);
    return teile.isEmpty() ? QStringLiteral("-") : teile.join(',');
}

std::vector<int> zahlen(const QString &text)
{
    std::vector<int> ergebnis;
    if (text == QLatin1String("-"))
        return ergebnis;
    for (const QString &teil : text.split(','))
        ergebnis.push_back(teil.toInt());
    return ergebnis;
}

}

QString BewerteteLage::zeile() const
{
    std::vector<int> loecher;
    for (int platz = 0; platz < lage.zeilen() * lage.spalten(); ++platz) {
        if (lage.istGesperrt(platz))
            loecher.push_back(platz);
    }
    // A side is drawn when it is closed although both its boxes are in play.
    std::vector<int> gezogen;
    for (int s = 0; s < lage.seitenAnzahl(); ++s) {
        int a = -1;
        int b = -1;
        lage.felderAn(s, a, b);
        if (!lage.istFrei(s) && a >= 0 && b >= 0 && !lage.istGesperrt(a) && !lage.istGesperrt(b))
            gezogen.push_back(s);
    }
    return QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
        .arg(lage.zeilen())
        .arg(lage.spalten())
        .arg(liste(loecher), liste(gezogen))
        .arg(bester)
        .arg(seite)
        .arg(seitenWert);
}

std::vector<BewerteteLage> BewerteteLage::lies(const QString &datei)
{
    std::vector<BewerteteLage> lagen;
    QFile f(datei);
    if (!f.open(QIODevice::ReadOnly | QIODevice::Text))
        return lagen;
    QTextStream ein(&f);
    constexpr int felder = 7;
    while (!ein.atEnd()) {
        const QString text = ein.readLine().trimmed();
        const QStringList teile = text.split(' ', Qt::SkipEmptyParts);
        if (text.startsWith('#') || teile.size() != felder)
            continue;
        Lage lage(teile[0].toInt(), teile[1].toInt());
        for (int platz : zahlen(teile[2]))
            lage.sperre(platz / lage.spalten(), platz % lage.spalten());
        for (int s : zahlen(teile[3]))
            lage.ziehe(s);
        lagen.push_back({lage, teile[4].toInt(), teile[5].toInt(), teile[6].toInt()});
    }
    return lagen;
}
