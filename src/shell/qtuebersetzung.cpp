// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtuebersetzung.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>

namespace {
const QString deutsch = QStringLiteral("de");
const QString englisch = QStringLiteral("en");

bool installiere(QCoreApplication &anwendung, const QString &katalog, const QString &ordner)
{
    auto *uebersetzer = new QTranslator(&anwendung);
    if (uebersetzer->load(katalog, ordner) && anwendung.installTranslator(uebersetzer))
        return true;
    delete uebersetzer;
    return false;
}
}

QString waehleSprache(const QStringList &bevorzugt)
{
    // Only the language counts, not the country or script after it.
    const QRegularExpression trenner(QStringLiteral("[-_.@]"));
    for (const QString &eintrag : bevorzugt) {
        const QString sprache = eintrag.section(trenner, 0, 0).toLower();
        if (sprache == englisch || sprache == deutsch)
            return sprache;
    }
    return deutsch;
}

QString qtUebersetzungsOrdner()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
#else
    return QLibraryInfo::location(QLibraryInfo::TranslationsPath);
#endif
}

bool ladeQtUebersetzung(QCoreApplication &anwendung, const QString &ordner)
{
    return installiere(anwendung, QStringLiteral("qtbase_de"), ordner);
}

bool ladeUebersetzungen(QCoreApplication &anwendung, const QString &sprache)
{
    if (sprache == deutsch)
        return ladeQtUebersetzung(anwendung, qtUebersetzungsOrdner());
    return installiere(anwendung, QStringLiteral("punktfeld_") + sprache, QStringLiteral(":/uebersetzungen"));
}
