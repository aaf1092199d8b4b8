#ifndef PUNKTFELD_BENCH_PARTIE_H
#define PUNKTFELD_BENCH_PARTIE_H

#include "computer/computerspieler.h"
#include "field/feld.h"
#include "field/seite.h"
#include "field/spielfeld.h"
#include "game/spiellabel.h"

#include <vector>

// Both players of a game choose with the computer's own choice of a side.
// The player called "mensch" here owns the boxes counted as the human's.
namespace Partie {

// The label owns its grid; brett() only hands it out read-only, but the
// choice takes sides on it, as computerZug does.
inline Spielfeld &brett(SpielLabel &label)
{
    return const_cast<Spielfeld &>(label.brett());
}

// One side for the player `mensch` at the given level. The boxes it closes
// are marked for that player, who then moves again; otherwise the turn
// passes. Returns false when no side was free.
inline bool zug(SpielLabel &label, Computerspieler &wahl, int level, bool &mensch)
{
    std::vector<Feld *> neueFelder;
    if (!wahl.zieheSeite(brett(label), level, neueFelder))
        return false;
    for (Feld *feld : neueFelder)
        feld->zeichneBesitzer(mensch);
    if (neueFelder.empty())
        mensch = !mensch;
    return true;
}

// A free side between two boxes with at most one closed side each can be
// taken without giving a box away.
inline bool hatSichereSeite(const Spielfeld &spielfeld)
{
    for (const Feld *feld : spielfeld) {
        for (int richtung : {1, 2}) {
            const Feld *nb = feld->nachbar(richtung);
            if (nb && feld->seite(richtung)->istFrei() && feld->anzahlGeschlossen() <= 1
                && nb->anzahlGeschlossen() <= 1)
                return true;
        }
    }
    return false;
}

inline bool hatDreier(const Spielfeld &spielfeld)
{
    for (const Feld *feld : spielfeld) {
        if (feld->anzahlGeschlossen() == 3)
            return true;
    }
    return false;
}

}

#endif
