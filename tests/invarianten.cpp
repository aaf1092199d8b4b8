#include "invarianten.h"

#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"

#include <QAction>

#include <algorithm>
#include <set>

namespace Invarianten {

namespace {

QString pruefeVerlauf(const SpielLabel &label)
{
    std::set<const Seite *> gesehen;
    const int aufDemBrett = label.zuegeAufDemBrett();
    int nummer = 0;
    for (const Zug &zug : label.zugVerlauf()) {
        ++nummer;
        for (const Seite *seite : zug.seiten) {
            if (!gesehen.insert(seite).second)
                return QStringLiteral("a side is recorded twice");
            if (seite->istGezogen() != (nummer <= aufDemBrett))
                return QStringLiteral("record %1 does not match the board").arg(nummer);
        }
    }
    return {};
}

}

QString pruefe(const SpielLabel &label)
{
    const int mensch = label.punkteDesMenschen();
    const int computer = label.punkteDesComputers();
    if (mensch < 0 || computer < 0)
        return QStringLiteral("negative score %1:%2").arg(mensch).arg(computer);

    int imSpiel = 0;
    int geschlossen = 0;
    int vomMenschen = 0;
    for (const Feld *feld : label.brett()) {
        if (feld->istGesperrt())
            continue;
        ++imSpiel;
        geschlossen += feld->istGeschlossen() ? 1 : 0;
        vomMenschen += feld->istVomMenschen() ? 1 : 0;
        if (feld->istVomMenschen() && !feld->istGeschlossen())
            return QStringLiteral("an open box belongs to the human");
    }
    // Boxes the computer has just closed get their owner when its blink ends.
    const int besessen = geschlossen - static_cast<int>(label.wartendeFelder().size());
    if (imSpiel != label.felderImSpiel())
        return QStringLiteral("%1 boxes in play, the game counts %2").arg(imSpiel).arg(label.felderImSpiel());
    if (vomMenschen != mensch || besessen != mensch + computer)
        return QStringLiteral("scores %1:%2 for %3 owned boxes, %4 of them the human's")
            .arg(mensch)
            .arg(computer)
            .arg(besessen)
            .arg(vomMenschen);
    if (label.istFertig() != (mensch + computer == imSpiel))
        return QStringLiteral("game over flag is wrong");
    return pruefeVerlauf(label);
}

QString pruefe(const MainWindow &fenster)
{
    const SpielLabel &label = *fenster.spiel();
    const QString fehler = pruefe(label);
    if (!fehler.isEmpty())
        return fehler;
    const auto aktiv = [&](const char *name) {
        const auto *aktion = fenster.findChild<QAction *>(QString::fromLatin1(name));
        return aktion && aktion->isEnabled();
    };
    const int alle = static_cast<int>(label.zugVerlauf().size());
    if (aktiv("actionRueckgaengig") != (label.zuegeAufDemBrett() > 0)
        || aktiv("actionWiederherstellen") != (label.zuegeAufDemBrett() < alle))
        return QStringLiteral("undo %1 and redo %2 with %3 of %4 turns on the board")
            .arg(aktiv("actionRueckgaengig") ? QStringLiteral("enabled") : QStringLiteral("disabled"),
                 aktiv("actionWiederherstellen") ? QStringLiteral("enabled") : QStringLiteral("disabled"))
            .arg(label.zuegeAufDemBrett())
            .arg(alle);
    return {};
}

}
