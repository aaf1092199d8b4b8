// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "endmeldung.h"

#include "game/partie.h"

namespace {
constexpr int anzeigeDauer = 8000;
enum Ausgang { gewonnen, verloren, unentschieden };
}

Endmeldung::Endmeldung(const Partie &partie, QWidget *parent)
    : QLabel(parent), dauer(this)
{
    setObjectName(QStringLiteral("endmeldung"));
    dauer.setSingleShot(true);
    dauer.setInterval(anzeigeDauer);
    connect(&dauer, &QTimer::timeout, this, &QLabel::clear);
    connect(&partie, &Partie::spielVorbei, this, [this, &partie] {
        setText(meldung(partie.punkteMensch(), partie.punkteComputer()));
        dauer.start();
    });
    connect(&partie, &Partie::statusGeaendert, this, [this, &partie] {
        if (!partie.istFertig()) {
            dauer.stop();
            clear();
        }
    });
}

QStringList Endmeldung::muster()
{
    return {tr("Gewonnen, %1 zu %2!"), tr("Verloren, %1 zu %2."), tr("Unentschieden, %1 zu %2.")};
}

QString Endmeldung::meldung(int mensch, int computer)
{
    const Ausgang ausgang = mensch > computer ? gewonnen : mensch < computer ? verloren : unentschieden;
    return muster().at(ausgang).arg(mensch).arg(computer);
}

QStringList Endmeldung::alleMeldungen(const QString &punkte)
{
    QStringList texte;
    for (const QString &text : muster())
        texte << text.arg(punkte, punkte);
    return texte;
}
