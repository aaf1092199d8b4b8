// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ansicht.h"

#include "field/geometrie.h"
#include "game/spiellabel.h"
#include "model/richtung.h"
#include "savegame/spielstand.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>

namespace Ansicht {

namespace {

QChar zeichen(const QStringList &zeilen, int zeile, int spalte)
{
    return zeile < zeilen.size() && spalte < zeilen.at(zeile).size() ? zeilen.at(zeile).at(spalte) : QChar(' ');
}

}

const char *const endspiel = R"(
+--+--+--+--+--+--+
|H |H |C |C |H |C |
+--+--+--+--+--+--+
|C |H |H |C |C |H |
+--+--+--+--+--+--+
|                 |
+--+--+--+  +--+--+
|        |  |     |
+  +--+  +  +  +  +
|     |     |     |
+--+--+--+--+--+--+)";

bool hatGruen(const SpielLabel &label)
{
    const QImage gezeigt = bild(label).convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < gezeigt.height(); ++y) {
        for (int x = 0; x < gezeigt.width(); ++x) {
            if (gezeigt.pixel(x, y) == QColor(Qt::green).rgb())
                return true;
        }
    }
    return false;
}

QStringList fett(const MainWindow &fenster)
{
    QStringList namen;
    for (const QAction *aktion : fenster.findChildren<QAction *>()) {
        if (aktion->font().bold())
            namen << aktion->objectName();
    }
    return namen;
}

int groesse(const MainWindow &fenster)
{
    const QStringList groessen{"actionKlein", "actionMittel", "actionGross"};
    for (const QString &name : fett(fenster)) {
        if (groessen.contains(name))
            return groessen.indexOf(name);
    }
    return -1;
}

void setze(SpielLabel &label, const QString &zeichnung)
{
    ::Stellung neu = stellung(label.stellung().gitter(), zeichnung);
    neu.setzeMenschAmZug(label.partie().menschAmZug());
    label.partie().stelleAuf(neu);
}

::Stellung stellung(const Gitter &gitter, const QString &zeichnung)
{
    QStringList zeilen = zeichnung.split('\n');
    while (!zeilen.isEmpty() && zeilen.first().trimmed().isEmpty())
        zeilen.removeFirst();
    ::Stellung ergebnis(gitter);
    for (int r = 0; r < gitter.zeilen(); ++r) {
        for (int c = 0; c < gitter.spalten(); ++c) {
            if (zeichen(zeilen, 2 * r + 1, 3 * c + 1) == '#')
                ergebnis.sperre(gitter.platz(r, c));
        }
    }
    for (int r = 0; r < gitter.zeilen(); ++r) {
        for (int c = 0; c < gitter.spalten(); ++c) {
            const QChar seiten[Richtung::anzahl] = {zeichen(zeilen, 2 * r, 3 * c + 1), zeichen(zeilen, 2 * r + 1, 3 * c + 3),
                                                    zeichen(zeilen, 2 * r + 2, 3 * c + 1), zeichen(zeilen, 2 * r + 1, 3 * c)};
            for (int richtung = 0; richtung < Richtung::anzahl; ++richtung) {
                if (seiten[richtung] == '-' || seiten[richtung] == '|')
                    ergebnis.ziehe(gitter.seite(r, c, richtung));
            }
            const QChar inhalt = zeichen(zeilen, 2 * r + 1, 3 * c + 1);
            if (inhalt == 'H' || inhalt == 'C')
                ergebnis.setzeBesitzer(gitter.platz(r, c), inhalt == 'H' ? ::Stellung::Besitzer::mensch : ::Stellung::Besitzer::computer);
        }
    }
    return ergebnis;
}

QByteArray zustand(const SpielLabel &label)
{
    return Spielstand::codes(label.stellung());
}

QPoint druckpunkt(int zeile, int spalte, int richtung)
{
    static const QPoint abstand[4] = {{20, 6}, {34, 20}, {20, 34}, {6, 20}};
    return Geometrie::ecke(zeile, spalte) + abstand[richtung & 3];
}

QPoint druckpunkt(const Gitter &gitter, int seite)
{
    const auto [erstes, zweites] = gitter.felderAn(seite);
    const int platz = erstes >= 0 ? erstes : zweites;
    return druckpunkt(gitter.zeileVon(platz), gitter.spalteVon(platz), gitter.richtungIn(seite, platz));
}

void druecke(SpielLabel &label, QPoint punkt, Qt::MouseButton taste)
{
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(punkt), label.mapToGlobal(punkt), taste, taste, Qt::NoModifier);
    QApplication::sendEvent(&label, &druck);
}

}
