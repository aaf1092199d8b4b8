// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "spiellabel.h"

#include "computer/brettkopie.h"
#include "field/feld.h"
#include "field/geometrie.h"
#include "field/seite.h"
#include "field/zufallsform.h"
#include "savegame/spieldatei.h"
#include "savegame/spielstand.h"
#include "savegame/zustandscode.h"
#include "shell/mainwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

#include <algorithm>
#include <cstdlib>
#include <ctime>

using Geometrie::feldKante;

SpielLabel::SpielLabel(MainWindow *parent)
    : QLabel(parent), hauptfenster(parent), blinkTimer(this), computerTimer(this), denker(this), tippDenker(this),
      tippTimer(this)
{
    // The picture is drawn from its top-left corner, so that press positions
    // are picture coordinates whatever size the label is given.
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    neuesSpiel(0, true);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    blinkTimer.setSingleShot(true);
    blinkTimer.setInterval(100);
    computerTimer.setSingleShot(true);
    computerTimer.setInterval(300);
    connect(&blinkTimer, &QTimer::timeout, this, &SpielLabel::blinkeMitSeite);
    connect(&computerTimer, &QTimer::timeout, this, &SpielLabel::computerZug);
    connect(&denker, &Denker::geantwortet, this, &SpielLabel::meisterAntwort);
    // Three green steps and three back, about a second in all.
    tippTimer.setSingleShot(true);
    tippTimer.setInterval(170);
    connect(&tippDenker, &Denker::geantwortet, this, &SpielLabel::tippAntwort);
    connect(&tippTimer, &QTimer::timeout, this, &SpielLabel::tippBlink);
}

SpielLabel::~SpielLabel() = default;

void SpielLabel::neuesSpiel(int groesse, bool zufallsform)
{
    beendeTipp();
    blinkTimer.stop();
    computerTimer.stop();
    verwirfDenken();
    blinkSchritt = Blinkschritt::aus;
    neueFelder.clear();

    const int spalten = Spielfeld::spaltenFuer(groesse);
    const int zeilen = Spielfeld::zeilenFuer(groesse);
    anzahlFelder = spalten * zeilen;
    bildBreite = Geometrie::bildBreite(spalten);
    bildHoehe = Geometrie::bildHoehe(zeilen);
    resize(bildBreite, bildHoehe);

    // Painted in the board's own coordinates, the picture has as many pixels
    // as the screen shows for it, so that it stays sharp when scaled.
    const qreal dichte = devicePixelRatioF();
    spielBild = std::make_unique<QPixmap>(QSize(bildBreite, bildHoehe) * dichte);
    spielBild->setDevicePixelRatio(dichte);
    spielBild->fill(Qt::yellow);

    // Building a grid paints well over a thousand sides; the picture is
    // shown once, when the board is complete.
    bildSperre = true;
    spielfeld = Spielfeld(zeilen, spalten);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            Feld *links = c > 0 ? spielfeld.zeile(r)[c - 1] : nullptr;
            Feld *oben = r > 0 ? spielfeld.zeile(r - 1)[c] : nullptr;
            const QPoint ecke = Geometrie::ecke(r, c);
            spielfeld.zeile(r)[c] = new Feld(this, ecke.x(), ecke.y(), links, oben);
        }
    }
    if (zufallsform && groesse == 1)
        anzahlFelder -= Zufallsform::schneideMittel(spielfeld);
    else if (zufallsform && groesse == 2)
        anzahlFelder -= Zufallsform::schneideGross(spielfeld);
    bildSperre = false;
    zeigeBild();

    fertig = false;
    punkteComputer = 0;
    punkteMensch = 0;
    menschAmZug = menschStartet;
    zeigeStatus();

    verlauf.leere();
    zeigeAktionen();
    if (!menschAmZug)
        starteComputerZug();
}

void SpielLabel::setLevel(int level)
{
    beendeTipp();
    if (level == this->level)
        return;
    this->level = level;
    // A move still being thought over is made again at the new level.
    if (meisterFaellig || denker.denkt() || meisterRat) {
        verwirfDenken();
        starteComputerZug();
    }
}

void SpielLabel::setMenschStartet(bool menschStartet)
{
    this->menschStartet = menschStartet;
}

QPixmap *SpielLabel::bild()
{
    // Every painting ends by handing the picture back to the label before
    // the event loop runs again, so the label never shows it empty.
    if (spielBild && pixmap(Qt::ReturnByValue).cacheKey() == spielBild->cacheKey())
        setPixmap(QPixmap());
    return spielBild.get();
}

void SpielLabel::zeigeBild()
{
    if (!bildSperre)
        setPixmap(*spielBild);
}

void SpielLabel::menschPunkt(bool dazu)
{
    punkteMensch += dazu ? 1 : -1;
    zeigeStatus();
}

