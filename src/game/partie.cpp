// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partie.h"

#include "field/feld.h"
#include "field/geometrie.h"
#include "field/malflaeche.h"
#include "field/seite.h"
#include "field/zufallsform.h"
#include "savegame/feldzustand.h"
#include "savegame/spielstand.h"
#include "savegame/zustandscode.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

Partie::Partie(Malflaeche &flaeche, QObject *parent)
    : QObject(parent), flaeche(flaeche), computerzug(spielfeld, this), blinker(this)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    connect(&computerzug, &Computerzug::gewaehlt, this, &Partie::zieheComputer);
    connect(&blinker, &Blinker::fertig, this, &Partie::blinkVorbei);
}

Partie::~Partie() = default;

void Partie::baueBrett(int groesse, bool zufallsform)
{
    computerzug.verwirf();
    blinker.vergiss();
    neueFelder.clear();
    zuege.leere();

    brettGroesse = groesse;
    const int spalten = Spielfeld::spaltenFuer(groesse);
    const int zeilen = Spielfeld::zeilenFuer(groesse);
    flaeche.neu(QSize(Geometrie::bildBreite(spalten), Geometrie::bildHoehe(zeilen)));
    // Building a grid paints well over a thousand sides; the picture is
    // shown once, when the board is complete.
    flaeche.halte(true);
    spielfeld = Spielfeld::baue(zeilen, spalten, flaeche, this);
    anzahlFelder = spalten * zeilen;
    if (zufallsform && groesse == 1)
        anzahlFelder -= Zufallsform::schneideMittel(spielfeld);
    else if (zufallsform && groesse == 2)
        anzahlFelder -= Zufallsform::schneideGross(spielfeld);
    flaeche.halte(false);
    mensch = 0;
    computer = 0;
    fertig = false;
}

void Partie::neuesSpiel(int groesse, bool zufallsform)
{
    baueBrett(groesse, zufallsform);
    emit neuesBrett();
    setzeMenschAmZug(menschStartet);
    zeigeVerlauf();
}

void Partie::lade(const Spielstand &stand)
{
    baueBrett(stand.groesse(), false);
    computerzug.setzeLevel(stand.level());
    // Every restored side and symbol paints itself; the board is shown once
    // it is complete. The holes come first, as on a new board, so that a
    // side taken beside a hole is drawn over the hole's gray edge rather
    // than under it.
    flaeche.halte(true);
    for (const bool loecher : {true, false}) {
        int index = 0;
        for (Feld *feld : spielfeld) {
            const char code = stand.felder().at(index++);
            if (((code & Zustandscode::gesperrt) != 0) == loecher)
                Feldzustand::setze(*feld, code);
        }
    }
    flaeche.halte(false);
    anzahlFelder = static_cast<int>(
        std::count_if(spielfeld.begin(), spielfeld.end(), [](const Feld *feld) { return !feld->istGesperrt(); }));
    emit neuesBrett();
    setzeMenschAmZug(stand.menschAmZug());
    zeigeVerlauf();
}

void Partie::setzeLevel(int level)
{
    computerzug.setzeLevel(level);
}

// The one place that says whose turn it is. The computer's turn starts its
// delay here, whatever gave it the turn.
void Partie::setzeMenschAmZug(bool amZug)
{
    menschZieht = amZug;
    zeigeStatus();
    emit zugGewechselt(amZug);
    if (!amZug && !fertig)
        computerzug.starte();
}

void Partie::besitzerGeaendert(bool vomMenschen, bool dazu)
{
    (vomMenschen ? mensch : computer) += dazu ? 1 : -1;
    zeigeStatus();
    if (dazu)
        emit feldGeschlossen(vomMenschen);
}

void Partie::zeigeStatus()
{
    const bool warFertig = fertig;
    fertig = mensch + computer == anzahlFelder;
    emit statusGeaendert(statuszeile());
    if (fertig && !warFertig)
        emit spielVorbei();
}

QString Partie::statuszeile() const
{
    return statuszeile(QString::number(mensch), QString::number(computer), fertig, menschZieht);
}

QString Partie::statuszeile(const QString &mensch, const QString &computer, bool spielVorbei, bool menschZieht)
{
    QString text = tr("Mensch: %1, Computer: %2").arg(mensch, computer);
    if (spielVorbei)
        text += tr(", fertig");
    else if (menschZieht)
        text += tr(", du bist dran");
    return text;
}

// Undo and redo are each available exactly when the history has a step for
// them.
void Partie::zeigeVerlauf()
{
    emit verlaufGeaendert(zuege.kannZurueck(), zuege.kannVor());
}

