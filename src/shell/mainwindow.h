// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_MAINWINDOW_H
#define PUNKTFELD_MAINWINDOW_H

#include <QFont>
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QTimer>

namespace Ui {
class MainWindow;
}

class Analyse;
class AnalyseDialog;
class Endmeldung;
class QAction;
class QProgressDialog;
class SpielLabel;
class Spielstand;

// The filter of the open and save dialogs.
extern const QString dateiFilter;

// The one window of the game: menus, the board widget and the status line,
// and the dialogs for saving and opening a game.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    void setzeStatusText(const QString &text);
    void zeigeMeldung(const QString &text, int dauer = 2000);
    // A hint's message takes the status line's place for a while, where it
    // has the line's own narrow margins; an empty text ends it early.
    void zeigeTippMeldung(const QString &text);
    void setzeRueckgaengigAktiv(bool aktiv);
    void setzeWiederherstellenAktiv(bool aktiv);
    void setzeTippAktiv(bool aktiv);
    void setzeGroesse(int groesse, bool zufallsform, bool erzwingen);
    void setzeLevel(int level);

    void speichern(bool speichernUnter);
    void oeffnen();
    // Saving and opening without a dialog. A file that cannot be read, is
    // too short or contradicts itself changes nothing.
    bool schreibeDatei(const QString &name) const;
    bool ladeDatei(const QString &name);

private slots:
    void on_actionNeues_Spiel_triggered();
    void on_actionKlein_triggered();
    void on_actionMittel_triggered();
    void on_actionGross_triggered();
    void on_actionLevel6_triggered();
    void on_actionLevel5_triggered();
    void on_actionLevel4_triggered();
    void on_actionLevel3_triggered();
    void on_actionLevel2_triggered();
    void on_actionLevel1_triggered();
    void on_actionRueckgaengig_triggered();
    void on_actionWiederherstellen_triggered();
    void on_actionTipp_triggered();
    void on_actionAnalyse_triggered();
    void on_actionSpiel_oeffnen_triggered();
    void on_actionSpiel_speichern_triggered();
    void on_actionSpiel_speichern_unter_triggered();
    void on_actionMensch_startet_toggled(bool menschStarted);

private:
    void passeFenstergroesseAn();
    int breitesteStatuszeile();
    void markiere(std::initializer_list<QAction *> gruppe, const QAction *gewaehlt);
    void markiereGroesse(int groesse);
    void markiereLevel(int level);
    void verbindeSpiel();
    void verbindeAnalyse();
    void zeigeAnalyseAktiv();
    void beendeAnalyse();
    void warnung(const QString &text);

    Ui::MainWindow *ui;
    SpielLabel *spielLabel = nullptr;
    QLabel statusLabel;
    Endmeldung *endmeldung = nullptr;
    QString statusText;
    QTimer tippMeldungTimer;
    QFont normalFont;
    QFont fettFont;
    int groesse = 0;
    QString dateiName;
    Analyse *analyse = nullptr;
    QPointer<QProgressDialog> analyseFortschritt;
    QPointer<AnalyseDialog> analyseDialog;
};

#endif
