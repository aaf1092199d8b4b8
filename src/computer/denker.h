// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_DENKER_H
#define PUNKTFELD_DENKER_H

#include "lage.h"
#include "meister.h"

#include <QFutureWatcher>
#include <QMetaType>
#include <QObject>
#include <QThreadPool>

#include <atomic>
#include <memory>

// Lets the Meister think about a copy of the position on a worker thread and
// hands its answer back on the thread that asked. Only the latest question
// is answered: asking again or dropping the question stops the thinking, and
// its answer never arrives. Destroying the thinker waits for its thread.
class Denker : public QObject
{
    Q_OBJECT

public:
    explicit Denker(QObject *parent = nullptr, Meister::Zweck zweck = Meister::Zweck::spielen);
    ~Denker() override;

    void denke(const Lage &lage);
    void verwirf();
    bool denkt() const { return waechter != nullptr; }

signals:
    void geantwortet(const Meister::Rat &rat);

private:
    void fertig();

    Meister meister;
    QThreadPool faeden;
    // Owned through the parent tree, so that one dropped while its thread
    // still runs is deleted with the thinker at the latest.
    QFutureWatcher<Meister::Rat> *waechter = nullptr;
    std::shared_ptr<std::atomic<bool>> abbruch;
};

Q_DECLARE_METATYPE(Meister::Rat)

#endif
