// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "desktoptasten.h"

#include "ui_mainwindow.h"

#include <QKeySequence>
#include <QShortcut>

namespace {

// The game's own key stays first, so that the menu shows it. Qt's standard
// keys differ from one desktop to the next and may lack the common Linux
// desktops' key, which `desktop` adds wherever it runs.
void ergaenze(QAction *aktion, QKeySequence::StandardKey standard, const QKeySequence &desktop = {})
{
    QList<QKeySequence> tasten = aktion->shortcuts();
    QList<QKeySequence> weitere = QKeySequence::keyBindings(standard);
    weitere << desktop;
    for (const QKeySequence &taste : weitere) {
        if (!taste.isEmpty() && !tasten.contains(taste))
            tasten << taste;
    }
    aktion->setShortcuts(tasten);
}

}

void ergaenzeDesktoptasten(Ui::MainWindow &form, QWidget *fenster)
{
    ergaenze(form.actionNeues_Spiel, QKeySequence::New);
    ergaenze(form.actionSpiel_oeffnen, QKeySequence::Open);
    ergaenze(form.actionSpiel_speichern, QKeySequence::Save);
    ergaenze(form.actionSpiel_speichern_unter, QKeySequence::SaveAs, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    ergaenze(form.actionBeenden, QKeySequence::Quit);
    ergaenze(form.actionRueckgaengig, QKeySequence::Undo);
    ergaenze(form.actionWiederherstellen, QKeySequence::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    ergaenze(form.actionSpielregeln, QKeySequence::HelpContents);
    auto *menueTaste = new QShortcut(QKeySequence(Qt::Key_F10), fenster);
    QMenuBar *leiste = form.menuBar;
    QAction *erstesMenue = form.menuDatei->menuAction();
    QObject::connect(menueTaste, &QShortcut::activated, leiste, [leiste, erstesMenue] { leiste->setActiveAction(erstesMenue); });
}
