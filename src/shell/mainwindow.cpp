// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"

#include "analysedialog.h"
#include "desktoptasten.h"
#include "endmeldung.h"
#include "hilfe.h"
#include "statusbreite.h"
#include "zuegigspielen.h"
#include "game/analyse.h"
#include "game/spiellabel.h"
#include "savegame/spieldatei.h"
#include "savegame/spielstand.h"
#include "ui_mainwindow.h"

#include <QDir>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QProgressDialog>
#include <QMenuBar>
#include <QStatusBar>

#include <algorithm>

const QString dateiFilter = QString::fromUtf8("Punktfeld (*.pf)");

namespace {
constexpr int tippMeldungDauer = 5000;
}

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), ui(new Ui::MainWindow)
{
    ui->setupUi(this);
    ergaenzeDesktoptasten(*ui, this);
    tippMeldungTimer.setSingleShot(true);
    tippMeldungTimer.setInterval(tippMeldungDauer);
    connect(&tippMeldungTimer, &QTimer::timeout, this, [this] { statusLabel.setText(statusText); });
    spielLabel = new SpielLabel(this);
    analyse = new Analyse(spielLabel->partie(), this);
    // Connected before the first game, whose status line and undo and redo
    // states the window shows from the start.
    verbindeSpiel();
    verbindeAnalyse();
    spielLabel->neuesSpiel(groesse, true);
    // Beside the status line, which the first game has put in the bar.
    endmeldung = new Endmeldung(spielLabel->partie(), ui->statusBar);
    ui->statusBar->addWidget(endmeldung, 0);
    new Hilfe(ui->actionSpielregeln, ui->actionUeber, spielLabel, this);
    verbindeZuegigSpielen(ui->actionZuegig, spielLabel->partie());
    passeFenstergroesseAn();
    setCentralWidget(spielLabel);
    // The board has the keyboard from the start, so that a game can be
    // played without the mouse.
    spielLabel->setFocus();
    fettFont.setWeight(QFont::Bold);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::verbindeSpiel()
{
    const Partie &partie = spielLabel->partie();
    connect(&partie, &Partie::statusGeaendert, this, &MainWindow::setzeStatusText);
    connect(&partie, &Partie::verlaufGeaendert, this, [this](bool kannZurueck, bool kannVor) {
        setzeRueckgaengigAktiv(kannZurueck);
        setzeWiederherstellenAktiv(kannVor);
    });
    const Tipp &tipp = spielLabel->hinweis();
    connect(&tipp, &Tipp::verfuegbarGeaendert, this, &MainWindow::setzeTippAktiv);
    connect(&tipp, &Tipp::meldung, this, &MainWindow::zeigeTippMeldung);
}

// A review runs while the window stays live. Whatever changes the game
// drops it; a new or opened game also closes the review shown, and so does
// a move that drops the turns a chosen row went back over.
void MainWindow::verbindeAnalyse()
{
    const Partie &partie = spielLabel->partie();
    connect(&partie, &Partie::statusGeaendert, this, &MainWindow::zeigeAnalyseAktiv);
    connect(&partie, &Partie::verlaufGeaendert, this, [this] {
        beendeAnalyse();
        zeigeAnalyseAktiv();
    });
    const auto schliesseDialog = [this] {
        beendeAnalyse();
        if (analyseDialog)
            analyseDialog->close();
    };
    connect(&partie, &Partie::neuesBrett, this, schliesseDialog);
    connect(&partie, &Partie::wiederholungVerworfen, this, schliesseDialog);
    connect(analyse, &Analyse::fortschritt, this, [this](int fertig) {
        if (analyseFortschritt)
            analyseFortschritt->setValue(fertig);
    });
    connect(analyse, &Analyse::fertig, this, [this](const Analyse::Ergebnis &ergebnis) {
        if (analyseFortschritt)
            analyseFortschritt->close();
        if (analyseDialog)
            analyseDialog->close();
        analyseDialog = new AnalyseDialog(ergebnis, this);
        analyseDialog->setAttribute(Qt::WA_DeleteOnClose);
        connect(analyseDialog, &AnalyseDialog::zugGewaehlt, spielLabel, &SpielLabel::zurueckVor);
        analyseDialog->zeigeNeben(*this);
        zeigeAnalyseAktiv();
    });
}

void MainWindow::zeigeAnalyseAktiv()
{
    ui->actionAnalyse->setEnabled(spielLabel->partie().kannAnalysieren() && !analyse->laeuft());
}

void MainWindow::beendeAnalyse()
{
    if (!analyse->laeuft())
        return;
    analyse->brichAb();
    if (analyseFortschritt)
        analyseFortschritt->close();
    zeigeAnalyseAktiv();
}

void MainWindow::on_actionAnalyse_triggered()
{
    if (analyse->laeuft() || !analyse->starte())
        return;
    analyseFortschritt = new QProgressDialog(tr("Analyse läuft …"), tr("Abbrechen"), 0, analyse->stellungen(), this);
    analyseFortschritt->setAttribute(Qt::WA_DeleteOnClose);
    analyseFortschritt->setWindowTitle(tr("Analyse"));
    analyseFortschritt->setMinimumDuration(0);
    analyseFortschritt->setAutoClose(false);
    analyseFortschritt->setAutoReset(false);
    connect(analyseFortschritt, &QProgressDialog::canceled, this, &MainWindow::beendeAnalyse);
    analyseFortschritt->show();
    zeigeAnalyseAktiv();
}

void MainWindow::setzeStatusText(const QString &text)
{
    statusText = text;
    if (!tippMeldungTimer.isActive())
        statusLabel.setText(text);
    if (statusLabel.parentWidget() != ui->statusBar)
        ui->statusBar->addWidget(&statusLabel, 0);
}

void MainWindow::zeigeMeldung(const QString &text, int dauer)
{
    ui->statusBar->showMessage(text, dauer);
}

void MainWindow::zeigeTippMeldung(const QString &text)
{
    if (text.isEmpty()) {
        tippMeldungTimer.stop();
        statusLabel.setText(statusText);
        return;
    }
    statusLabel.setText(text);
    tippMeldungTimer.start();
}

void MainWindow::setzeRueckgaengigAktiv(bool aktiv)
{
    ui->actionRueckgaengig->setEnabled(aktiv);
}

void MainWindow::setzeWiederherstellenAktiv(bool aktiv)
{
    ui->actionWiederherstellen->setEnabled(aktiv);
}

void MainWindow::setzeTippAktiv(bool aktiv)
{
    ui->actionTipp->setEnabled(aktiv);
}

void MainWindow::passeFenstergroesseAn()
{
    // The bars get exactly their own heights, so that the board widget opens
    // exactly as high as the picture at its natural size. The window is as
    // wide as the picture, or wider where the longest status line the board
    // allows needs it. A hint's message is a little shorter than that line,
    // so it fits too. The player may make the window larger or smaller; the
    // board is painted for the size it gets.
    const QSize bild = spielLabel->grundgroesse();
    const int breite = std::max(bild.width(), breitesteStatuszeile());
    const int menueHoehe = ui->menuBar->heightForWidth(breite);
    const int balken = (menueHoehe > 0 ? menueHoehe : ui->menuBar->sizeHint().height())
        + ui->statusBar->sizeHint().height();
    if (isMaximized() || isFullScreen())
        return;
    // The smallest window the new board allows, before the window is made
    // smaller than the last board's smallest.
    layout()->invalidate();
    layout()->activate();
    resize(breite, bild.height() + balken);
}

int MainWindow::breitesteStatuszeile()
{
    const int stellen = QString::number(spielLabel->stellung().gitter().feldAnzahl()).size();
    return Statusbreite::breitesteZeile(*ui->statusBar, statusLabel, *endmeldung, stellen);
}

void MainWindow::setzeGroesse(int groesse, bool zufallsform, bool erzwingen)
{
    if (!erzwingen && groesse == this->groesse)
        return;
    markiereGroesse(groesse);
    spielLabel->neuesSpiel(groesse, zufallsform);
    passeFenstergroesseAn();
}

void MainWindow::markiereGroesse(int groesse)
{
    this->groesse = groesse;
    QAction *gewaehlt = groesse == 0 ? ui->actionKlein : groesse == 1 ? ui->actionMittel : ui->actionGross;
    markiere({ui->actionKlein, ui->actionMittel, ui->actionGross}, gewaehlt);
}

void MainWindow::setzeLevel(int level)
{
    markiereLevel(level);
    spielLabel->setLevel(level);
}

void MainWindow::markiereLevel(int level)
{
    // Levels outside 2 to 6 mark level 1.
    const std::initializer_list<QAction *> stufen{ui->actionLevel1, ui->actionLevel2, ui->actionLevel3,
                                                  ui->actionLevel4, ui->actionLevel5, ui->actionLevel6};
    markiere(stufen, stufen.begin()[level >= 2 && level <= 6 ? level - 1 : 0]);
}

void MainWindow::markiere(std::initializer_list<QAction *> gruppe, const QAction *gewaehlt)
{
    for (QAction *eintrag : gruppe)
        eintrag->setFont(eintrag == gewaehlt ? fettFont : normalFont);
}

void MainWindow::on_actionNeues_Spiel_triggered()
{
    spielLabel->neuesSpiel(groesse, true);
}

void MainWindow::on_actionKlein_triggered()
{
    setzeGroesse(0, true, false);
}

void MainWindow::on_actionMittel_triggered()
{
    setzeGroesse(1, true, false);
}

void MainWindow::on_actionGross_triggered()
{
    setzeGroesse(2, true, false);
}

void MainWindow::on_actionLevel6_triggered()
{
    setzeLevel(6);
}

void MainWindow::on_actionLevel5_triggered()
{
    setzeLevel(5);
}

void MainWindow::on_actionLevel4_triggered()
{
    setzeLevel(4);
}

void MainWindow::on_actionLevel3_triggered()
{
    setzeLevel(3);
}

void MainWindow::on_actionLevel2_triggered()
{
    setzeLevel(2);
}

void MainWindow::on_actionLevel1_triggered()
{
    setzeLevel(1);
}

void MainWindow::on_actionRueckgaengig_triggered()
{
    spielLabel->rueckgaengig();
}

void MainWindow::on_actionWiederherstellen_triggered()
{
    spielLabel->wiederherstellen();
}

void MainWindow::on_actionTipp_triggered()
{
    spielLabel->frageTipp();
}

void MainWindow::on_actionSpiel_oeffnen_triggered()
{
    oeffnen();
}

void MainWindow::on_actionSpiel_speichern_triggered()
{
    speichern(false);
}

void MainWindow::on_actionSpiel_speichern_unter_triggered()
{
    speichern(true);
}

void MainWindow::speichern(bool speichernUnter)
{
    if (speichernUnter || dateiName.isEmpty()) {
        const QString titel = speichernUnter ? tr("Spiel speichern unter ...") : tr("Spiel speichern");
        const QString start = dateiName.isEmpty() ? QDir::homePath() : dateiName;
        dateiName = QFileDialog::getSaveFileName(this, titel, start, dateiFilter);
        if (dateiName.isEmpty())
            return;
    }
    if (!schreibeDatei(dateiName)) {
        warnung(tr("Die Datei kann nicht gespeichert werden."));
        return;
    }
    zeigeMeldung(tr("Datei gespeichert"));
}

bool MainWindow::schreibeDatei(const QString &name) const
{
    const Partie &partie = spielLabel->partie();
    return Spieldatei::schreibe(name, Spielstand::schreibe(partie.groesse(), partie.level(), partie.stellung()));
}

void MainWindow::oeffnen()
{
    const QString start = dateiName.isEmpty() ? QDir::homePath() : dateiName;
    const QString name = QFileDialog::getOpenFileName(this, tr("Spiel öffnen"), start, dateiFilter);
    if (name.isEmpty()) {
        dateiName.clear();
        return;
    }
    if (!ladeDatei(name))
        warnung(tr("Die Datei kann nicht geöffnet werden."));
}

// The menus show the saved game's size and level, and the game is built
// once, from the file.
bool MainWindow::ladeDatei(const QString &name)
{
    const std::optional<Spielstand> stand = Spieldatei::lies(name);
    if (!stand)
        return false;
    markiereGroesse(stand->groesse());
    markiereLevel(stand->level());
    spielLabel->ladeSpielstand(*stand);
    passeFenstergroesseAn();
    dateiName = name;
    return true;
}

void MainWindow::warnung(const QString &text)
{
    QMessageBox::warning(this, tr("Fehler"), text, QMessageBox::Ok);
}

void MainWindow::on_actionMensch_startet_toggled(bool menschStarted)
{
    spielLabel->setMenschStartet(menschStarted);
}
