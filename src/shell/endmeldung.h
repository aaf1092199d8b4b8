// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ENDMELDUNG_H
#define PUNKTFELD_ENDMELDUNG_H

#include <QLabel>
#include <QString>
#include <QStringList>
#include <QTimer>

class Partie;

// Says for a few seconds who won a game that has just ended, and by how
// much, beside the status line, which keeps its own text. It stays empty
// otherwise, and a game that goes on or starts anew ends it at once.
class Endmeldung : public QLabel
{
    Q_OBJECT

public:
    explicit Endmeldung(const Partie &partie, QWidget *parent = nullptr);

    // The message for these scores, the human's first.
    static QString meldung(int mensch, int computer);
    // Every message there is, with both scores written as given.
    static QStringList alleMeldungen(const QString &punkte);

private:
    static QStringList muster();

    QTimer dauer;
};

#endif
