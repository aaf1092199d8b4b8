// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invarianten.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>


namespace {
MainWindow *fenster = nullptr;
QString datei;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The minimal platform, unlike the offscreen one, releases its screen at
    // exit, so the leak check needs no suppression.
    qputenv("QT_QPA_PLATFORM", "minimal");
    static int argc = 1;
    static char name[] = "spielstand_fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static QTemporaryDir ordner;
    static MainWindow hauptfenster;
    fenster = &hauptfenster;
    datei = ordner.filePath("eingabe.pf");
    return 0;
}

// Every input is opened as a saved game: it must be refused without a trace
// or open into a sound game that matches it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t laenge)
{
    QFile eingabe(datei);
    if (!eingabe.open(QIODevice::WriteOnly) || eingabe.write(reinterpret_cast<const char *>(daten), qint64(laenge)) != qint64(laenge))
        qFatal("the input cannot be written");
    eingabe.close();
    const QString fehler = Invarianten::pruefeDatei(*fenster, datei);
    if (!fehler.isEmpty())
        qFatal("%s", qPrintable(fehler));
    return 0;
}
