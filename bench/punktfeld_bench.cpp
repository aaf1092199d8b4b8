// SPDX-FileCopyrightText: 2026 The Punktfeld developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "computer/kette.h"
#include "field/brettbild.h"
#include "field/geometrie.h"
#include "game/spiellabel.h"
#include "model/richtung.h"
#include "savegame/spielstand.h"
#include "shell/mainwindow.h"
#include "spieltreiber.h"
#include "ansicht.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLine>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QVector>

#include <cstdlib>
#include <utility>
#include <vector>

// Each operation of the game is measured beside its floor ("floor/..."), the
// least work the operation must do; BENCHMARKS.md gives the ratios.
namespace {

constexpr int gross = 2;
constexpr unsigned saat = 4711;
using Geometrie::feldKante;

QPen stift(Qt::GlobalColor farbe, int breite)
{
    QPen pen{QColor(farbe)};
    pen.setWidth(breite);
    return pen;
}

QPixmap leeresBild(int groesse)
{
    QPixmap bild(Geometrie::bildGroesse(Gitter::fuerGroesse(groesse)));
    bild.fill(Qt::yellow);
    return bild;
}

void zaehleGeschlossene(const Stellung &brett)
{
    int summe = 0;
    for (int platz = 0; platz < brett.gitter().feldAnzahl(); ++platz)
        summe += brett.geschlosseneSeiten(platz);
    benchmark::DoNotOptimize(summe);
}

Stellung gelesen(const QString &name)
{
    QFile datei(name);
    datei.open(QIODevice::ReadOnly);
    return Spielstand::lies(datei.readAll())->stellung();
}

struct Umgebung
{
    QTemporaryDir ordner;
    MainWindow fenster;
    SpielLabel &spiel = Ansicht::spiel(fenster);
    QString datei(const char *name) const { return ordner.filePath(name); }
};

Umgebung &umgebung()
{
    static Umgebung u;
    return u;
}

// Three saved positions of one game on the large board, level 5 against
// level 5, each with the human to move: after a tenth of the sides, the first
// with neither a box to complete nor a safe side, and the first with three
// quarters of the boxes owned.
void schreibeStellungen()
{
    Umgebung &u = umgebung();
    std::srand(saat);
    u.spiel.neuesSpiel(gross, true);
    Computerspieler wahl;
    int zuege = 0;
    bool mitte = false, spaet = false;
    Spieltreiber::spiele(u.spiel, [&] {
        const Stellung &brett = u.spiel.stellung();
        int besetzt = 0, imSpiel = 0, dreier = 0, zweier = 0;
        for (int platz = 0; platz < brett.gitter().feldAnzahl(); ++platz) {
            imSpiel += !brett.istGesperrt(platz);
            besetzt += !brett.istGesperrt(platz) && brett.istGeschlossen(platz);
            dreier += brett.geschlosseneSeiten(platz) == 3;
            zweier += brett.geschlosseneSeiten(platz) == 2;
        }
        if (++zuege == 40)
            u.fenster.schreibeDatei(u.datei("frueh.pf"));
        const int w = wahl.waehle(brett, 5);
        const auto [erstes, zweites] = brett.gitter().felderAn(w);
        const bool sicher = brett.geschlosseneSeiten(erstes) < 2 && brett.geschlosseneSeiten(zweites) < 2;
        if (!mitte && dreier == 0 && !sicher && zweier > 0)
            mitte = u.fenster.schreibeDatei(u.datei("mitte.pf"));
        if (!spaet && dreier == 0 && 4 * besetzt >= 3 * imSpiel)
            spaet = u.fenster.schreibeDatei(u.datei("spaet.pf"));
        return w;
    });
}

void neuesSpiel(benchmark::State &state, int groesse)
{
    std::srand(saat);
    for (auto _ : state)
        umgebung().spiel.neuesSpiel(groesse, true);
}

void bodenBrett(benchmark::State &state, int groesse)
{
    QVector<QLine> innen, rahmen;
    const int spalten = Gitter::fuerGroesse(groesse).spalten(), zeilen = Gitter::fuerGroesse(groesse).zeilen();
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const QPoint ecke = Geometrie::ecke(r, c);
            const int x = ecke.x(), y = ecke.y();
            if (r == 0)
                rahmen << QLine(x, y, x + feldKante, y);
            if (c == 0)
                rahmen << QLine(x, y, x, y + feldKante);
            (c + 1 < spalten ? innen : rahmen) << QLine(x + feldKante, y, x + feldKante, y + feldKante);
            (r + 1 < zeilen ? innen : rahmen) << QLine(x, y + feldKante, x + feldKante, y + feldKante);
        }
    }
    for (auto _ : state) {
        QPixmap bild = leeresBild(groesse);
        QPainter maler(&bild);
        maler.setPen(stift(Qt::lightGray, 1));
        maler.drawLines(innen);
        maler.setPen(stift(Qt::black, 1));
        maler.drawLines(rahmen);
    }
}

