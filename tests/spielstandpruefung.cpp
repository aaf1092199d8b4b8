#include "spielstandpruefung.h"

#include "field/feld.h"
#include "game/spiellabel.h"
#include "invarianten.h"
#include "savegame/spielstand.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QAction>
#include <QPixmap>

#include <algorithm>

namespace Spielstandpruefung {

namespace {

struct Abbild
{
    // Painting into the picture changes its cache key, a new game replaces
    // the picture: together they tell whether anything was drawn.
    const QPixmap *bild;
    qint64 bildSchluessel;
    QString stellung;
    int groesse;
    int level;
    int mensch;
    int computer;
    bool menschAmZug;
    QString datei;

    bool operator==(const Abbild &o) const
    {
        return bild == o.bild && bildSchluessel == o.bildSchluessel && stellung == o.stellung && groesse == o.groesse && level == o.level
            && mensch == o.mensch && computer == o.computer && menschAmZug == o.menschAmZug && datei == o.datei;
    }
};

Abbild abbild(const MainWindow &fenster)
{
    const SpielLabel &label = *fenster.spiel();
    return {label.bild(),           label.bild()->cacheKey(),    Stellung::lies(label),
            fenster.aktuelleGroesse(), label.aktuellesLevel(),      label.punkteDesMenschen(),
            label.punkteDesComputers(), label.istMenschAmZug(),      label.aktuellerDateiName()};
}

QString pruefeUebernahme(const MainWindow &fenster, const Spielstand &stand)
{
    const SpielLabel &label = *fenster.spiel();
    if (fenster.aktuelleGroesse() != stand.groesse() || label.aktuellesLevel() != stand.level()
        || label.istMenschAmZug() != stand.menschAmZug())
        return QStringLiteral("size, level or turn differ from the file");
    int index = 0;
    for (const Feld *feld : label.brett()) {
        if (feld->istGesperrt() != ((stand.felder().at(index++) & 64) != 0))
            return QStringLiteral("box %1 is blocked differently from the file").arg(index - 1);
    }
    if (!label.zugVerlauf().empty())
        return QStringLiteral("an opened game has a history");
    bool freiGefunden = false;
    for (const Feld *feld : label.brett())
        freiGefunden = freiGefunden || !feld->freieRichtungen().empty();
    if (freiGefunden == label.istFertig())
        return QStringLiteral("the game is over with sides free, or goes on without one");
    return Invarianten::pruefe(fenster);
}

}

QString pruefe(MainWindow &fenster, const QByteArray &daten)
{
    const Abbild vorher = abbild(fenster);
    const std::optional<Spielstand> stand = Spielstand::lies(daten);
    const bool angenommen = fenster.spiel()->ladeSpielstand(daten);
    if (angenommen != stand.has_value())
        return QStringLiteral("reader and game disagree about the file");
    if (!angenommen)
        return abbild(fenster) == vorher ? QString() : QStringLiteral("a refused file changed the game");
    return pruefeUebernahme(fenster, *stand);
}

}
