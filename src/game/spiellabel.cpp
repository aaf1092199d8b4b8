#include "spiellabel.h"

#include "field/feld.h"
#include "field/seite.h"
#include "field/zufallsform.h"
#include "savegame/spielstand.h"
#include "shell/mainwindow.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPixmap>
#include <QSaveFile>

#include <algorithm>
#include <cstdlib>
#include <ctime>
#include <iterator>

namespace {
constexpr int feldGroesse = 40;
}

SpielLabel::SpielLabel(MainWindow *parent)
    : QLabel(parent), hauptfenster(parent), blinkTimer(this), computerTimer(this), verlaufPos(verlauf.end())
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
}

SpielLabel::~SpielLabel() = default;

void SpielLabel::neuesSpiel(int groesse, bool zufallsform)
{
    blinkTimer.stop();
    computerTimer.stop();
    blinkZaehler = 0;
    neueFelder.clear();

    const int spalten = Spielfeld::spaltenFuer(groesse);
    const int zeilen = Spielfeld::zeilenFuer(groesse);
    anzahlFelder = spalten * zeilen;
    bildBreite = feldGroesse * spalten + 3;
    bildHoehe = feldGroesse * zeilen + 4;
    resize(bildBreite, bildHoehe);

    spielBild = std::make_unique<QPixmap>(bildBreite, bildHoehe);
    spielBild->fill(Qt::yellow);

    // Building a grid paints well over a thousand sides; the picture is
    // shown once, when the board is complete.
    bildSperre = true;
    spielfeld = Spielfeld(zeilen, spalten);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            Feld *links = c > 0 ? spielfeld.zeile(r)[c - 1] : nullptr;
            Feld *oben = r > 0 ? spielfeld.zeile(r - 1)[c] : nullptr;
            spielfeld.zeile(r)[c] = new Feld(this, 1 + feldGroesse * c, 2 + feldGroesse * r, links, oben);
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

    verlauf.clear();
    verlaufPos = verlauf.end();
    if (hauptfenster) {
        hauptfenster->setzeRueckgaengigAktiv(false);
        hauptfenster->setzeWiederherstellenAktiv(false);
    }
    if (!menschAmZug)
        computerTimer.start();
}