// The computer's choice and the drawing of its side; the side is freed
// again outside the timed region, so every decision is the same one.
void entscheidung(benchmark::State &state, const char *stellung)
{
    if (!QFile::exists(umgebung().datei(stellung))) {
        state.SkipWithError("position not reached");
        return;
    }
    Stellung brett = gelesen(umgebung().datei(stellung));
    Computerspieler wahl;
    for (auto _ : state) {
        std::srand(saat);
        const int seite = wahl.waehle(brett, 5);
        brett.ziehe(seite);
        state.PauseTiming();
        brett.gibFrei(seite);
        state.ResumeTiming();
    }
}

void bodenDurchgang(benchmark::State &state)
{
    const Stellung brett = gelesen(umgebung().datei("mitte.pf"));
    for (auto _ : state)
        zaehleGeschlossene(brett);
}

// The longest chain the large board can hold: one ring through all 330
// boxes, down and up the columns and back along the top row.
void ring(benchmark::State &state)
{
    const Gitter gitter = Gitter::fuerGroesse(gross);
    Stellung brett(gitter);
    const int zeilen = gitter.zeilen(), spalten = gitter.spalten();
    std::vector<int> platz(static_cast<std::size_t>(zeilen * spalten));
    int n = 0;
    for (int c = 0; c < spalten; ++c) {
        for (int i = 1; i < zeilen; ++i)
            platz[static_cast<std::size_t>((c % 2 ? zeilen - i : i) * spalten + c)] = n++;
    }
    for (int c = spalten - 1; c >= 0; --c)
        platz[static_cast<std::size_t>(c)] = n++;
    const auto imRing = [&](int a, int b) {
        const int abstand = std::abs(platz[std::size_t(a)] - platz[std::size_t(b)]);
        return abstand == 1 || abstand == n - 1;
    };
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const int i = r * spalten + c;
            if (c + 1 < spalten && !imRing(i, i + 1))
                brett.ziehe(gitter.seite(r, c, Richtung::rechts));
            if (r + 1 < zeilen && !imRing(i, i + spalten))
                brett.ziehe(gitter.seite(r, c, Richtung::unten));
        }
    }
    Kette kette;
    kette.sammle(brett, 0);
    if (kette.laenge() != n)
        state.SkipWithError("the ring is not one chain of all boxes");
    for (auto _ : state)
        kette.sammle(brett, 0);
}

void spielstandLies(benchmark::State &state)
{
    QFile datei(umgebung().datei("spaet.pf"));
    datei.open(QIODevice::ReadOnly);
    const QByteArray daten = datei.readAll();
    for (auto _ : state)
        benchmark::DoNotOptimize(Spielstand::lies(daten));
}

void ladeDatei(benchmark::State &state)
{
    for (auto _ : state)
        umgebung().fenster.ladeDatei(umgebung().datei("spaet.pf"));
}

// The finished picture of the same game, painted once from its position.
void bodenBildMalen(benchmark::State &state)
{
    const Stellung brett = gelesen(umgebung().datei("spaet.pf"));
    Brettbild bild;
    for (auto _ : state)
        bild.male(brett);
}

void bodenDateiLesen(benchmark::State &state)
{
    for (auto _ : state) {
        QFile datei(umgebung().datei("spaet.pf"));
        datei.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(datei.readAll());
    }
}

// From a new shaped large board to its end: the human presses random free
// sides, the computer answers, every timer stepped at once.
int ganzesSpielMitDruecken(SpielLabel &spiel)
{
    std::srand(saat);
    spiel.neuesSpiel(gross, true);
    int druecke = 0;
    Spieltreiber::spiele(spiel, [&] { return ++druecke, Computerspieler::irgendeineSeite(spiel.stellung()); });
    return druecke;
}

void ganzesSpiel(benchmark::State &state)
{
    for (auto _ : state)
        ganzesSpielMitDruecken(umgebung().spiel);
}

