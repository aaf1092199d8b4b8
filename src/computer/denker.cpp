// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "denker.h"

#include <QtConcurrent>

Denker::Denker(QObject *parent, Meister::Zweck zweck)
    : QObject(parent), meister(std::chrono::milliseconds(Meister::sicherheitsFristVorgabe), zweck)
{
    qRegisterMetaType<Meister::Rat>();
    // One thread is enough: a dropped question stops within moments, and the
    // next one waits for it rather than compete for the second core.
    faeden.setMaxThreadCount(1);
}

Denker::~Denker()
{
    verwirf();
    faeden.waitForDone();
}

void Denker::denke(const Lage &lage)
{
    verwirf();
    abbruch = std::make_shared<std::atomic<bool>>(false);
    waechter = new QFutureWatcher<Meister::Rat>(this);
    connect(waechter, &QFutureWatcherBase::finished, this, &Denker::fertig);
    // The thread gets its own copies of the position, the player and the
    // stop flag; nothing it touches is shared with this thread.
    waechter->setFuture(QtConcurrent::run(&faeden, [kopie = lage, spieler = meister, stopp = abbruch] {
        return spieler.waehle(kopie, stopp.get());
    }));
}

void Denker::verwirf()
{
    if (abbruch)
        abbruch->store(true);
    abbruch.reset();
    // The old watcher may still report a result; it no longer reaches us.
    if (waechter) {
        waechter->disconnect(this);
        waechter->deleteLater();
    }
    waechter = nullptr;
}

void Denker::fertig()
{
    const Meister::Rat rat = waechter->result();
    abbruch.reset();
    waechter->deleteLater();
    waechter = nullptr;
    emit geantwortet(rat);
}