void SpielLabel::computerPunkt(bool dazu)
{
    punkteComputer += dazu ? 1 : -1;
    zeigeStatus();
}

void SpielLabel::zeigeStatus()
{
    fertig = punkteMensch + punkteComputer == anzahlFelder;
    hauptfenster->setzeStatusText(
        statuszeile(QString::number(punkteMensch), QString::number(punkteComputer), fertig, menschAmZug));
    zeigeTippAktion();
}

QString SpielLabel::statuszeile(const QString &mensch, const QString &computer, bool spielVorbei, bool menschZieht)
{
    QString text = QStringLiteral("Mensch: ") + mensch + QStringLiteral(", Computer: ") + computer;
    if (spielVorbei)
        text += QStringLiteral(", fertig");
    else if (menschZieht)
        text += QStringLiteral(", du bist dran");
    return text;
}

QString SpielLabel::tippMeldung(const QString &bekommt, const QString &offen)
{
    return QStringLiteral("Tipp: noch ") + bekommt + QStringLiteral(" von ") + offen + QStringLiteral(" Kästchen für dich");
}

void SpielLabel::merkeZug(Zug zug)
{
    verlauf.merke(std::move(zug));
    zeigeAktionen();
}

// The one place that enables or disables undo and redo: each is available
// exactly when the history has a step for it.
void SpielLabel::zeigeAktionen()
{
    hauptfenster->setzeRueckgaengigAktiv(verlauf.kannZurueck());
    hauptfenster->setzeWiederherstellenAktiv(verlauf.kannVor());
}

// A turn is every side one player takes in a row: a side joins the last
// record when that player made it, and begins a new record otherwise.
void SpielLabel::merkeSeite(bool mensch, Seite *seite)
{
    Zug *zug = verlauf.letzterZug();
    if (zug && zug->spieler == mensch)
        zug->seiten.push_back(seite);
    else
        merkeZug(Zug{mensch, {seite}, {}});
}

void SpielLabel::mousePressEvent(QMouseEvent *event)
{
    beendeTipp();
    if (!menschAmZug || event->button() != Qt::LeftButton)
        return;
    if (blinkSchritt != Blinkschritt::aus || fertig)
        return;
    if (verlauf.verwirfWiederholung())
        zeigeAktionen();

    const int x = event->x() - Geometrie::ursprungX;
    const int y = event->y() - Geometrie::ursprungY;
    const int spalte = x / feldKante;
    const int zeile = y / feldKante;
    // The last two pixel columns and rows of the picture lie beyond the
    // last box; such presses address nothing.
    Feld *feld = spielfeld.feld(zeile, spalte);
    if (!feld || feld->istGesperrt())
        return;

    int richtung = 0;
    if (!feld->zieheBei(x - feldKante * spalte, y - feldKante * zeile, &richtung)) {
        starteBlink(feld->seite(richtung), true);
        return;
    }

    merkeSeite(true, feld->seite(richtung));
    bool vollstaendig = false;
    for (Feld *f : {feld, feld->nachbar(richtung)}) {
        if (f && f->istGeschlossen()) {
            f->zeichneBesitzer(true);
            verlauf.letzterZug()->felder.push_back(f);
            vollstaendig = true;
        }
    }
    if (vollstaendig)
        return;

    menschAmZug = false;
    zeigeStatus();
    starteComputerZug();
}

void SpielLabel::starteBlink(Seite *seite, bool rot)
{
    letzteSeite = seite;
    blinkRot = rot;
    if (rot) {
        seite->markiere(true);
        blinkSchritt = Blinkschritt::zeigen;
    } else {
        blinkSchritt = Blinkschritt::markieren;
    }
    blinkTimer.start();
}

// A refused side may still blink when the human takes moves back or
// forward; it is shown as it is before the board changes under it.
void SpielLabel::beendeBlink()
{
    if (blinkSchritt == Blinkschritt::aus)
        return;
    blinkTimer.stop();
    blinkSchritt = Blinkschritt::aus;
    letzteSeite->zeigeWieder();
}

void SpielLabel::blinkeMitSeite()
{
    if (blinkSchritt == Blinkschritt::aus || !letzteSeite)
        return;
    if (blinkSchritt == Blinkschritt::markieren) {
        letzteSeite->markiere(blinkRot);
        blinkSchritt = Blinkschritt::zuletztZeigen;
    } else {
        letzteSeite->zeigeWieder();
        blinkSchritt = blinkSchritt == Blinkschritt::zeigen ? Blinkschritt::markieren : Blinkschritt::aus;
    }
    if (blinkSchritt != Blinkschritt::aus) {
        blinkTimer.start();
        return;
    }
    if (menschAmZug)
        return;

    if (neueFelder.empty()) {
        menschAmZug = true;
        zeigeStatus();
        return;
    }
    for (Feld *feld : neueFelder) {
        feld->zeichneBesitzer(false);
        verlauf.letzterZug()->felder.push_back(feld);
    }
    neueFelder.clear();
    if (!fertig)
        starteComputerZug();
}

