#include "computer/computerspieler.h"
#include "field/feld.h"
#include "game/spiellabel.h"

#include <QApplication>
#include <QDir>

#include <cstdlib>

// Writes valid saved games of all three sizes into the folder given: fresh,
// half played and finished, with and without holes.
int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1])))
        return 1;
    const QDir ziel(QString::fromLocal8Bit(argv[1]));
    SpielLabel label(nullptr);
    Computerspieler waehler;
    for (int groesse = 0; groesse < 3; ++groesse) {
        for (int zuege : {0, 40, 100000}) {
            std::srand(static_cast<unsigned>(groesse * 7 + zuege));
            label.neuesSpiel(groesse, true);
            auto &spielfeld = const_cast<Spielfeld &>(label.brett());
            bool mensch = true;
            for (int i = 0; i < zuege && !label.istFertig(); ++i) {
                std::vector<Feld *> neu;
                if (!waehler.zieheSeite(spielfeld, 1 + i % 5, neu))
                    break;
                for (Feld *feld : neu)
                    feld->zeichneBesitzer(mensch);
                mensch = neu.empty() ? !mensch : mensch;
            }
            label.setLevel(1 + zuege % 5);
            const QString name = ziel.filePath(QStringLiteral("groesse%1_%2.pf").arg(groesse).arg(zuege));
            if (!label.schreibeDatei(name, groesse))
                return 1;
        }
    }
    return 0;
}
