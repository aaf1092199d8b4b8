// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dialogantworter.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

#include <utility>

Dialogantworter::Dialogantworter(QObject *parent) : QObject(parent)
{
    connect(&uhr, &QTimer::timeout, this, &Dialogantworter::antworte);
    uhr.start(5);
}

void Dialogantworter::antworte()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || modal == beantwortet)
        return;
    beantwortet = modal;
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