// Every side and symbol the whole game ends with, painted with one painter
// into a picture of its own, and one pass for each decision of the computer.
void bodenGanzesSpiel(benchmark::State &state)
{
    SpielLabel &spiel = umgebung().spiel;
    const int druecke = ganzesSpielMitDruecken(spiel);
    QVector<QLine> seiten;
    // The top-left dot of every box in play, and whether the human owns it.
    std::vector<std::pair<QPoint, bool>> besitzer;
    const Stellung &brett = spiel.stellung();
    const Gitter &gitter = brett.gitter();
    for (int platz = 0; platz < gitter.feldAnzahl(); ++platz) {
        const QPoint ecke = Geometrie::ecke(gitter, platz);
        const int x = ecke.x(), y = ecke.y();
        if (brett.art(gitter.seiteVon(platz, Richtung::rechts)) == Stellung::Art::gezogen)
            seiten << QLine(x + feldKante, y, x + feldKante, y + feldKante);
        if (brett.art(gitter.seiteVon(platz, Richtung::unten)) == Stellung::Art::gezogen)
            seiten << QLine(x, y + feldKante, x + feldKante, y + feldKante);
        if (!brett.istGesperrt(platz))
            besitzer.emplace_back(ecke, brett.besitzer(platz) == Stellung::Besitzer::mensch);
    }
    const int entscheidungen = seiten.size() - druecke;
    QPixmap bild = leeresBild(gross);
    for (auto _ : state) {
        QPainter maler(&bild);
        maler.setPen(stift(Qt::black, 2));
        maler.drawLines(seiten);
        for (const auto &[ecke, mensch] : besitzer) {
            const int x = ecke.x(), y = ecke.y();
            maler.setPen(stift(Qt::black, 2));
            if (!mensch) {
                maler.drawRoundedRect(QRectF(x + 4, y + 8, 32.0, 24.0), 3.0, 3.0, Qt::AbsoluteSize);
                continue;
            }
            maler.drawEllipse(QRect(x + 4, y + 4, 32, 32));
            maler.setPen(stift(Qt::red, 2));
            maler.drawArc(QRectF(x + 12, y + 20, 16.0, 8.0), -480, -1920);
            maler.setPen(stift(Qt::blue, 3));
            maler.drawEllipse(QRect(x + 12, y + 12, 4, 4));
            maler.drawEllipse(QRect(x + 24, y + 12, 4, 4));
        }
        for (int i = 0; i < entscheidungen; ++i)
            zaehleGeschlossene(brett);
    }
    state.counters["computer_decisions"] = entscheidungen;
}

// One step of a blink: the side painted over in its colour, then its area
// painted again from the position.
void seiteMalen(benchmark::State &state)
{
    const Stellung brett = gelesen(umgebung().datei("spaet.pf"));
    Brettbild bild;
    bild.male(brett);
    const int seite = brett.gitter().seite(7, 10, Richtung::rechts);
    for (auto _ : state) {
        bild.hebeHervor(brett, seite, Qt::cyan);
        bild.maleSeite(brett, seite);
    }
}

void bodenSeiteMalen(benchmark::State &state)
{
    QPixmap bild = leeresBild(gross);
    // The right side of box (7, 10), the side the blink paints above.
    const QPoint rechtsOben = Geometrie::ecke(7, 10) + QPoint(feldKante, 0);
    const QLine linie(rechtsOben, rechtsOben + QPoint(0, feldKante));
    for (auto _ : state) {
        QPainter maler(&bild);
        maler.setPen(stift(Qt::cyan, 1));
        maler.drawLines(&linie, 1);
    }
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);
    schreibeStellungen();

    const char *const groessen[3] = {"klein", "mittel", "gross"};
    for (int g = 0; g < 3; ++g) {
        benchmark::RegisterBenchmark((std::string("neuesSpiel/") + groessen[g]).c_str(), neuesSpiel, g)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("floor/grid/") + groessen[g]).c_str(), bodenBrett, g)
            ->Unit(benchmark::kMicrosecond);
    }
    const std::pair<const char *, const char *> stellungen[] = {{"early", "frueh.pf"}, {"middle", "mitte.pf"}, {"late", "spaet.pf"}};
    for (const auto &[name, datei] : stellungen)
        benchmark::RegisterBenchmark((std::string("decision/") + name).c_str(), entscheidung, datei);
    benchmark::RegisterBenchmark("floor/pass", bodenDurchgang);
    benchmark::RegisterBenchmark("chain/ring330", ring);
    benchmark::RegisterBenchmark("Spielstand::lies", spielstandLies);
    benchmark::RegisterBenchmark("ladeDatei", ladeDatei)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("floor/read_file", bodenDateiLesen);
    benchmark::RegisterBenchmark("floor/finished_picture", bodenBildMalen)->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("wholeGame/gross", ganzesSpiel)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("floor/wholeGame", bodenGanzesSpiel)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("side/blink", seiteMalen);
    benchmark::RegisterBenchmark("floor/side", bodenSeiteMalen);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
