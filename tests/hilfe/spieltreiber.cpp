// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spieltreiber.h"

#include "computer/denker.h"
#include "game/spiellabel.h"
#include "ansicht.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>

namespace Spieltreiber {

namespace {

bool denkt(const SpielLabel &label)
{
    const QList<Denker *> denker = label.findChildren<Denker *>();
    return std::any_of(denker.begin(), denker.end(), [](const Denker *d) { return d->denkt(); });
}

}

bool laeuft(const SpielLabel &label)
{
    const QList<QTimer *> uhren = label.findChildren<QTimer *>();
    return denkt(label) || std::any_of(uhren.begin(), uhren.end(), [](const QTimer *uhr) { return uhr->isActive(); });
}

bool schritt(SpielLabel &label)
{
    // At most one of the game's timers (blink, computer, hint) runs at any
    // time.
    for (QTimer *uhr : label.findChildren<QTimer *>()) {
        if (uhr->isActive()) {
            uhr->stop();
            return QMetaObject::invokeMethod(uhr, "timeout");
        }
    }
    // The Meister's answer arrives as an event once its thread is done.
    if (denkt(label)) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return true;
    }
    return false;
}

void computerRunde(SpielLabel &label)
{
    while (schritt(label)) {
    }
}

QPoint druckpunkt(const SpielLabel &label, int seite)
{
    return label.ausBild(Ansicht::druckpunkt(label.stellung().gitter(), seite));
}

void spiele(SpielLabel &label, const std::function<int()> &waehle, int zuege)
{
    const auto offen = [&label] { return label.stellung().freieSeiten() > 0; };
    for (computerRunde(label); zuege-- > 0 && offen(); computerRunde(label))
        Ansicht::druecke(label, druckpunkt(label, waehle()));
}

}
