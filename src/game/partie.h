// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_PARTIE_H
#define PUNKTFELD_PARTIE_H

#include "blinker.h"
#include "computerzug.h"
#include "field/besitzmelder.h"
#include "field/spielfeld.h"
#include "verlauf.h"

#include <QObject>
#include <QString>

#include <vector>

class Feld;
class Malflaeche;
class Seite;
class Spielstand;

// One game: the grid, whose turn it is, the scores, the move history with
// undo and redo, and the order of turns, the computer's included. It paints
// nothing itself; its boxes and sides paint onto the picture it is given,
// and it says by signals what changed.
class Partie : public QObject, public Besitzmelder
{
    Q_OBJECT

public:
    explicit Partie(Malflaeche &flaeche, QObject *parent = nullptr);
    ~Partie() override;

    void neuesSpiel(int groesse, bool zufallsform);
    // The saved game on a new board of its size, at its level, and whoever
    // is to move in it moves.
    void lade(const Spielstand &stand);
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

    const Spielfeld &brett() const { return spielfeld; }
    // The grid to change directly, past the turns and the history: for
    // setting up a position.
    Spielfeld &brett() { return spielfeld; }
    const Verlauf &verlauf() const { return zuege; }
    // The board size index the game was started or opened with.
    int groesse() const { return brettGroesse; }
    int level() const { return computerzug.level(); }
    bool menschAmZug() const { return menschZieht; }
    bool istFertig() const { return fertig; }
    bool computerDenkt() const { return computerzug.laeuft(); }
    bool blinkt() const { return blinker.laeuft(); }
    int punkteMensch() const { return mensch; }
    int punkteComputer() const { return computer; }
    int offeneFelder() const { return anzahlFelder - mensch - computer; }
    QString statuszeile() const;

    // The status line: both scores as written, then ", fertig" when the game
    // is over or ", du bist dran" when the human is to move.
    static QString statuszeile(const QString &mensch, const QString &computer, bool spielVorbei, bool menschZieht);

    void besitzerGeaendert(bool mensch, bool dazu) override;

signals:
    // A new board, empty or opened.
    void neuesBrett();
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
    void baueBrett(int groesse, bool zufallsform);
    void setzeMenschAmZug(bool amZug);
    void zeigeStatus();
    void zeigeVerlauf();
    void merkeSeite(bool mensch, Seite *seite);
    void zieheComputer(const Computerspieler::Wahl &wahl);
    void blinkVorbei();
    void nimmZurueck(const std::vector<const Zug *> &genommen);

    Malflaeche &flaeche;
    Spielfeld spielfeld;
    Verlauf zuege;
    Computerzug computerzug;
    Blinker blinker;
    bool menschStartet = true;
    bool menschZieht = true;
    bool fertig = false;
    int brettGroesse = 0;
    int anzahlFelder = 0;
    int mensch = 0;
    int computer = 0;
    // The boxes the computer's side completed; they get its symbol when the
    // side's blink is over.
    std::vector<Feld *> neueFelder;
};

#endif
