// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_SEITE_H
#define PUNKTFELD_SEITE_H

#include <QPoint>
#include <QRect>

#include <utility>
#include <vector>

class Malflaeche;

// One side of a box, as long as the box is wide. A side between two boxes is
// a single object shared by both, so taking it counts for both boxes.
class Seite
{
public:
    Seite(Malflaeche &flaeche, int x, int y, int lage);
    Seite(const Seite &) = delete;
    Seite &operator=(const Seite &) = delete;

    void zeichne(int farbe, int breite) const;
    bool ziehe();
    void gibFrei();
    void markiere(bool rot) const;
    // The pixels a line of this side covers at the most, whatever its
    // colour and width.
    QRect bereich() const;
    void zeichneNeu() const;
    // Paints the side again after a blink, and what was drawn over its ends.
    void zeigeWieder() const;
    void nimmZurueck();
    void sperre();
    void verbinde(Seite *andere);

    bool istFrei() const { return frei; }
    bool istGezogen() const { return gezogen; }

private:
    std::pair<QPoint, QPoint> endpunkte() const;
    std::vector<const Seite *> beruehrendeSeiten() const;
    static void zeichneSchwarzeUeber(const std::vector<const Seite *> &seiten);

    Malflaeche &flaeche;
    int x;
    int y;
    int lage;
    bool frei = false;
    bool gezogen = false;
    int breite = 1;
    int farbe;
    std::vector<Seite *> nachbarn;
};

#endif
