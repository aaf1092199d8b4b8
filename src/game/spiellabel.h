// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SPIELLABEL_H
#define PUNKTFELD_SPIELLABEL_H

#include "computer/computerspieler.h"
#include "computer/denker.h"
#include "field/spielfeld.h"
#include "verlauf.h"

#include <QLabel>
#include <QPixmap>
#include <QRect>
#include <QString>
#include <QTimer>

#include <memory>
#include <optional>
#include <vector>

class Feld;
class MainWindow;
class QMouseEvent;
class Seite;
class Spielstand;

// The board widget. It owns one game at a time: the board picture, the grid,
// the scores, whose turn it is, the timers that pace the game and a hint,
// the move history, and the two thinkers that ask the Meister for the
// computer's move and for a hint. Sides and boxes paint themselves into the
// picture, which is handed to the label after every change.
class SpielLabel : public QLabel
{
    Q_OBJECT

public:
    explicit SpielLabel(MainWindow *parent);
    ~SpielLabel() override;

    void neuesSpiel(int groesse, bool zufallsform);
    void setLevel(int level);
    void setMenschStartet(bool menschStartet);

    // The picture to paint into. The label stops sharing it first, so that
    // painting does not copy the whole picture.
    QPixmap *bild();
    void zeigeBild();
    int breite() const { return bildBreite; }
    int hoehe() const { return bildHoehe; }
    const Spielfeld &brett() const { return spielfeld; }
    // The grid to change directly, past the turns and the history: for
    // setting up a position.
    Spielfeld &brett() { return spielfeld; }

    // The status line: both scores as written, then ", fertig" when the game
    // is over or ", du bist dran" when the human is to move.
    static QString statuszeile(const QString &mensch, const QString &computer, bool spielVorbei, bool menschZieht);
    // What a hint says where the outcome is known: the open boxes the human
    // still gets with best play from both sides, of all the open ones.
    static QString tippMeldung(const QString &bekommt, const QString &offen);

    void menschPunkt(bool dazu);
    void computerPunkt(bool dazu);

    void rueckgaengig();
    void wiederherstellen();
    // Shows the side the Meister would draw for the human: it blinks green
    // three times, and where the Meister knows the exact outcome the status
    // bar says how many of the open boxes the human still gets.
    void tipp();

    void speichern(int groesse, bool speichernUnter);
    void oeffnen();
    // Saving and opening without a dialog. A file that cannot be read, is
    // too short or contradicts itself changes nothing.
    bool schreibeDatei(const QString &name, int groesse) const;
    bool ladeDatei(const QString &name);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private slots:
    void blinkeMitSeite();
    void computerZug();
    void meisterAntwort(const Meister::Rat &rat);
    void tippAntwort(const Meister::Rat &rat);
    void tippBlink();

private:
    void zeigeStatus();
    void merkeZug(Zug zug);
    void zeigeAktionen();
    void merkeSeite(bool mensch, Seite *seite);
    void starteBlink(Seite *seite, bool rot);
    void beendeBlink();
    void ladeSpielstand(const Spielstand &stand);
    void warnung(const QString &text);
    void starteComputerZug();
    void verwirfDenken();
    void zieheFuerComputer(const Computerspieler::Wahl &wahl);
    void zeigeTippAktion();
    void zeigeTippUnterlage();
    void beendeTipp();

    // What the next step of a blink shows. A refused side is red at once
    // and then goes through all three steps; the computer's side is drawn
    // as taken and starts at `markieren`.
    enum class Blinkschritt
    {
        aus,
        zeigen,
        markieren,
        zuletztZeigen,
    };

    MainWindow *hauptfenster;
    std::unique_ptr<QPixmap> spielBild;
    int level = 5;
    bool menschStartet = true;
    int anzahlFelder = 0;
    bool fertig = false;
    Spielfeld spielfeld;
    int bildBreite = 0;
    int bildHoehe = 0;
    QTimer blinkTimer;
    QTimer computerTimer;
    Seite *letzteSeite = nullptr;
    std::vector<Feld *> neueFelder;
    Blinkschritt blinkSchritt = Blinkschritt::aus;
    bool blinkRot = false;
    bool menschAmZug = true;
    int punkteMensch = 0;
    int punkteComputer = 0;
    bool bildSperre = false;
    Computerspieler computerspieler;
    // The Meister thinks on a thread of its own while the computer's delay
    // runs; its answer is played once both are over.
    Denker denker;
    std::optional<Meister::Rat> meisterRat;
    bool meisterFaellig = false;
    // A hint: asked for, then blinking over a copy of the picture beneath
    // it, which is put back after each green step.
    Denker tippDenker;
    QTimer tippTimer;
    bool tippLaeuft = false;
    Seite *tippSeite = nullptr;
    int tippSchritt = 0;
    QRect tippBereich;
    QPixmap tippUnterlage;
    bool tippMeldungGezeigt = false;
    Verlauf verlauf;
    QString dateiName;
};

#endif
