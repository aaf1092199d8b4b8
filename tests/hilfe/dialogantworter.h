// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_TEST_DIALOGANTWORTER_H
#define PUNKTFELD_TEST_DIALOGANTWORTER_H

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>

class QWidget;

// Answers each modal dialog that comes up: a file dialog takes `datei` once
// (empty: it is cancelled), a message box its Yes or Ok. Every dialog's
// title, a message box's text, and the buttons are kept in `gesehen`.
class Dialogantworter : public QObject
{
public:
    explicit Dialogantworter(QObject *parent = nullptr);
    QString datei;
    QStringList gesehen;

private:
    void antworte();
    QTimer uhr;
    QPointer<QWidget> beantwortet;
};

#endif
