// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_ANALYSE_H
#define PUNKTFELD_ANALYSE_H

#include "computer/rueckschau.h"
#include "model/gitter.h"

#include <QFutureWatcher>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <atomic>
#include <memory>
#include <vector>

class Partie;

// A review of the human's turns: every position of the game up to the
// present one is valued by the Meister on a worker thread, and each of the
// human's turns gets what it cost against best play. Starting again or
// stopping drops a review under way; destroying it waits for its thread.
class Analyse : public QObject
{
    Q_OBJECT

public:
    // One of the human's turns.
    struct Zugbewertung
    {
        // Turns of both players are counted from 1.
        int zug = 0;
        // The history record of the turn: going back to it puts the board
        // where it was before the turn.
        std::size_t eintrag = 0;
        QStringList gezogen;
        // The open boxes the turn let the computer have beyond best play.
        int verlust = 0;
        bool exakt = true;
        // Where the turn lost boxes: the side the Meister would have drawn.
        QString besser;
        // That side as the engine numbers it, for showing it on the board.
        int besteSeite = -1;
    };
    // The position after a turn (0: before the first one): the human's
    // boxes less the computer's at the end, with best play from there.
    struct Punkt
    {
        int zug = 0;
        int wert = 0;
        bool exakt = true;
        bool fehler = false;
    };
    struct Ergebnis
    {
        std::vector<Zugbewertung> zuege;
        std::vector<Punkt> punkte;
    };

    explicit Analyse(const Partie &partie, QObject *parent = nullptr);
    ~Analyse() override;

    // Reviews the history up to the present position; false when it holds
    // no turn of the human's.
    bool starte();
    void brichAb();
    bool laeuft() const { return waechter != nullptr; }
    // How many positions the review under way values.
    int stellungen() const { return static_cast<int>(lagen.size()); }

    // A side named so that a player finds it on the board: its box above or
    // to the left (at the left and top frame the one beside it), columns
    // lettered from A at the left and rows numbered from 1 at the top, and
    // the part of that box it is.
    static QString seitenname(const Gitter &gitter, int seite);

signals:
    void fortschritt(int fertig);
    void fertig(const Analyse::Ergebnis &ergebnis);

private:
    void bereiteVor();
    void auswerten(const std::vector<Rueckschau::Bewertung> &bewertungen);

    const Partie &partie;
    Rueckschau rueckschau;
    QThreadPool faeden;
    QFutureWatcher<std::vector<Rueckschau::Bewertung>> *waechter = nullptr;
    std::shared_ptr<std::atomic<bool>> abbruch;
    // Counts the reviews started, so that a stopped one's late progress is
    // not shown for the next.
    int lauf = 0;
    // The positions before the first record and after each one, who moves
    // there, and the human's lead in boxes owned.
    std::vector<Lage> lagen;
    std::vector<bool> menschZieht;
    std::vector<int> vorsprung;
    // The sides each record drew, by name: the review reads nothing of the
    // game once started.
    std::vector<QStringList> gezogen;
    std::vector<int> ersteSeite;
    Gitter raster;
};

Q_DECLARE_METATYPE(Analyse::Ergebnis)

#endif
