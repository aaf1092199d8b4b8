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
    // How much the review knows of a value: exactly, by an estimate measured
    // to be close at that stage, or nothing yet.
    enum class Wissen
    {
        exakt,
        geschaetzt,
        unbekannt,
    };
    // Who is on course for control of the long chains (Kettenregel).
    enum class Kontrolle
    {
        mensch,
        computer,
        offen,
    };
    // One of the human's turns. Each side of it is a decision of its own:
    // what a side lost is the drop in value from before it to after it.
    struct Zugbewertung
    {
        // Turns of both players are counted from 1.
        int zug = 0;
        // The history record of the turn: going back to it puts the board
        // where it was before the turn.
        std::size_t eintrag = 0;
        QStringList gezogen;
        // What each side let the computer have beyond best play, and how
        // well that is known.
        std::vector<int> seitenVerluste;
        std::vector<Wissen> seitenWissen;
        // The whole turn: the sum, known as well as its least known side.
        int verlust = 0;
        Wissen wissen = Wissen::exakt;
        // Only the losses known exactly: what counts as a mistake.
        int sichererVerlust = 0;
        // The side of the turn that cost the most, -1 where none cost
        // anything, and the side the Meister would have drawn there instead,
        // by name and as the engine numbers it.
        int teuersteSeite = -1;
        QString besser;
        int besteSeite = -1;
        // Before the turn.
        Kontrolle kontrolle = Kontrolle::offen;
    };
    // The position after a turn (0: before the first one): the human's
    // boxes less the computer's at the end, with best play from there.
    struct Punkt
    {
        int zug = 0;
        int wert = 0;
        Wissen wissen = Wissen::exakt;
        bool fehler = false;
        Kontrolle kontrolle = Kontrolle::offen;
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
    Zugbewertung bewerteZug(std::size_t eintrag, const std::vector<Rueckschau::Bewertung> &bewertungen,
                            const std::vector<int> &ende) const;
    Kontrolle kontrolleIn(std::size_t stellung) const;

    const Partie &partie;
    Rueckschau rueckschau;
    QThreadPool faeden;
    QFutureWatcher<std::vector<Rueckschau::Bewertung>> *waechter = nullptr;
    std::shared_ptr<std::atomic<bool>> abbruch;
    // Counts the reviews started, so that a stopped one's late progress is
    // not shown for the next.
    int lauf = 0;
    // The positions before the first record and after each side drawn
    // since, who moves there, and the human's lead in boxes owned.
    std::vector<Lage> lagen;
    std::vector<bool> menschZieht;
    std::vector<int> vorsprung;
    // Per record: the position before its first side, and its sides; one
    // more entry gives the position after the last record.
    std::vector<std::size_t> erste;
    std::vector<std::vector<int>> seiten;
    Gitter raster;
};

Q_DECLARE_METATYPE(Analyse::Ergebnis)

#endif
