// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "analyse.h"

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
// sides then follow in order.
void Analyse::bereiteVor()
{
    const Stellung &jetzt = partie.stellung();
    raster = jetzt.gitter();
    const Verlauf &verlauf = partie.verlauf();
    const std::size_t aufDemBrett = verlauf.anzahlAufDemBrett();
    Stellung anfang = jetzt;
    for (std::size_t i = 0; i < aufDemBrett; ++i) {
        for (const int seite : verlauf.alle()[i].seiten)
            anfang.gibFrei(seite);
    }

    Lage lage(anfang);
    lagen = {lage};
    menschZieht.clear();
    gezogen.clear();
    ersteSeite.clear();
    vorsprung = {partie.punkteMensch() - partie.punkteComputer()};
    for (std::size_t i = 0; i < aufDemBrett; ++i) {
        const Zug &zug = verlauf.alle()[i];
        gezogen.emplace_back();
        ersteSeite.push_back(zug.seiten.front());
        for (const int seite : zug.seiten) {
            lage.ziehe(seite);
            gezogen.back() << seitenname(raster, seite);
        }
        lagen.push_back(lage);
        menschZieht.push_back(zug.spieler);
        vorsprung.push_back(0);
    }
    menschZieht.push_back(partie.menschAmZug());
    // The lead now, counted back through the boxes each record completed.
    vorsprung.back() = partie.punkteMensch() - partie.punkteComputer();
    for (std::size_t i = aufDemBrett; i-- > 0;) {
        const Zug &zug = verlauf.alle()[i];
        const int felder = static_cast<int>(zug.felder.size());
        vorsprung[i] = vorsprung[i + 1] - (zug.spieler ? felder : -felder);
    }
}

void Analyse::auswerten(const std::vector<Rueckschau::Bewertung> &bewertungen)
{
    if (bewertungen.size() != lagen.size())
        return;
    Ergebnis ergebnis;
    // The human's lead at the end with best play from each position.
    std::vector<int> ende(lagen.size());
    for (std::size_t k = 0; k < lagen.size(); ++k) {
        const int wert = menschZieht[k] ? bewertungen[k].wert : -bewertungen[k].wert;
        ende[k] = vorsprung[k] + wert;
        ergebnis.punkte.push_back({static_cast<int>(k), ende[k], bewertungen[k].exakt, false});
    }
    for (std::size_t k = 0; k + 1 < lagen.size(); ++k) {
        if (!menschZieht[k])
            continue;
        Zugbewertung bewertung;
        bewertung.zug = static_cast<int>(k) + 1;
        bewertung.eintrag = k;
        bewertung.gezogen = gezogen[k];
        // A box that goes to the computer instead changes the lead by two.
        bewertung.verlust = static_cast<int>(std::lround((ende[k] - ende[k + 1]) / 2.0));
        bewertung.exakt = bewertungen[k].exakt && bewertungen[k + 1].exakt;
        // Estimates of two positions can disagree where exact values cannot:
        // no turn gains on best play, and the Meister's own side loses
        // nothing.
        if (!bewertung.exakt)
            bewertung.verlust = ersteSeite[k] == bewertungen[k].besteSeite ? 0 : std::max(0, bewertung.verlust);
        bewertung.besteSeite = bewertungen[k].besteSeite;
        if (bewertung.verlust > 0 && bewertung.besteSeite >= 0)
            bewertung.besser = seitenname(raster, bewertung.besteSeite);
        // Only losses known for certain count as mistakes.
        ergebnis.punkte[k + 1].fehler = bewertung.exakt && bewertung.verlust > 0;
        ergebnis.zuege.push_back(bewertung);
    }
    emit fertig(ergebnis);
}