void SpielLabel::setLevel(int level)
{
    this->level = level;
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

const QPixmap *SpielLabel::bild() const
{
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
    QString text = QStringLiteral("Mensch: ") + QString::number(punkteMensch) + QStringLiteral(", Computer: ")
        + QString::number(punkteComputer);
    if (fertig)
        text += QStringLiteral(", fertig");
    else if (menschAmZug)
        text += QStringLiteral(", du bist dran");
    if (hauptfenster)
        hauptfenster->setzeStatusText(text);
}

void SpielLabel::merkeZug(Zug zug)
{
    verlauf.push_back(std::move(zug));
    verlaufPos = std::prev(verlauf.end());
    if (hauptfenster)
        hauptfenster->setzeRueckgaengigAktiv(true);
}

int SpielLabel::zuegeAufDemBrett() const
{
    if (verlaufPos == verlauf.end())
        return 0;
    return static_cast<int>(std::distance(verlauf.begin(), std::list<Zug>::const_iterator(verlaufPos))) + 1;
}

Zug *SpielLabel::zugAufDemBrett()
{
    return verlaufPos == verlauf.end() ? nullptr : &*verlaufPos;
}

bool SpielLabel::verlaufHatRedo() const
{
    if (verlauf.empty())
        return false;
    return verlaufPos == verlauf.end() || std::next(verlaufPos) != verlauf.end();
}

void SpielLabel::verwirfRedo()
{
    if (!verlaufHatRedo())
        return;
    if (hauptfenster)
        hauptfenster->setzeWiederherstellenAktiv(false);
    const auto erster = verlaufPos == verlauf.end() ? verlauf.begin() : std::next(verlaufPos);
    verlauf.erase(erster, verlauf.end());
    verlaufPos = verlauf.empty() ? verlauf.end() : std::prev(verlauf.end());
}

void SpielLabel::mousePressEvent(QMouseEvent *event)
{
    if (!menschAmZug || event->button() != Qt::LeftButton)
        return;
    if (blinkZaehler != 0 || fertig)
        return;
    verwirfRedo();

    const int x = event->x() - 1;
    const int y = event->y() - 2;
    const int spalte = x / feldGroesse;
    const int zeile = y / feldGroesse;
    // The last two pixel columns and rows of the picture lie beyond the
    // last box; such presses address nothing.
    if (!spielfeld.enthaelt(zeile, spalte))
        return;
    Feld *feld = spielfeld.zeile(zeile)[spalte];
    if (feld->istGesperrt())
        return;

    int richtung = 0;
    if (!feld->zieheBei(x - feldGroesse * spalte, y - feldGroesse * zeile, &richtung)) {
        starteBlink(feld->seite(richtung), true);
        return;
    }

    Seite *seite = feld->seite(richtung);
    Zug *zug = zugAufDemBrett();
    if (zug && zug->spieler) {
        zug->seiten.push_back(seite);
    } else {
        merkeZug(Zug{true, {seite}, {}});
        zug = zugAufDemBrett();
    }

    bool vollstaendig = false;
    if (feld->istGeschlossen()) {
        feld->zeichneBesitzer(true);
        zug->felder.push_back(feld);
        vollstaendig = true;
    }
    Feld *gegenueber = feld->nachbar(richtung);
    if (gegenueber && gegenueber->istGeschlossen()) {
        gegenueber->zeichneBesitzer(true);
        zug->felder.push_back(gegenueber);
        vollstaendig = true;
    }
    if (vollstaendig)
        return;

    menschAmZug = false;
    zeigeStatus();
    computerTimer.start();
}

void SpielLabel::starteBlink(Seite *seite, bool rot)
{
    letzteSeite = seite;
    blinkRot = rot;
    if (rot) {
        seite->markiere(true);
        blinkZaehler = 1;
    } else {
        blinkZaehler = 2;
    }
    blinkTimer.start();
}

void SpielLabel::blinkeMitSeite()
{
    if (blinkZaehler == 0 || !letzteSeite)
        return;
    if (blinkZaehler % 2 == 1)
        letzteSeite->zeichneNeu();
    else
        letzteSeite->markiere(blinkRot);
    if (++blinkZaehler != 4) {
        blinkTimer.start();
        return;
    }
    blinkZaehler = 0;
    if (menschAmZug)
        return;

    if (neueFelder.empty()) {
        menschAmZug = true;
        zeigeStatus();
        return;
    }
    Zug *zug = zugAufDemBrett();
    for (Feld *feld : neueFelder) {
        feld->zeichneBesitzer(false);
        if (zug)
            zug->felder.push_back(feld);
    }
    neueFelder.clear();
    if (!fertig)
        computerTimer.start();
}

void SpielLabel::computerZug()
{
    if (menschAmZug || fertig || blinkZaehler != 0)
        return;
    letzteSeite = computerspieler.zieheSeite(spielfeld, level, neueFelder);
    if (!letzteSeite) {
        // Nothing is left to take, although the game is not over: give the
        // turn back rather than record a move that was never made.
        menschAmZug = true;
        zeigeStatus();
        return;
    }
    Zug *zug = zugAufDemBrett();
    if (zug && !zug->spieler)
        zug->seiten.push_back(letzteSeite);
    else
        merkeZug(Zug{false, {letzteSeite}, {}});
    starteBlink(letzteSeite, false);
}

void SpielLabel::rueckgaengig()
{
    // With nothing on the board there is nothing to take back, and enabling
    // redo would offer a step that does not exist.
    if (!menschAmZug || verlaufPos == verlauf.end())
        return;
    if (hauptfenster)
        hauptfenster->setzeWiederherstellenAktiv(true);
    for (int i = 0; i < 2 && verlaufPos != verlauf.end(); ++i) {
        const Zug &zug = *verlaufPos;
        for (Seite *seite : zug.seiten)
            seite->nimmZurueck();
        for (Feld *feld : zug.felder)
            feld->loescheBesitzer(zug.spieler);
        verlaufPos = verlaufPos == verlauf.begin() ? verlauf.end() : std::prev(verlaufPos);
    }
    if (verlaufPos == verlauf.end() && hauptfenster)
        hauptfenster->setzeRueckgaengigAktiv(false);
}

void SpielLabel::wiederherstellen()
{
    if (!menschAmZug || !verlaufHatRedo())
        return;
    if (hauptfenster)
        hauptfenster->setzeRueckgaengigAktiv(true);
    for (int i = 0; i < 2 && verlaufHatRedo(); ++i) {
        verlaufPos = verlaufPos == verlauf.end() ? verlauf.begin() : std::next(verlaufPos);
        const Zug &zug = *verlaufPos;
        for (Seite *seite : zug.seiten)
            seite->ziehe();
        for (Feld *feld : zug.felder)
            feld->zeichneBesitzer(zug.spieler);
    }
    if (!verlaufHatRedo() && hauptfenster)
        hauptfenster->setzeWiederherstellenAktiv(false);
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
    if (hauptfenster)
        hauptfenster->zeigeMeldung(QStringLiteral("Datei gespeichert"));
}

bool SpielLabel::schreibeDatei(const QString &name, int groesse) const
{
    const QByteArray daten = Spielstand::schreibe(groesse, level, menschAmZug, spielfeld);
    // Unbuffered, so that a failing write shows in write() itself and never
    // only in a final flush that commit() would not report. The old file is
    // replaced only by a completely written new one.
    QSaveFile datei(name);
    if (!datei.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return false;
    if (datei.write(daten) != daten.size() || !datei.flush()) {
        datei.cancelWriting();
        return false;
    }
    return datei.commit();
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
    QFile datei(name);
    if (!datei.open(QIODevice::ReadOnly))
        return false;
    // Bytes after the last box are never used, so even a huge file costs no
    // more than the largest board.
    if (!ladeSpielstand(datei.read(Spielstand::groessteLaenge())))
        return false;
    dateiName = name;
    return true;
}

bool SpielLabel::ladeSpielstand(const QByteArray &daten)
{
    const std::optional<Spielstand> stand = Spielstand::lies(daten);
    if (!stand)
        return false;

    if (hauptfenster) {
        hauptfenster->setzeGroesse(stand->groesse(), false, true);
        hauptfenster->setzeLevel(stand->level());
    } else {
        neuesSpiel(stand->groesse(), false);
        setLevel(stand->level());
    }
    menschAmZug = stand->menschAmZug();
    // Every restored side and symbol paints itself; the board is shown once
    // it is complete, as after building a new grid.
    bildSperre = true;
    int index = 0;
    for (Feld *feld : spielfeld)
        feld->setzeZustand(stand->felder().at(index++));
    bildSperre = false;
    zeigeBild();
    anzahlFelder = static_cast<int>(
        std::count_if(spielfeld.begin(), spielfeld.end(), [](const Feld *feld) { return !feld->istGesperrt(); }));
    zeigeStatus();
    if (!menschAmZug && !fertig)
        computerTimer.start();
    else
        computerTimer.stop();
    return true;
}

void SpielLabel::warnung(const QString &text)
{
    QMessageBox::warning(this, QStringLiteral("Fehler"), text, QMessageBox::Ok);
}
