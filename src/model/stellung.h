// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#ifndef PUNKTFELD_STELLUNG_H
#define PUNKTFELD_STELLUNG_H

#include "gitter.h"

#include <array>
#include <cstdint>
#include <vector>

// The position of a game, and nothing else: every side of the board with its
// state, every box with its owner or as a hole, and whose turn it is. The
// game changes it, the picture is painted from it, a saved game is written
// from it, and the computer players read it.
class Stellung
{
public:
    enum class Art : std::uint8_t
    {
        frei,
        gezogen,
        // A side of a hole: closed from the start, as the frame is.
        lochrand,
        rahmen,
    };
    enum class Besitzer : std::uint8_t
    {
        niemand,
        mensch,
        computer,
    };

    Stellung() = default;
    // Every box in play, every side between two boxes free.
    explicit Stellung(const Gitter &gitter);

    const Gitter &gitter() const { return raster; }

    Art art(int seite) const { return arten[static_cast<std::size_t>(seite)]; }
    bool istFrei(int seite) const { return art(seite) == Art::frei; }
    // Draws a free side; false, changing nothing, for any other.
    bool ziehe(int seite);
    // Frees a drawn side again.
    void gibFrei(int seite);
    // The boxes whose last free side `seite` was: drawn, it completes them.
    // The box at `zuerst` comes first where it is one of them.
    std::vector<int> vervollstaendigt(int seite, int zuerst = -1) const;

    // Takes the box out of play and closes its sides as a hole's edge.
    void sperre(int platz);
    bool istGesperrt(int platz) const { return loecher[static_cast<std::size_t>(platz)] != 0; }
    Besitzer besitzer(int platz) const { return besitzerVon[static_cast<std::size_t>(platz)]; }
    void setzeBesitzer(int platz, Besitzer besitzer);
    // The closed sides of a box, 0 to 4; a hole has them all closed.
    int geschlosseneSeiten(int platz) const { return zu[static_cast<std::size_t>(platz)]; }
    bool istGeschlossen(int platz) const;

    bool menschAmZug() const { return menschZieht; }
    void setzeMenschAmZug(bool amZug) { menschZieht = amZug; }

    // Kept with the boxes, so that they always agree with them.
    int imSpiel() const { return raster.feldAnzahl() - anzahlLoecher; }
    int punkte(Besitzer wer) const { return anzahl[static_cast<std::size_t>(wer)]; }
    int punkteMensch() const { return punkte(Besitzer::mensch); }
    int punkteComputer() const { return punkte(Besitzer::computer); }
    // The boxes in play that nobody owns yet.
    int offeneFelder() const { return imSpiel() - punkteMensch() - punkteComputer(); }
    int freieSeiten() const;
    // Every box in play has its owner.
    bool istFertig() const { return offeneFelder() == 0; }

    bool operator==(const Stellung &andere) const;
    bool operator!=(const Stellung &andere) const { return !(*this == andere); }

private:
    void setzeArt(int seite, Art art);

    Gitter raster;
    std::vector<Art> arten;
    std::vector<std::uint8_t> loecher;
    std::vector<Besitzer> besitzerVon;
    // Per box, its closed sides; per owner, its boxes.
    std::vector<std::uint8_t> zu;
    std::array<int, 3> anzahl{};
    int anzahlLoecher = 0;
    bool menschZieht = true;
};

#endif
