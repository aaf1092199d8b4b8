#include "game/spiellabel.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>
#include <vector>

// Plays one whole game on the large board with its holes: a random human
// pressing free sides against the computer, the timers stepped at once.
// Run under valgrind by the test suite to find leaks and memory errors.
namespace {

bool schritt(SpielLabel &label)
{
    if (Stellung::faelligerSchritt(label))
        return true;
    const std::vector<QPoint> freie = Stellung::freieDruckpunkte(label);
    if (freie.empty())
        return false;
    Stellung::druecke(label, freie[static_cast<std::size_t>(std::rand()) % freie.size()]);
    return true;
}

}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    MainWindow fenster;
    std::srand(4711);
    fenster.setzeGroesse(2, true, false);
    SpielLabel &label = *fenster.spiel();
    while (!label.istFertig() && schritt(label)) {
    }
    std::printf("Mensch %d, Computer %d, %d boxes in play\n", label.punkteDesMenschen(), label.punkteDesComputers(),
                label.felderImSpiel());
    return label.istFertig() && label.punkteDesMenschen() + label.punkteDesComputers() == label.felderImSpiel() ? 0
                                                                                                                : 1;
}
