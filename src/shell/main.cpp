// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"
#include "qtuebersetzung.h"

#include <QApplication>
#include <QLibraryInfo>

int main(int argc, char *argv[])
{
    // Asked for before the application object exists: on a screen scaled
    // 2x the window then keeps its size and the board is painted sharp.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
    QApplication app(argc, argv);
    app.setApplicationVersion(QStringLiteral(PUNKTFELD_VERSION));
    ladeQtUebersetzung(app, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    MainWindow fenster;
    fenster.show();
    return app.exec();
}
