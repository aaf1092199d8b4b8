#include "partie.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// Plays complete games between every two computer levels on each board size
// (the larger ones with their random shapes) and prints, for each pair, how
// the first level fared. Both sides choose with the computer's own choice of
// a side; the openers alternate, so a pair covers both orders. Every game is
// seeded by its number, so a run repeats exactly, and game i of every pair is
// played on the same shape.
//
// Usage: selbstspiel_stufen [games per pair on the small, medium and large
// board]
namespace {

struct Ergebnis {
    int gewonnen = 0;
    int unentschieden = 0;
    int verloren = 0;
    int spiele() const { return gewonnen + unentschieden + verloren; }
};

// Wilson score interval at 95 %, on the score share (a draw counts half).
void intervall(const Ergebnis &e, double *unten, double *oben)
{
    const double n = e.spiele();
    const double p = (e.gewonnen + 0.5 * e.unentschieden) / n;
    const double z = 1.959964;
    const double nenner = 1 + z * z / n;
    const double mitte = (p + z * z / (2 * n)) / nenner;
    const double halb = z / nenner * std::sqrt(p * (1 - p) / n + z * z / (4 * n * n));
    *unten = mitte - halb;
    *oben = mitte + halb;
}

double prozent(int teil, int ganz)
{
    return 100.0 * teil / ganz;
}

void drucke(const char *titel, const Ergebnis (&ergebnisse)[6][6])
{
    std::printf("\n%s\n\n", titel);
    std::printf("| first vs second | games | won | drawn | lost | score | 95 %% interval |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---|\n");
    for (int a = 5; a >= 1; --a) {
        for (int b = a; b >= 1; --b) {
            const Ergebnis &e = ergebnisse[a][b];
            double unten = 0;
            double oben = 0;
            intervall(e, &unten, &oben);
            std::printf("| %d vs %d | %d | %.1f %% | %.1f %% | %.1f %% | %.1f %% | %.1f–%.1f %% |\n", a, b, e.spiele(),
                        prozent(e.gewonnen, e.spiele()), prozent(e.unentschieden, e.spiele()),
                        prozent(e.verloren, e.spiele()), prozent(2 * e.gewonnen + e.unentschieden, 2 * e.spiele()),
                        100 * unten, 100 * oben);
        }
    }
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // Chosen so that the whole table takes a few minutes on two cores; a
    // large game costs about 0.15 s, most of it painting.
    int anzahl[3] = {1000, 200, 60};
    for (int g = 0; g < 3 && g + 1 < argc; ++g)
        anzahl[g] = std::max(2, std::atoi(argv[g + 1]) / 2 * 2);

    const char *const namen[3] = {"small board (6 x 5)", "medium board (13 x 11, random shape)",
                                  "large board (22 x 15, random shape)"};
    SpielLabel label(nullptr);
    Computerspieler wahl;
    Ergebnis alle[6][6];
    for (int g = 0; g < 3; ++g) {
        QElapsedTimer uhr;
        uhr.start();
        Ergebnis hier[6][6];
        for (int a = 5; a >= 1; --a) {
            for (int b = a; b >= 1; --b) {
                for (int i = 0; i < anzahl[g]; ++i) {
                    std::srand(static_cast<unsigned>(1 + i));
                    label.neuesSpiel(g, true);
                    // "mensch" is level a; it opens the even-numbered games.
                    bool mensch = i % 2 == 0;
                    while (!label.istFertig() && Partie::zug(label, wahl, mensch ? a : b, mensch)) {
                    }
                    const int differenz = label.punkteDesMenschen() - label.punkteDesComputers();
                    for (Ergebnis *e : {&hier[a][b], &alle[a][b]}) {
                        if (differenz > 0)
                            ++e->gewonnen;
                        else if (differenz < 0)
                            ++e->verloren;
                        else
                            ++e->unentschieden;
                    }
                }
            }
        }
        char titel[160];
        std::snprintf(titel, sizeof titel, "### %s: %d games per pair, %.0f s", namen[g], anzahl[g],
                      uhr.elapsed() / 1000.0);
        drucke(titel, hier);
    }
    drucke("### all three boards together", alle);
    return 0;
}
