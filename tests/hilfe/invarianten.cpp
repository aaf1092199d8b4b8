// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "invarianten.h"

#include "game/spiellabel.h"
#include "savegame/spieldatei.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <QRegularExpression>

namespace Invarianten {

QString pruefe(const MainWindow &fenster)
{
    const SpielLabel &spiel = Ansicht::spiel(fenster);
    QString zeile = Ansicht::status(fenster);
    // A hint's message stands in the status line's place for a while: of
    // the boxes still open, the human gets at most all.
    const QRegularExpressionMatch tipp = QRegularExpression("^Tipp: noch (\\d+) von (\\d+) Kästchen für dich$").match(zeile);
    if (tipp.hasMatch()) {
        if (tipp.captured(1).toInt() > tipp.captured(2).toInt() || tipp.captured(2).toInt() != spiel.partie().offeneFelder())
            return "hint " + zeile;
        zeile = spiel.partie().statuszeile();
    }
    const QRegularExpressionMatch teile =
        QRegularExpression("^Mensch: (\\d+), Computer: (\\d+)(, du bist dran|, fertig)?$").match(zeile);
    if (!teile.hasMatch())
        return "status line " + zeile;
    const int mensch = teile.captured(1).toInt(), computer = teile.captured(2).toInt();
    const ::Stellung &brett = spiel.stellung();
    int imSpiel = 0, geschlossen = 0, vomMenschen = 0;
    for (int platz = 0; platz < brett.gitter().feldAnzahl(); ++platz) {
        imSpiel += !brett.istGesperrt(platz);
        geschlossen += !brett.istGesperrt(platz) && brett.istGeschlossen(platz);
        vomMenschen += brett.besitzer(platz) == ::Stellung::Besitzer::mensch;
    }
    // Boxes the computer has just completed are marked when its blink ends.
    const bool menschZieht = teile.captured(3) == ", du bist dran";
    if (vomMenschen != mensch || mensch + computer > geschlossen || (menschZieht && mensch + computer != geschlossen))
        return QString("%1 for %2 completed boxes, %3 of them the human's").arg(zeile).arg(geschlossen).arg(vomMenschen);
    if ((teile.captured(3) == ", fertig") != (mensch + computer == imSpiel))
        return QString("%1 with %2 boxes in play").arg(zeile).arg(imSpiel);
    return {};
}

QString pruefeBild(const MainWindow &fenster, MainWindow &nachbau, const QString &datei)
{
    // A blinking side, or boxes the computer has completed but not yet
    // marked, show only while a timer runs.
    const SpielLabel &spiel = Ansicht::spiel(fenster);
    if (Spieltreiber::laeuft(spiel))
        return {};
    if (!fenster.schreibeDatei(datei) || !nachbau.ladeDatei(datei))
        return "the game cannot be saved and opened again";
    return Ansicht::bild(spiel) == Ansicht::bild(Ansicht::spiel(nachbau)) ? QString() : QString("the picture differs from the saved game's %1x%2 %3x%4").arg(spiel.width()).arg(spiel.height()).arg(Ansicht::bild(spiel).width()).arg(Ansicht::bild(Ansicht::spiel(nachbau)).width());
}

QString pruefeDatei(MainWindow &fenster, const QString &name)
{
    const std::optional<Spielstand> stand = Spieldatei::lies(name);
    const QVariantList vorher = abbild(fenster);
    const bool angenommen = fenster.ladeDatei(name);
    if (angenommen != stand.has_value())
        return "the reader and the game disagree about the file";
    if (!angenommen)
        return abbild(fenster) == vorher ? QString() : "a refused file changed the game";
    if (Ansicht::zustand(Ansicht::spiel(fenster)).size() != stand->felder().size())
        return "the board differs in size from the file";
    if (Ansicht::aktiv(fenster, "actionRueckgaengig") || Ansicht::aktiv(fenster, "actionWiederherstellen"))
        return "an opened game has a history";
    return pruefe(fenster);
}

QVariantList abbild(const MainWindow &fenster)
{
    const SpielLabel &spiel = Ansicht::spiel(fenster);
    return {Ansicht::zustand(spiel), Ansicht::bild(spiel), Ansicht::status(fenster), Ansicht::fett(fenster),
            Ansicht::aktiv(fenster, "actionRueckgaengig"), Ansicht::aktiv(fenster, "actionWiederherstellen")};
}

}
