// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyse.h"

#include "computer/kettenregel.h"
#include "model/richtung.h"
#include "partie.h"

#include <QtConcurrent>

#include <cmath>

namespace {

// The Meister's work on a position is bounded by counts; on a slow machine
// this caps each position's time as well.
constexpr auto jeStellung = std::chrono::milliseconds(400);

}

Analyse::Analyse(const Partie &partie, QObject *parent)
    : QObject(parent), partie(partie), rueckschau(jeStellung)
{
    qRegisterMetaType<Analyse::Ergebnis>();
    faeden.setMaxThreadCount(1);
}

Analyse::~Analyse()
{
    brichAb();
    faeden.waitForDone();
}

QString Analyse::seitenname(const Gitter &gitter, int seite)
{
    // The part of the box a side is, as the explanation under the table says.
    static const char *const teile[Richtung::anzahl] = {QT_TR_NOOP(" oben"), QT_TR_NOOP(" rechts"),
                                                        QT_TR_NOOP(" unten"), QT_TR_NOOP(" links")};
    const auto [a, b] = gitter.felderAn(seite);
    // The box left of or above the side comes first where both are there.
    const int platz = std::min(a, b) >= 0 ? std::min(a, b) : std::max(a, b);
    const int richtung = std::max(gitter.richtungIn(seite, platz), 0);
    return QChar('A' + gitter.spalteVon(platz)) + QString::number(gitter.zeileVon(platz) + 1) + tr(teile[richtung]);
}

bool Analyse::starte()
{
    brichAb();
    const Verlauf &verlauf = partie.verlauf();
    const auto &alle = verlauf.alle();
    const auto ende = alle.begin() + static_cast<std::ptrdiff_t>(verlauf.anzahlAufDemBrett());
    if (std::none_of(alle.begin(), ende, [](const Zug &zug) { return zug.spieler; }))
        return false;
    bereiteVor();

    ++lauf;
    abbruch = std::make_shared<std::atomic<bool>>(false);
    waechter = new QFutureWatcher<std::vector<Rueckschau::Bewertung>>(this);
    connect(waechter, &QFutureWatcherBase::finished, this, [this] {
        const std::vector<Rueckschau::Bewertung> bewertungen = waechter->result();
        waechter->deleteLater();
        waechter = nullptr;
        abbruch.reset();
        auswerten(bewertungen);
    });
    const auto melde = [this, dieser = lauf](std::size_t fertig) {
        QMetaObject::invokeMethod(this, [this, dieser, fertig] {
            if (dieser == lauf && waechter)
                emit fortschritt(static_cast<int>(fertig));
        }, Qt::QueuedConnection);
    };
    // The thread gets its own copies of the positions and of the stop flag.
    waechter->setFuture(QtConcurrent::run(&faeden, [kopien = lagen, pruefer = rueckschau, stopp = abbruch, melde] {
        return pruefer.bewerte(kopien, stopp.get(), melde);
    }));
    return true;
}

void Analyse::brichAb()
{
    if (abbruch)
        abbruch->store(true);
    abbruch.reset();
    if (waechter) {
        waechter->disconnect(this);
        waechter->deleteLater();
    }
    waechter = nullptr;
}

// The position before the first record of the history is the present one
// with every side of the records on the board freed again; each record's
// sides then follow in order, each giving a position of its own.
void Analyse::bereiteVor()
{
    const Stellung &jetzt = partie.stellung();
    raster = jetzt.gitter();
    const Verlauf &verlauf = partie.verlauf();
    const std::size_t aufDemBrett = verlauf.anzahlAufDemBrett();
    Stellung anfang = jetzt;
    int vorher = partie.punkteMensch() - partie.punkteComputer();
    for (std::size_t i = 0; i < aufDemBrett; ++i) {
        const Zug &zug = verlauf.alle()[i];
        for (const int seite : zug.seiten)
            anfang.gibFrei(seite);
        const int felder = static_cast<int>(zug.felder.size());
        vorher -= zug.spieler ? felder : -felder;
    }

    Lage lage(anfang);
    lagen = {lage};
    vorsprung = {vorher};
    menschZieht.clear();
    erste.clear();
    seiten.clear();
    for (std::size_t i = 0; i < aufDemBrett; ++i) {
        const Zug &zug = verlauf.alle()[i];
        erste.push_back(lagen.size() - 1);
        seiten.push_back(zug.seiten);
        for (const int seite : zug.seiten) {
            menschZieht.push_back(zug.spieler);
            const int fertig = lage.ziehe(seite);
            lagen.push_back(lage);
            vorsprung.push_back(vorsprung.back() + (zug.spieler ? fertig : -fertig));
        }
    }
    erste.push_back(lagen.size() - 1);
    menschZieht.push_back(partie.menschAmZug());
}