// Whatever gives the computer its turn starts the delay here; the Meister
// starts thinking at once, so that its time overlaps the delay.
void SpielLabel::starteComputerZug()
{
    computerTimer.start();
    if (level == Meister::level && !denker.denkt() && !meisterRat)
        denker.denke(Brettkopie::kopiere(spielfeld));
}

void SpielLabel::verwirfDenken()
{
    denker.verwirf();
    meisterRat.reset();
    meisterFaellig = false;
}

void SpielLabel::computerZug()
{
    if (menschAmZug || fertig || blinkSchritt != Blinkschritt::aus)
        return;
    if (level != Meister::level) {
        zieheFuerComputer(computerspieler.waehle(spielfeld, level));
        return;
    }
    if (!meisterRat) {
        meisterFaellig = true;
        if (!denker.denkt())
            denker.denke(Brettkopie::kopiere(spielfeld));
        return;
    }
    const Meister::Rat rat = *meisterRat;
    meisterRat.reset();
    zieheFuerComputer(Brettkopie::wahl(spielfeld, rat.seite));
}

void SpielLabel::meisterAntwort(const Meister::Rat &rat)
{
    meisterRat = rat;
    if (meisterFaellig) {
        meisterFaellig = false;
        computerZug();
    }
}

void SpielLabel::zieheFuerComputer(const Computerspieler::Wahl &wahl)
{
    if (!wahl.feld) {
        // Nothing is left to take, although the game is not over: give the
        // turn back rather than record a move that was never made.
        menschAmZug = true;
        zeigeStatus();
        return;
    }
    Feld *gewaehlt = spielfeld.feld(wahl.feld->zeile(), wahl.feld->spalte());
    // The boxes are marked when the blink ends; they count as completed
    // by this side, the chosen box first.
    for (Feld *feld : {gewaehlt, gewaehlt->nachbar(wahl.richtung)}) {
        if (feld && feld->anzahlGeschlossen() == 3)
            neueFelder.push_back(feld);
    }
    gewaehlt->zieheSeite(wahl.richtung);
    merkeSeite(false, gewaehlt->seite(wahl.richtung));
    starteBlink(gewaehlt->seite(wahl.richtung), false);
}

void SpielLabel::rueckgaengig()
{
    // Undo waits while the computer is still playing, but not once it has
    // ended the game: then it takes back the computer's last turn and the
    // human's before it, and the human is to move.
    if ((!menschAmZug && !fertig) || !verlauf.kannZurueck())
        return;
    beendeTipp();
    beendeBlink();
    for (const Zug *zug : verlauf.zurueck()) {
        for (Seite *seite : zug->seiten)
            seite->nimmZurueck();
        for (Feld *feld : zug->felder)
            feld->loescheBesitzer(zug->spieler);
    }
    menschAmZug = true;
    zeigeStatus();
    zeigeAktionen();
}

void SpielLabel::wiederherstellen()
{
    if (!menschAmZug || !verlauf.kannVor())
        return;
    beendeTipp();
    beendeBlink();
    for (const Zug *zug : verlauf.vor()) {
        for (Seite *seite : zug->seiten)
            seite->ziehe();
        for (Feld *feld : zug->felder)
            feld->zeichneBesitzer(zug->spieler);
    }
    zeigeAktionen();
}

void SpielLabel::tipp()
{
    if (!menschAmZug || fertig || tippLaeuft)
        return;
    tippLaeuft = true;
    zeigeTippAktion();
    tippDenker.denke(Brettkopie::kopiere(spielfeld));
}

void SpielLabel::zeigeTippAktion()
{
    hauptfenster->setzeTippAktiv(menschAmZug && !fertig && !tippLaeuft);
}

void SpielLabel::tippAntwort(const Meister::Rat &rat)
{
    const Computerspieler::Wahl wahl = Brettkopie::wahl(spielfeld, rat.seite);
    if (!wahl.feld) {
        beendeTipp();
        return;
    }
    tippSeite = spielfeld.feld(wahl.feld->zeile(), wahl.feld->spalte())->seite(wahl.richtung);
    // Near the frame a line's pixels reach past the picture's edge; only
    // those inside it can be kept and put back at the same place.
    tippBereich = tippSeite->bereich().intersected(QRect(0, 0, bildBreite, bildHoehe));
    const qreal dichte = spielBild->devicePixelRatio();
    tippUnterlage = spielBild->copy(QRect(tippBereich.topLeft() * dichte, tippBereich.size() * dichte));
    tippUnterlage.setDevicePixelRatio(dichte);
    tippSchritt = 0;
    tippBlink();
    if (rat.exakt) {
        const int offen = anzahlFelder - punkteMensch - punkteComputer;
        hauptfenster->zeigeTippMeldung(tippMeldung(QString::number((offen + rat.wert) / 2), QString::number(offen)));
        tippMeldungGezeigt = true;
    }
}

