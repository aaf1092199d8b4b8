// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_BLINKER_H
#define PUNKTFELD_BLINKER_H

#include <QObject>
#include <QTimer>

// Makes a side blink: the side the computer has just drawn shows cyan once,
// and a side the human may not draw shows red twice. Each step lasts one
// tick of its timer. It only says what to show; the board paints it.
class Blinker : public QObject
{
    Q_OBJECT

public:
    // What `hervorheben` gives for a side shown as it is.
    static constexpr int keineFarbe = -1;

    explicit Blinker(QObject *parent = nullptr);

    void starte(int seite, bool rot);
    // Ends a blink early and shows the side as it is, before the board
    // changes under it.
    void beende();
    // Forgets a blink without showing anything, when its board is gone.
    void vergiss();
    bool laeuft() const { return schritt != Schritt::aus; }
    // Fast play: the computer's side blinks briefly; a refused side as ever.
    void setzeZuegig(bool zuegig) { this->zuegig = zuegig; }

signals:
    // The side shows in a colour (a Qt::GlobalColor), or as the position
    // has it.
    void hervorheben(int seite, int farbe);
    // The last step is over and the side looks as it did before.
    void fertig();

private:
    void naechsterSchritt();

    // What the next step shows. A refused side is red at once and then goes
    // through all three steps; the computer's side is drawn as taken and
    // starts at `markieren`.
    enum class Schritt
    {
        aus,
        zeigen,
        markieren,
        zuletztZeigen,
    };

    int farbe() const;

    QTimer timer;
    int seite = -1;
    Schritt schritt = Schritt::aus;
    bool rot = false;
    bool zuegig = false;
};

#endif
