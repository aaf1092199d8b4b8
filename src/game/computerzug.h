// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_COMPUTERZUG_H
#define PUNKTFELD_COMPUTERZUG_H

#include "computer/computerspieler.h"
#include "computer/denker.h"

#include <QObject>
#include <QTimer>

#include <optional>

class Stellung;

// The computer's turn: a short delay, so that the player sees one move after
// another, and the choice of a side at the level set. The Meister thinks on
// a thread of its own while the delay runs; its answer is played once both
// are over. Whatever ends the turn early drops the answer.
class Computerzug : public QObject
{
    Q_OBJECT

public:
    explicit Computerzug(const Stellung &brett, QObject *parent = nullptr);

    // A move still being thought over is made again at the new level.
    void setzeLevel(int level);
    int level() const { return stufe; }
    // Starts the delay, and at the Meister's level its thinking.
    void starte();
    // Starts the next side of the same turn; in fast play without the delay.
    void weiter();
    void setzeZuegig(bool zuegig) { this->zuegig = zuegig; }
    void verwirf();
    bool laeuft() const { return timer.isActive() || denker.denkt() || faellig; }

signals:
    // A free side of the board.
    void gewaehlt(int seite);

private:
    void verzoegerungVorbei();
    void meisterAntwort(const Meister::Rat &rat);
    void waehle(int seite);

    const Stellung &brett;
    int stufe = 5;
    QTimer timer;
    Computerspieler computerspieler;
    Denker denker;
    std::optional<Meister::Rat> rat;
    bool faellig = false;
    bool zuegig = false;
};

#endif
