// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_HILFE_H
#define PUNKTFELD_HILFE_H

#include <QObject>
#include <QPointer>

class QAction;
class QDialog;
class QWidget;

// What the game tells a new player: the board's tool tip names the two
// symbols, and the help menu shows the rules and what the program is.
class Hilfe : public QObject
{
    Q_OBJECT

public:
    Hilfe(QAction *regeln, QAction *ueber, QWidget *brett, QWidget *fenster);

private:
    static QString regelnHtml();
    void zeigeRegeln();
    void zeigeUeber();

    QWidget *fenster;
    QPointer<QDialog> regeln;
};

#endif
