// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "stellung.h"

#include "field/feld.h"
#include "field/geometrie.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "savegame/feldzustand.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>

namespace Stellung {

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
    setze(label.brett(), zeichnung);
    label.zeigeBild();
}

void setze(Spielfeld &brett, const QString &zeichnung)
{
    QStringList zeilen = zeichnung.split('\n');
    while (!zeilen.isEmpty() && zeilen.first().trimmed().isEmpty())
        zeilen.removeFirst();
    // Holes first, as in a game, so that sides taken beside them paint over
    // their gray where they meet.
    for (bool loecher : {true, false}) {
        for (int r = 0; r < brett.zeilenAnzahl(); ++r) {
            for (int c = 0; c < brett.spaltenAnzahl(); ++c) {
                Feld *f = brett.feld(r, c);
                const QChar inhalt = zeichen(zeilen, 2 * r + 1, 3 * c + 1);
                if (loecher && inhalt == '#')
                    f->sperre();
                if (loecher)
                    continue;
                const QChar seiten[4] = {zeichen(zeilen, 2 * r, 3 * c + 1), zeichen(zeilen, 2 * r + 1, 3 * c + 3),
                                         zeichen(zeilen, 2 * r + 2, 3 * c + 1), zeichen(zeilen, 2 * r + 1, 3 * c)};
                for (int richtung = 0; richtung < 4; ++richtung) {
                    if (seiten[richtung] == '-' || seiten[richtung] == '|')
                        f->seite(richtung)->ziehe();
                }
                if (inhalt == 'H' || inhalt == 'C')
                    f->zeichneBesitzer(inhalt == 'H');
            }
        }
    }
}

QByteArray zustand(const SpielLabel &label)
{
    QByteArray codes;
    for (const Feld *f : label.brett())
        codes += Feldzustand::code(*f);
    return codes;
}

QPoint druckpunkt(int zeile, int spalte, int richtung)
{
    static const QPoint abstand[4] = {{20, 6}, {34, 20}, {20, 34}, {6, 20}};
    return Geometrie::ecke(zeile, spalte) + abstand[richtung & 3];
}

void druecke(SpielLabel &label, QPoint punkt, Qt::MouseButton taste)
{
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(punkt), label.mapToGlobal(punkt), taste, taste, Qt::NoModifier);
    QApplication::sendEvent(&label, &druck);
}

}