void SpielLabel::tippBlink()
{
    if (tippSchritt % 2 == 0)
        tippSeite->zeichne(Qt::green, 2);
    else
        zeigeTippUnterlage();
    if (++tippSchritt < 6) {
        tippTimer.start();
        return;
    }
    tippSeite = nullptr;
    tippLaeuft = false;
    zeigeTippAktion();
}

// The side is shown as it was by putting back the pixels beneath it, which
// also restores the dots and the lines that meet it, whatever their order.
void SpielLabel::zeigeTippUnterlage()
{
    {
        QPainter maler(bild());
        maler.setCompositionMode(QPainter::CompositionMode_Source);
        maler.drawPixmap(tippBereich.topLeft(), tippUnterlage);
    }
    zeigeBild();
}

// A hint ends early whenever the game moves on or the player acts: its
// answer is dropped, the side looks as before and its message goes.
void SpielLabel::beendeTipp()
{
    tippDenker.verwirf();
    tippTimer.stop();
    if (tippSeite && tippSchritt % 2 == 1)
        zeigeTippUnterlage();
    tippSeite = nullptr;
    if (tippMeldungGezeigt)
        hauptfenster->zeigeTippMeldung(QString());
    tippMeldungGezeigt = false;
    if (tippLaeuft) {
        tippLaeuft = false;
        zeigeTippAktion();
    }
}

void SpielLabel::speichern(int groesse, bool speichernUnter)
{
    if (speichernUnter || dateiName.isEmpty()) {
        QString titel = QStringLiteral("Spiel speichern");
        if (speichernUnter)
            titel += QStringLiteral(" unter ...");
        const QString start = dateiName.isEmpty() ? QDir::homePath() : dateiName;
        dateiName = QFileDialog::getSaveFileName(this, titel, start, dateiFilter);
        if (dateiName.isEmpty())
            return;
    }
    if (!schreibeDatei(dateiName, groesse)) {
        warnung(QStringLiteral("Die Datei kann nicht gespeichert werden."));
        return;
    }
    hauptfenster->zeigeMeldung(QStringLiteral("Datei gespeichert"));
}

bool SpielLabel::schreibeDatei(const QString &name, int groesse) const
{
    return Spieldatei::schreibe(name, Spielstand::schreibe(groesse, level, menschAmZug, spielfeld));
}

void SpielLabel::oeffnen()
{
    const QString start = dateiName.isEmpty() ? QDir::homePath() : dateiName;
    const QString name = QFileDialog::getOpenFileName(this, QStringLiteral("Spiel öffnen"), start, dateiFilter);
    if (name.isEmpty()) {
        dateiName.clear();
        return;
    }
    if (!ladeDatei(name))
        warnung(QStringLiteral("Die Datei kann nicht geöffnet werden."));
}

bool SpielLabel::ladeDatei(const QString &name)
{
    const std::optional<Spielstand> stand = Spieldatei::lies(name);
    if (!stand)
        return false;
    ladeSpielstand(*stand);
    dateiName = name;
    return true;
}

void SpielLabel::ladeSpielstand(const Spielstand &stand)
{
    beendeTipp();
    hauptfenster->setzeGroesse(stand.groesse(), false, true);
    hauptfenster->setzeLevel(stand.level());
    menschAmZug = stand.menschAmZug();
    // Every restored side and symbol paints itself; the board is shown once
    // it is complete, as after building a new grid. The holes come first, as
    // on a new board, so that a side taken beside a hole is drawn over the
    // hole's gray edge rather than under it.
    bildSperre = true;
    for (const bool loecher : {true, false}) {
        int index = 0;
        for (Feld *feld : spielfeld) {
            const char code = stand.felder().at(index++);
            if (((code & Zustandscode::gesperrt) != 0) == loecher)
                feld->setzeZustand(code);
        }
    }
    bildSperre = false;
    zeigeBild();
    anzahlFelder = static_cast<int>(
        std::count_if(spielfeld.begin(), spielfeld.end(), [](const Feld *feld) { return !feld->istGesperrt(); }));
    zeigeStatus();
    verwirfDenken();
    if (!menschAmZug && !fertig)
        starteComputerZug();
    else
        computerTimer.stop();
}

void SpielLabel::warnung(const QString &text)
{
    QMessageBox::warning(this, QStringLiteral("Fehler"), text, QMessageBox::Ok);
}
