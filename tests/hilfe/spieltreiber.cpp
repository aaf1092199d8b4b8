#include "spieltreiber.h"

#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "stellung.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

namespace Spieltreiber {

namespace {

bool offen(const Spielfeld &brett)
{
    for (const Feld *feld : brett) {
        if (feld->anzahlGeschlossen() < 4)
            return true;
    }
    return false;
}

}

bool laeuft(const SpielLabel &label)
{
    const QList<QTimer *> uhren = label.findChildren<QTimer *>();
    return std::any_of(uhren.begin(), uhren.end(), [](const QTimer *uhr) { return uhr->isActive(); });
}

bool schritt(SpielLabel &label)
{
    // At most one of the two timers runs at any time.
    for (QTimer *uhr : label.findChildren<QTimer *>()) {
        if (uhr->isActive()) {
            uhr->stop();
            QMetaObject::invokeMethod(uhr, "timeout");
            return true;
        }
    }
    return false;
}

void computerRunde(SpielLabel &label)
{
    while (schritt(label)) {
    }
}

Wahl freieSeite(const Spielfeld &brett)
{
    // Every free side is the right or the bottom side of exactly one box.
    std::vector<Wahl> freie;
    for (Feld *feld : brett) {
        for (int richtung : {1, 2}) {
            if (feld->seite(richtung)->istFrei())
                freie.push_back({feld, richtung});
        }
    }
    return freie.empty() ? Wahl{} : freie[static_cast<std::size_t>(std::rand()) % freie.size()];
}

QPoint druckpunkt(const Wahl &wahl)
{
    const Feld *f = wahl.feld;
    return Stellung::druckpunkt((f->pixelY() - 2) / 40, (f->pixelX() - 1) / 40, wahl.richtung);
}

void spiele(SpielLabel &label, const std::function<Wahl()> &waehle, int zuege)
{
    for (computerRunde(label); zuege-- > 0 && offen(label.brett()); computerRunde(label))
        Stellung::druecke(label, druckpunkt(waehle()));
}

}

Dialogantworter::Dialogantworter(QObject *parent) : QObject(parent)
{
    connect(&uhr, &QTimer::timeout, this, &Dialogantworter::antworte);
    uhr.start(5);
}

void Dialogantworter::antworte()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (modal == beantwortet) {
        if (++gewartet == 20)
            QMetaObject::invokeMethod(modal, "reject", Qt::QueuedConnection);
        return;
    }
    beantwortet = modal;
    gewartet = 0;
    QStringList knoepfe;
    for (const QPushButton *knopf : modal->findChildren<QPushButton *>())
        knoepfe << knopf->text().remove('&');
    // The answer runs from the event loop rather than from this timer, so
    // that a dialog it opens in turn, such as the question whether to
    // replace a file, is answered as well.
    if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
        gesehen << dialog->windowTitle() + " (" + knoepfe.join(", ") + ")";
        const QString name = std::exchange(datei, QString());
        if (!name.isEmpty())
            dialog->selectFile(name);
        QMetaObject::invokeMethod(dialog, name.isEmpty() ? "reject" : "accept", Qt::QueuedConnection);
    } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        gesehen << box->windowTitle() + ": " + box->text() + " (" + knoepfe.join(", ") + ")";
        QAbstractButton *knopf = box->button(QMessageBox::Yes);
        QMetaObject::invokeMethod(knopf ? knopf : box->button(QMessageBox::Ok), "click", Qt::QueuedConnection);
    }
}
