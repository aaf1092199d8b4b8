// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_PARTIE_H
#define PUNKTFELD_PARTIE_H

#include "blinker.h"
#include "computerzug.h"
#include "model/stellung.h"
#include "verlauf.h"

#include <QObject>
#include <QString>

#include <vector>

class Spielstand;

// One game: its position, the move history with undo and redo, and the
// order of turns, the computer's included. It paints nothing; it says by
// signals what changed, and whoever shows the board paints that part of it
// from the position.
class Partie : public QObject
{
    Q_OBJECT

public:
    explicit Partie(QObject *parent = nullptr);
    ~Partie() override;

    void neuesSpiel(int groesse, bool zufallsform);
    // The saved game on a new board of its size, at its level, and whoever
    // is to move in it moves.
    void lade(const Spielstand &stand);
    // A position set up from outside, with an empty history; whoever is to
    // move in it moves.
    void stelleAuf(const Stellung &stellung);
    void setzeLevel(int level);
    void setzeMenschStartet(bool menschStartet) { this->menschStartet = menschStartet; }
    // Fast play: the computer's sides of one turn follow one another without
    // the delay, each with a short blink.
    void setzeZuegig(bool zuegig)
    {
        computerzug.setzeZuegig(zuegig);
        blinker.setzeZuegig(zuegig);
    }

    // The human draws the side of the box in that row and column; a side
    // that cannot be drawn blinks red. Ignored unless the human is to move
    // and no blink runs.
    void zieheMensch(int zeile, int spalte, int richtung);
    void rueckgaengig();
    void wiederherstellen();
    // Back through the history, as undo goes, to the position before the
    // human's turn in record `eintrag`; redo leads forward again.
    void zurueckVor(std::size_t eintrag);
    // Whether the history on the board holds a turn of the human's, and
    // nobody is playing: a game can be reviewed.
    bool kannAnalysieren() const;

    const Stellung &stellung() const { return brett; }
    const Verlauf &verlauf() const { return zuege; }
    // The board size index the game was started or opened with.
    int groesse() const { return brettGroesse; }
    int level() const { return computerzug.level(); }
    bool menschAmZug() const { return brett.menschAmZug(); }
    bool istFertig() const { return brett.istFertig(); }
    bool computerDenkt() const { return computerzug.laeuft(); }
    bool blinkt() const { return blinker.laeuft(); }
    int punkteMensch() const { return brett.punkteMensch(); }
    int punkteComputer() const { return brett.punkteComputer(); }
    int offeneFelder() const { return brett.offeneFelder(); }
    QString statuszeile() const;

    // The status line: both scores as written, then ", fertig" when the game
    // is over or ", du bist dran" when the human is to move.
    static QString statuszeile(const QString &mensch, const QString &computer, bool spielVorbei, bool menschZieht);

signals:
    // A new board, empty or opened.
    void neuesBrett();
    // A side was drawn or freed again.
    void seiteGeaendert(int seite);
    // A box got or lost its owner.
    void feldGeaendert(int platz);
    // A blinking side shows in a colour, or as the position has it
    // (Blinker::keineFarbe).
    void hervorheben(int seite, int farbe);
    void statusGeaendert(const QString &text);
    void zugGewechselt(bool menschAmZug);
    void seiteGezogen(bool mensch);
    // A box got its owner's symbol.
    void feldGeschlossen(bool mensch);
    void spielVorbei();
    void verlaufGeaendert(bool kannZurueck, bool kannVor);
    // The turns that redo would have put back are gone.
    void wiederholungVerworfen();

private:
    void beginne(const Stellung &stellung);
    void setzeMenschAmZug(bool amZug);
    void zeigeStatus();
    void zeigeVerlauf();
    void ziehe(bool mensch, int seite);
    void merkeSeite(bool mensch, int seite);
    void gibBesitzer(int platz, bool mensch);
    void zieheComputer(int seite);
    void blinkVorbei();
    void nimmZurueck(const std::vector<const Zug *> &genommen);

    // The one position of the game; everything else reads it.
    Stellung brett;
    Verlauf zuege;
    Computerzug computerzug;
    Blinker blinker;
    bool menschStartet = true;
    bool warFertig = false;
    int brettGroesse = 0;
    // The boxes the computer's side completed; they get its symbol when the
    // side's blink is over.
    std::vector<int> neueFelder;
};

#endif
