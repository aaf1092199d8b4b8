// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statusbreite.h"

#include "endmeldung.h"
#include "game/partie.h"

#include <QLabel>
#include <QLayout>
#include <QStatusBar>

#include <algorithm>

int Statusbreite::breitesteZeile(QStatusBar &leiste, QLabel &zeile, QLabel &meldung, int stellen)
{
    const QString text = zeile.text();
    const QString ende = meldung.text();
    int breite = 0;
    const auto miss = [&](const QString &zeilentext, const QString &meldungstext) {
        zeile.setText(zeilentext);
        meldung.setText(meldungstext);
        // The bar's layouts keep the hints of the texts they last laid out
        // until they are invalidated.
        for (QLayout *layout : leiste.findChildren<QLayout *>())
            layout->invalidate();
        breite = std::max(breite, leiste.sizeHint().width());
    };
    for (char ziffer = '0'; ziffer <= '9'; ++ziffer) {
        const QString zahl(stellen, QLatin1Char(ziffer));
        // A hint's message, shown in the line's place, is a little shorter
        // than the line with as many digits, so it fits as well.
        miss(Partie::statuszeile(zahl, zahl, false, true), QString());
        for (const QString &endtext : Endmeldung::alleMeldungen(zahl))
            miss(Partie::statuszeile(zahl, zahl, true, false), endtext);
    }
    miss(text, ende);
    return breite;
}
