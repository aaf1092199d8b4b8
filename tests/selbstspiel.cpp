#include "field/feld.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <vector>

// Plays one whole game on the large board with its holes: a random human
// pressing free sides against the computer, the timers stepped at once.
// Run under valgrind by the test suite to find leaks and memory errors.
namespace {

void druecke(SpielLabel &label, QPoint punkt)
{
    QMouseEvent druck(QEvent::MouseButtonPress, punkt, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &druck);
}

bool schritt(SpielLabel &label)
{
    for (QTimer *uhr : label.findChildren<QTimer *>()) {
        if (uhr->isActive()) {
            uhr->stop();
            QMetaObject::invokeMethod(&label, uhr->interval() == 100 ? "blinkeMitSeite" : "computerZug");
            return true;
        }
    }
    std::vector<QPoint> freie;
    for (const Feld *feld : label.brett()) {
        for (int richtung : feld->freieRichtungen()) {
            const int dx[4] = {20, 39, 20, 1};
            const int dy[4] = {1, 20, 39, 20};
            freie.emplace_back(feld->pixelX() + dx[richtung], feld->pixelY() + dy[richtung]);
        }
    }
    if (freie.empty())
        return false;
    druecke(label, freie[static_cast<std::size_t>(std::rand()) % freie.size()]);
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
