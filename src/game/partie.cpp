// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "partie.h"

#include "model/zufallsform.h"
#include "savegame/spielstand.h"

#include <algorithm>
#include <cstdlib>
#include <ctime>

Partie::Partie(QObject *parent)
    : QObject(parent), computerzug(brett, this), blinker(this)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    connect(&computerzug, &Computerzug::gewaehlt, this, &Partie::zieheComputer);
    connect(&blinker, &Blinker::fertig, this, &Partie::blinkVorbei);
    connect(&blinker, &Blinker::hervorheben, this, &Partie::hervorheben);
}

Partie::~Partie() = default;

void Partie::neuesSpiel(int groesse, bool zufallsform)
{
    brettGroesse = groesse;
    Stellung neu(Gitter::fuerGroesse(groesse));
    if (zufallsform && groesse == Gitter::mittel)
        Zufallsform::schneideMittel(neu);
    else if (zufallsform && groesse == Gitter::gross)
        Zufallsform::schneideGross(neu);
    neu.setzeMenschAmZug(menschStartet);
    beginne(neu);
}

void Partie::lade(const Spielstand &stand)
{
    brettGroesse = stand.groesse();
    computerzug.setzeLevel(stand.level());
    beginne(stand.stellung());
}

void Partie::stelleAuf(const Stellung &stellung)
{
    beginne(stellung);
}

void Partie::beginne(const Stellung &stellung)
{
    computerzug.verwirf();
    blinker.vergiss();
    neueFelder.clear();
    zuege.leere();
    brett = stellung;
    warFertig = brett.istFertig();
    emit neuesBrett();
    setzeMenschAmZug(brett.menschAmZug());
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
    brett.setzeMenschAmZug(amZug);
    zeigeStatus();
    emit zugGewechselt(amZug);
    if (!amZug && !istFertig())
        computerzug.starte();
}

void Partie::zeigeStatus()
{
    emit statusGeaendert(statuszeile());
    const bool fertig = istFertig();
    const bool geradeVorbei = fertig && !warFertig;
    warFertig = fertig;
    if (geradeVorbei)
        emit spielVorbei();
}

QString Partie::statuszeile() const
{
    return statuszeile(QString::number(punkteMensch()), QString::number(punkteComputer()), istFertig(), menschAmZug());
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

void Partie::ziehe(bool mensch, int seite)
{
    brett.ziehe(seite);
    emit seiteGeaendert(seite);
    merkeSeite(mensch, seite);
}

// A turn is every side one player draws in a row: a side joins the last
// record when that player drew it, and begins a new record otherwise.
void Partie::merkeSeite(bool vomMenschen, int seite)
{
    Zug *zug = zuege.letzterZug();
    if (zug && zug->spieler == vomMenschen)
        zug->seiten.push_back(seite);
    else
        zuege.merke(Zug{vomMenschen, {seite}, {}});
    zeigeVerlauf();
    emit seiteGezogen(vomMenschen);
}

void Partie::gibBesitzer(int platz, bool mensch)
{
    brett.setzeBesitzer(platz, mensch ? Stellung::Besitzer::mensch : Stellung::Besitzer::computer);
    zuege.letzterZug()->felder.push_back(platz);
    emit feldGeaendert(platz);
    zeigeStatus();
    emit feldGeschlossen(mensch);
}

void Partie::zieheMensch(int zeile, int spalte, int richtung)
{
    if (!menschAmZug() || istFertig() || blinker.laeuft())
        return;
    if (zuege.verwirfWiederholung()) {
        zeigeVerlauf();
        emit wiederholungVerworfen();
    }
    const Gitter &gitter = brett.gitter();
    if (!gitter.enthaelt(zeile, spalte) || brett.istGesperrt(gitter.platz(zeile, spalte)))
        return;
    const int seite = gitter.seite(zeile, spalte, richtung);
    if (!brett.istFrei(seite)) {
        blinker.starte(seite, true);
        return;
    }
    const std::vector<int> felder = brett.vervollstaendigt(seite, gitter.platz(zeile, spalte));
    ziehe(true, seite);
    for (const int platz : felder)
        gibBesitzer(platz, true);
    if (felder.empty())
        setzeMenschAmZug(false);
}

void Partie::zieheComputer(int seite)
{
    if (menschAmZug() || istFertig() || blinker.laeuft())
        return;
    // The boxes are marked when the blink ends.
    neueFelder = brett.vervollstaendigt(seite);
    ziehe(false, seite);
    blinker.starte(seite, false);
}

void Partie::blinkVorbei()
{
    if (menschAmZug())
        return;
    if (neueFelder.empty()) {
        setzeMenschAmZug(true);
        return;
    }
    const std::vector<int> felder = std::move(neueFelder);
    neueFelder.clear();
    for (const int platz : felder)
        gibBesitzer(platz, false);
    if (!istFertig())
        computerzug.weiter();
}

// Undo waits while the computer is still playing, but not once it has ended
// the game: then it takes back the computer's last turn and the human's
// before it, and the human is to move.
void Partie::rueckgaengig()
{
    if ((!menschAmZug() && !istFertig()) || !zuege.kannZurueck())
        return;
    nimmZurueck(zuege.zurueck());
}

void Partie::zurueckVor(std::size_t eintrag)
{
    if ((!menschAmZug() && !istFertig()) || eintrag >= zuege.alle().size() || !zuege.alle()[eintrag].spieler)
        return;
    // A turn taken back before is put back first, as redo would.
    while (zuege.anzahlAufDemBrett() <= eintrag && menschAmZug() && zuege.kannVor())
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
        for (const int seite : zug->seiten) {
            brett.gibFrei(seite);
            emit seiteGeaendert(seite);
        }
        for (const int platz : zug->felder) {
            brett.setzeBesitzer(platz, Stellung::Besitzer::niemand);
            emit feldGeaendert(platz);
        }
    }
    setzeMenschAmZug(true);
    zeigeVerlauf();
}

bool Partie::kannAnalysieren() const
{
    const auto &alle = zuege.alle();
    const auto ende = alle.begin() + static_cast<std::ptrdiff_t>(zuege.anzahlAufDemBrett());
    return (menschAmZug() || istFertig()) && !blinker.laeuft()
        && std::any_of(alle.begin(), ende, [](const Zug &zug) { return zug.spieler; });
}

void Partie::wiederherstellen()
{
    if (!menschAmZug() || !zuege.kannVor())
        return;
    blinker.beende();
    for (const Zug *zug : zuege.vor()) {
        for (const int seite : zug->seiten) {
            brett.ziehe(seite);
            emit seiteGeaendert(seite);
        }
        for (const int platz : zug->felder) {
            brett.setzeBesitzer(platz, zug->spieler ? Stellung::Besitzer::mensch : Stellung::Besitzer::computer);
            emit feldGeaendert(platz);
        }
    }
    zeigeStatus();
    zeigeVerlauf();
}
