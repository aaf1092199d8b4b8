// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hilfe.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
constexpr int seitenBreite = 480;
constexpr int seitenHoehe = 440;
constexpr int symbolGroesse = 64;
}

Hilfe::Hilfe(QAction *regeln, QAction *ueber, QWidget *brett, QWidget *fenster)
    : QObject(fenster), fenster(fenster)
{
    brett->setToolTip(tr("Ein lächelndes Gesicht: dein Kästchen. Ein abgerundetes Quadrat: ein Kästchen des Computers."));
    connect(regeln, &QAction::triggered, this, &Hilfe::zeigeRegeln);
    connect(ueber, &QAction::triggered, this, &Hilfe::zeigeUeber);
}

QString Hilfe::regelnHtml()
{
    const QStringList absaetze{
        tr("Du spielst gegen den Computer. Ihr zieht abwechselnd je eine freie Seite eines Kästchens, eine der "
           "hellgrauen Linien: Klicke dazu auf die Linie, oder wähle sie mit den Pfeiltasten und ziehe sie mit der "
           "Eingabetaste oder der Leertaste."),
        tr("Wer die letzte freie Seite eines Kästchens zieht, schließt es: Das Kästchen gehört ihm, und er zieht gleich "
           "noch einmal. Ein lächelndes Gesicht zeigt deine Kästchen, ein abgerundetes Quadrat die des Computers."),
        tr("Der schwarze Rahmen um das Brett zählt als gezogen, ebenso der Rand der grauen Löcher auf dem mittleren und "
           "dem großen Brett. Ein Kästchen am Rahmen oder neben einem Loch ist also geschlossen, sobald seine übrigen "
           "Seiten gezogen sind: an einem Rand drei, in einer Ecke zwei."),
        tr("Das Spiel ist aus, wenn jedes Kästchen einen Besitzer hat. Wer mehr Kästchen hat, gewinnt."),
        tr("Unter „Einstellungen“ wählst du die Größe des Bretts und das Level des Computers. Auf Level 5 schließt er "
           "jedes Kästchen, das er bekommen kann, zieht sonst eine Seite, die nichts verschenkt, und verschenkt sonst die "
           "kürzeste Kette; auf den Levels darunter lässt er diese Regeln umso öfter aus, je niedriger das Level ist. "
           "„6 - Meister“ spielt wie starke Spieler: Er kämpft um die langen Ketten und rechnet das Ende genau aus."),
        tr("„Tipp“ im Menü „Bearbeiten“ lässt die Seite grün blinken, die der Meister an deiner Stelle ziehen würde."),
    };
    return QStringLiteral("<h2>%1</h2><p>%2</p>").arg(tr("Spielregeln"), absaetze.join(QStringLiteral("</p><p>")));
}

void Hilfe::zeigeRegeln()
{
    if (!regeln) {
        regeln = new QDialog(fenster);
        regeln->setWindowTitle(tr("Spielregeln"));
        regeln->resize(seitenBreite, seitenHoehe);
        auto *seite = new QTextBrowser(regeln);
        seite->setHtml(regelnHtml());
        auto *knoepfe = new QDialogButtonBox(QDialogButtonBox::Close, regeln);
        connect(knoepfe, &QDialogButtonBox::rejected, regeln.data(), &QDialog::close);
        auto *anordnung = new QVBoxLayout(regeln);
        anordnung->addWidget(seite);
        anordnung->addWidget(knoepfe);
    }
    regeln->show();
    regeln->raise();
    regeln->activateWindow();
}

void Hilfe::zeigeUeber()
{
    const QString text = tr("<h3>Punktfeld %1</h3><p>Punkte und Kästchen für eine Person gegen den Computer.</p>"
                            "<p>© 2026 Die Entwickler von Punktfeld</p><p>Lizenz: GNU General Public License, Version 3 "
                            "oder jede spätere Version (GPL-3.0-or-later). Punktfeld ist freie Software und kommt ohne "
                            "jede Gewährleistung.</p>")
                             .arg(QStringLiteral(PUNKTFELD_VERSION));
    auto *box = new QMessageBox(QMessageBox::NoIcon, tr("Über Punktfeld"), text, QMessageBox::Ok, fenster);
    box->setIconPixmap(fenster->windowIcon().pixmap(symbolGroesse));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
