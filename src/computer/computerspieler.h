#ifndef PUNKTFELD_COMPUTERSPIELER_H
#define PUNKTFELD_COMPUTERSPIELER_H

#include <vector>

class Feld;
class Seite;
class Spielfeld;

// The computer's choice of a side. In order of preference it completes a box,
// takes a side that gives nothing away, or opens the smallest chain; below
// level 5 each preference can be skipped at random.
class Computerspieler
{
public:
    // Chooses one free side, takes it and appends the boxes it completes to
    // neueFelder (without marking them). Returns the side, or null when no
    // side is free.
    Seite *zieheSeite(Spielfeld &spielfeld, int level, std::vector<Feld *> &neueFelder);

    // Collects the chain that starts at feld into kette, and removes the
    // two-sided boxes it collects from zweierFelder.
    void sammleKette(Feld *feld, std::vector<Feld *> &kette);

    const std::vector<Feld *> &dreier() const { return dreierFelder; }
    const std::vector<Feld *> &sichere() const { return sichereFelder; }
    const std::vector<Feld *> &zweier() const { return zweierFelder; }
    void klassifiziere(Spielfeld &spielfeld);

private:
    static bool levelZug(int level);
    static Seite *nimm(Feld *feld, int richtung, std::vector<Feld *> &neueFelder);
    Seite *vervollstaendige(std::vector<Feld *> &kandidaten, std::vector<Feld *> &neueFelder);
    Seite *sichereSeite();
    Seite *kleinsteKette(int level, std::vector<Feld *> &neueFelder);
    static Seite *irgendeineSeite(Spielfeld &spielfeld, std::vector<Feld *> &neueFelder);

    std::vector<Feld *> dreierFelder;
    std::vector<Feld *> sichereFelder;
    std::vector<Feld *> zweierFelder;
    std::vector<Feld *> uebersehen;
};

#endif
