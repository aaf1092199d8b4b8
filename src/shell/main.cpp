// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "mainwindow.h"
#include "qtuebersetzung.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    // Asked for before the application object exists: on a screen scaled
    // 2x the window then keeps its size and the board is painted sharp, as
    // Qt 6 always does.
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#endif
    QApplication app(argc, argv);
    app.setApplicationVersion(QStringLiteral(PUNKTFELD_VERSION));
    // Where the one kept choice, fast play, lives: ~/.config/Punktfeld/.
    app.setOrganizationName(QStringLiteral("Punktfeld"));
    ladeUebersetzungen(app, waehleSprache(QLocale::system().uiLanguages()));
    MainWindow fenster;
    fenster.show();
    return app.exec();
}