namespace {

// The less known of two.
Analyse::Wissen schwaecher(Analyse::Wissen a, Analyse::Wissen b)
{
    return std::max(a, b);
}

Analyse::Wissen wissenVon(const Rueckschau::Bewertung &bewertung)
{
    if (bewertung.exakt)
        return Analyse::Wissen::exakt;
    return bewertung.bekannt ? Analyse::Wissen::geschaetzt : Analyse::Wissen::unbekannt;
}

}

Analyse::Kontrolle Analyse::kontrolleIn(std::size_t stellung) const
{
    switch (Kettenregel::kontrolle(lagen[stellung])) {
    case Kettenregel::Kontrolle::amZug:
        return menschZieht[stellung] ? Kontrolle::mensch : Kontrolle::computer;
    case Kettenregel::Kontrolle::gegner:
        return menschZieht[stellung] ? Kontrolle::computer : Kontrolle::mensch;
    case Kettenregel::Kontrolle::offen:
        break;
    }
    return Kontrolle::offen;
}

void Analyse::auswerten(const std::vector<Rueckschau::Bewertung> &bewertungen)
{
    if (bewertungen.size() != lagen.size())
        return;
    // The human's lead at the end with best play from each position.
    std::vector<int> ende(lagen.size());
    for (std::size_t k = 0; k < lagen.size(); ++k)
        ende[k] = vorsprung[k] + (menschZieht[k] ? bewertungen[k].wert : -bewertungen[k].wert);
    Ergebnis ergebnis;
    for (std::size_t r = 0; r < erste.size(); ++r) {
        const std::size_t k = erste[r];
        ergebnis.punkte.push_back({static_cast<int>(r), ende[k], wissenVon(bewertungen[k]), false, kontrolleIn(k)});
    }
    for (std::size_t r = 0; r < seiten.size(); ++r) {
        if (!menschZieht[erste[r]])
            continue;
        const Zugbewertung bewertung = bewerteZug(r, bewertungen, ende);
        // Only losses known for certain count as mistakes.
        ergebnis.punkte[r + 1].fehler = bewertung.sichererVerlust > 0;
        ergebnis.zuege.push_back(bewertung);
    }
    emit fertig(ergebnis);
}

Analyse::Zugbewertung Analyse::bewerteZug(std::size_t eintrag, const std::vector<Rueckschau::Bewertung> &bewertungen,
                                          const std::vector<int> &ende) const
{
    Zugbewertung bewertung;
    bewertung.zug = static_cast<int>(eintrag) + 1;
    bewertung.eintrag = eintrag;
    bewertung.kontrolle = kontrolleIn(erste[eintrag]);
    int teuerst = 0;
    for (std::size_t j = 0; j < seiten[eintrag].size(); ++j) {
        const std::size_t k = erste[eintrag] + j;
        const int seite = seiten[eintrag][j];
        bewertung.gezogen << seitenname(raster, seite);
        const Wissen wissen = schwaecher(wissenVon(bewertungen[k]), wissenVon(bewertungen[k + 1]));
        // A box that goes to the computer instead changes the lead by two.
        int verlust = static_cast<int>(std::lround((ende[k] - ende[k + 1]) / 2.0));
        // Estimates of two positions can disagree where exact values cannot:
        // no side gains on best play, and the Meister's own side loses
        // nothing.
        if (wissen != Wissen::exakt)
            verlust = seite == bewertungen[k].besteSeite ? 0 : std::max(0, verlust);
        bewertung.seitenVerluste.push_back(verlust);
        bewertung.seitenWissen.push_back(wissen);
        bewertung.verlust += verlust;
        bewertung.wissen = schwaecher(bewertung.wissen, wissen);
        if (wissen == Wissen::exakt)
            bewertung.sichererVerlust += verlust;
        if (wissen != Wissen::unbekannt && verlust > teuerst && bewertungen[k].besteSeite != seite) {
            teuerst = verlust;
            bewertung.teuersteSeite = static_cast<int>(j);
            bewertung.besteSeite = bewertungen[k].besteSeite;
        }
    }
    if (bewertung.besteSeite >= 0)
        bewertung.besser = seitenname(raster, bewertung.besteSeite);
    return bewertung;
}