// A turn is every side one player takes in a row: a side joins the last
// record when that player made it, and begins a new record otherwise.
void Partie::merkeSeite(bool vomMenschen, Seite *seite)
{
    Zug *zug = zuege.letzterZug();
    if (zug && zug->spieler == vomMenschen)
        zug->seiten.push_back(seite);
    else
        zuege.merke(Zug{vomMenschen, {seite}, {}});
    zeigeVerlauf();
    emit seiteGezogen(vomMenschen);
}

void Partie::zieheMensch(int zeile, int spalte, int richtung)
{
    if (!menschZieht || fertig || blinker.laeuft())
        return;
    if (zuege.verwirfWiederholung()) {
        zeigeVerlauf();
        emit wiederholungVerworfen();
    }
    Feld *feld = spielfeld.feld(zeile, spalte);
    if (!feld || feld->istGesperrt())
        return;
    Seite *seite = feld->seite(richtung);
    if (!seite->ziehe()) {
        blinker.starte(seite, true);
        return;
    }
    merkeSeite(true, seite);
    bool vollstaendig = false;
    for (Feld *f : {feld, feld->nachbar(richtung)}) {
        if (f && f->istGeschlossen()) {
            f->zeichneBesitzer(true);
            zuege.letzterZug()->felder.push_back(f);
            vollstaendig = true;
        }
    }
    if (!vollstaendig)
        setzeMenschAmZug(false);
}

void Partie::zieheComputer(const Computerspieler::Wahl &wahl)
{
    if (menschZieht || fertig || blinker.laeuft())
        return;
    Feld *gewaehlt = spielfeld.feld(wahl.feld->zeile(), wahl.feld->spalte());
    // The boxes are marked when the blink ends; they count as completed by
    // this side, the chosen box first.
    for (Feld *feld : {gewaehlt, gewaehlt->nachbar(wahl.richtung)}) {
        if (feld && feld->anzahlGeschlossen() == 3)
            neueFelder.push_back(feld);
    }
    Seite *seite = gewaehlt->seite(wahl.richtung);
    seite->ziehe();
    merkeSeite(false, seite);
    blinker.starte(seite, false);
}

void Partie::blinkVorbei()
{
    if (menschZieht)
        return;
    if (neueFelder.empty()) {
        setzeMenschAmZug(true);
        return;
    }
    for (Feld *feld : neueFelder) {
        feld->zeichneBesitzer(false);
        zuege.letzterZug()->felder.push_back(feld);
    }
    neueFelder.clear();
    if (!fertig)
        computerzug.weiter();
}

// Undo waits while the computer is still playing, but not once it has ended
// the game: then it takes back the computer's last turn and the human's
// before it, and the human is to move.
void Partie::rueckgaengig()
{
    if ((!menschZieht && !fertig) || !zuege.kannZurueck())
        return;
    nimmZurueck(zuege.zurueck());
}

void Partie::zurueckVor(std::size_t eintrag)
{
    if ((!menschZieht && !fertig) || eintrag >= zuege.alle().size() || !zuege.alle()[eintrag].spieler)
        return;
    // A turn taken back before is put back first, as redo would.
    while (zuege.anzahlAufDemBrett() <= eintrag && menschZieht && zuege.kannVor())
        wiederherstellen();
    if (eintrag < zuege.anzahlAufDemBrett())
        nimmZurueck(zuege.zurueckBis(eintrag));
}

void Partie::nimmZurueck(const std::vector<const Zug *> &genommen)
{
    // A refused side may still blink; it is shown as it is before the board
    // changes under it.
    blinker.beende();
    for (const Zug *zug : genommen) {
        for (Seite *seite : zug->seiten)
            seite->nimmZurueck();
        for (Feld *feld : zug->felder)
            feld->loescheBesitzer(zug->spieler);
    }
    setzeMenschAmZug(true);
    zeigeVerlauf();
}

bool Partie::kannAnalysieren() const
{
    const auto &alle = zuege.alle();
    const auto ende = alle.begin() + static_cast<std::ptrdiff_t>(zuege.anzahlAufDemBrett());
    return (menschZieht || fertig) && !blinker.laeuft()
        && std::any_of(alle.begin(), ende, [](const Zug &zug) { return zug.spieler; });
}

void Partie::wiederherstellen()
{
    if (!menschZieht || !zuege.kannVor())
        return;
    blinker.beende();
    for (const Zug *zug : zuege.vor()) {
        for (Seite *seite : zug->seiten)
            seite->ziehe();
        for (Feld *feld : zug->felder)
            feld->zeichneBesitzer(zug->spieler);
    }
    zeigeVerlauf();
}
