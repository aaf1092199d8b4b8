// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TIPP_H
#define PUNKTFELD_TIPP_H

#include "computer/denker.h"

#include <QObject>
#include <QString>
#include <QTimer>

class Partie;

// A hint: the side the Meister would draw for the human blinks green three
// times, and where the Meister knows the exact outcome a message says how
// many of the open boxes the human still gets. It only says what to show;
// the board paints the side green over the picture and paints it again from
// the position after each green step.
class Tipp : public QObject
{
    Q_OBJECT

public:
    // The hint's line is drawn this wide, whatever the side's own width.
    static constexpr int breite = 2;

    explicit Tipp(const Partie &spiel, QObject *parent = nullptr);

    void frage();
    // Blinks a side already known, numbered as the engine numbers it,
    // without a message.
    void zeige(int seite);
    // Ends a hint early whenever the game moves on or the player acts: its
    // answer is dropped, the side looks as before and its message goes.
    void beende();
    // Only the human's turn in a running game, with no hint under way.
    bool verfuegbar() const;

    // What a hint says where the outcome is known: the open boxes the human
    // still gets with best play from both sides, of all the open ones.
    static QString meldungstext(const QString &bekommt, const QString &offen);

signals:
    void verfuegbarGeaendert(bool verfuegbar);
    // The side shows green (a Qt::GlobalColor), or as the position has it
    // (Blinker::keineFarbe).
    void hervorheben(int seite, int farbe);
    // The message to show for a while; an empty one ends it early.
    void meldung(const QString &text);

private:
    void antwort(const Meister::Rat &rat);
    void blinkSchritt();
    void zeigeVerfuegbar();

    const Partie &spiel;
    Denker denker;
    QTimer timer;
    bool laeuft = false;
    int seite = -1;
    int schritt = 0;
    bool meldungGezeigt = false;
};

#endif
