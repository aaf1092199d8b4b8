#include "partie.h"
#include "savegame/spielstand.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QLine>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QVector>

#include <cstdio>
#include <cstdlib>
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// Each operation of the game is measured beside its floor, the least work the
// operation must do, and the summary after the run gives the ratio of the two.
namespace {

constexpr int gross = 2;
constexpr unsigned saat = 4711;
const char *const groessenNamen[3] = {"klein", "mittel", "gross"};

int breiteFuer(int groesse) { return 40 * Spielfeld::spaltenFuer(groesse) + 3; }
int hoeheFuer(int groesse) { return 40 * Spielfeld::zeilenFuer(groesse) + 4; }

QPen stift(Qt::GlobalColor farbe, int breite)
{
    QPen pen{QColor(farbe)};
    pen.setWidth(breite);
    return pen;
}

void zaehleGeschlossene(const Spielfeld &spielfeld)
{
    int summe = 0;
    for (const Feld *feld : spielfeld)
        summe += feld->anzahlGeschlossen();
    benchmark::DoNotOptimize(summe);
}

// A saved game whose player to move is stored as the human, so that opening
// it starts no timer.
QByteArray stand(SpielLabel &label)
{
    return Spielstand::schreibe(gross, 5, true, label.brett());
}

// Three positions of one game on the large board, level 5 against level 5:
// after a tenth of the sides, the first one with neither a box to complete
// nor a safe side, and the first one with three quarters of the boxes owned
// and none to complete.
struct Stellungen {
    QByteArray frueh, mitte, spaet;
};

const Stellungen &stellungen()
{
    static const Stellungen gespielt = [] {
        Stellungen s;
        SpielLabel label(nullptr);
        std::srand(saat);
        label.neuesSpiel(gross, true);
        const Spielfeld &brett = label.brett();
        int freie = 0;
        for (const Feld *feld : brett)
            freie += static_cast<int>(feld->freieRichtungen().size());
        Computerspieler wahl;
        bool mensch = true;
        for (int seiten = 0; !label.istFertig(); ++seiten) {
            const bool dreier = Partie::hatDreier(brett);
            const int besetzt = label.punkteDesMenschen() + label.punkteDesComputers();
            if (s.frueh.isEmpty() && seiten == freie / 2 / 10)
                s.frueh = stand(label);
            if (s.mitte.isEmpty() && !dreier && !Partie::hatSichereSeite(brett))
                s.mitte = stand(label);
            if (s.spaet.isEmpty() && !dreier && 4 * besetzt >= 3 * label.felderImSpiel())
                s.spaet = stand(label);
            Partie::zug(label, wahl, 5, mensch);
        }
        return s;
    }();
    return gespielt;
}

// The game's two timers, stepped by hand: the blink (100 ms) and the
// computer's move (300 ms).
struct Uhren {
    QTimer *blink = nullptr;
    QTimer *computer = nullptr;
    explicit Uhren(SpielLabel &label)
    {
        for (QTimer *uhr : label.findChildren<QTimer *>())
            (uhr->interval() == 100 ? blink : computer) = uhr;
    }
};

// One step of a whole game: a due timer's slot, or else a press on a random
// free side. Returns false when nothing was left to do.
bool schritt(SpielLabel &label, const Uhren &uhren, int *computerZuege = nullptr)
{
    for (QTimer *uhr : {uhren.blink, uhren.computer}) {
        if (uhr->isActive()) {
            uhr->stop();
            const bool computer = uhr == uhren.computer;
            if (computer && computerZuege)
                ++*computerZuege;
            QMetaObject::invokeMethod(&label, computer ? "computerZug" : "blinkeMitSeite");
            return true;
        }
    }
    static const int dx[4] = {20, 39, 20, 1};
    static const int dy[4] = {1, 20, 39, 20};
    std::vector<QPoint> freie;
    for (const Feld *feld : label.brett()) {
        for (int richtung : feld->freieRichtungen())
            freie.emplace_back(feld->pixelX() + dx[richtung], feld->pixelY() + dy[richtung]);
    }
    if (freie.empty())
        return false;
    QMouseEvent druck(QEvent::MouseButtonPress, freie[static_cast<std::size_t>(std::rand()) % freie.size()],
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&label, &druck);
    return true;
}

// --- a new game, against painting the empty grid once with one painter ---

void neuesSpiel(benchmark::State &state, int groesse)
{
    SpielLabel label(nullptr);
    std::srand(saat);
    for (auto _ : state)
        label.neuesSpiel(groesse, true);
}

void bodenBrett(benchmark::State &state, int groesse)
{
    QVector<QLine> innen;
    QVector<QLine> rahmen;
    const int spalten = Spielfeld::spaltenFuer(groesse);
    const int zeilen = Spielfeld::zeilenFuer(groesse);
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const int x = 1 + 40 * c;
            const int y = 2 + 40 * r;
            if (r == 0)
                rahmen << QLine(x, y, x + 40, y);
            if (c == 0)
                rahmen << QLine(x, y, x, y + 40);
            (c + 1 < spalten ? innen : rahmen) << QLine(x + 40, y, x + 40, y + 40);
            (r + 1 < zeilen ? innen : rahmen) << QLine(x, y + 40, x + 40, y + 40);
        }
    }
    for (auto _ : state) {
        QPixmap bild(breiteFuer(groesse), hoeheFuer(groesse));
        bild.fill(Qt::yellow);
        QPainter maler(&bild);
        maler.setPen(stift(Qt::lightGray, 1));
        maler.drawLines(innen);
        maler.setPen(stift(Qt::black, 1));
        maler.drawLines(rahmen);
    }
}

// --- one decision of the computer, against one pass counting closed sides ---

// With `gezeigt` false the label drops its copy of the picture before each
// decision, so that painting the chosen side copies nothing: the difference
// is the cost of that copy.
void entscheidung(benchmark::State &state, QByteArray Stellungen::*welche, bool gezeigt)
{
    SpielLabel label(nullptr);
    if (!label.ladeSpielstand(stellungen().*welche)) {
        state.SkipWithError("position not reached");
        return;
    }
    Computerspieler wahl;
    std::vector<Feld *> neueFelder;
    std::srand(saat);
    if (!gezeigt)
        label.setPixmap(QPixmap());
    for (auto _ : state) {
        Seite *seite = wahl.zieheSeite(Partie::brett(label), 5, neueFelder);
        state.PauseTiming();
        // Only the one side was taken; giving it back restores the position.
        seite->nimmZurueck();
        neueFelder.clear();
        std::srand(saat);
        if (!gezeigt)
            label.setPixmap(QPixmap());
        state.ResumeTiming();
    }
}

void bodenDurchgang(benchmark::State &state)
{
    SpielLabel label(nullptr);
    label.ladeSpielstand(stellungen().mitte);
    for (auto _ : state)
        zaehleGeschlossene(label.brett());
}

// --- the longest chain: one ring through all 330 boxes of the large board ---

void sammleKette(benchmark::State &state)
{
    SpielLabel label(nullptr);
    label.neuesSpiel(gross, false);
    const int zeilen = Spielfeld::zeilenFuer(gross);
    const int spalten = Spielfeld::spaltenFuer(gross);
    // Down and up the columns through rows 1 to the last, then back along
    // row 0; this closes because the board has an even number of columns.
    std::vector<int> platz(zeilen * spalten);
    int n = 0;
    for (int c = 0; c < spalten; ++c) {
        for (int i = 1; i < zeilen; ++i)
            platz[(c % 2 ? zeilen - i : i) * spalten + c] = n++;
    }
    for (int c = spalten - 1; c >= 0; --c)
        platz[c] = n++;
    const auto imRing = [&](int a, int b) {
        const int abstand = std::abs(platz[a] - platz[b]);
        return abstand == 1 || abstand == n - 1;
    };
    for (int r = 0; r < zeilen; ++r) {
        for (int c = 0; c < spalten; ++c) {
            const int i = r * spalten + c;
            if (c + 1 < spalten && !imRing(i, i + 1))
                label.brett().feld(r, c)->zieheSeite(1);
            if (r + 1 < zeilen && !imRing(i, i + spalten))
                label.brett().feld(r, c)->zieheSeite(2);
        }
    }
    Feld *start = label.brett().feld(0, 0);
    {
        Computerspieler wahl;
        wahl.klassifiziere(Partie::brett(label));
        std::vector<Feld *> kette;
        wahl.sammleKette(start, kette);
        if (!wahl.zweier().empty() || static_cast<int>(kette.size()) != n) {
            state.SkipWithError("the ring is not one chain of all boxes");
            return;
        }
    }
    for (auto _ : state) {
        Computerspieler wahl;
        wahl.klassifiziere(Partie::brett(label));
        std::vector<Feld *> kette;
        wahl.sammleKette(start, kette);
        benchmark::DoNotOptimize(kette.data());
    }
}

// --- checking and opening a saved large game, against reading its bytes ---

void spielstandLies(benchmark::State &state)
{
    const QByteArray daten = stellungen().spaet;
    for (auto _ : state) {
        auto gelesen = Spielstand::lies(daten);
        benchmark::DoNotOptimize(gelesen);
    }
}

void ladeSpielstand(benchmark::State &state)
{
    SpielLabel label(nullptr);
    const QByteArray daten = stellungen().spaet;
    for (auto _ : state) {
        if (!label.ladeSpielstand(daten))
            state.SkipWithError("saved game refused");
    }
}

void bodenDateiLesen(benchmark::State &state)
{
    QTemporaryDir ordner;
    const QString name = ordner.filePath(QStringLiteral("spaet.pf"));
    QFile datei(name);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(stellungen().spaet) != stellungen().spaet.size()) {
        state.SkipWithError("cannot write the saved game");
        return;
    }
    datei.close();
    for (auto _ : state) {
        QFile lesen(name);
        lesen.open(QIODevice::ReadOnly);
        const QByteArray daten = lesen.readAll();
        benchmark::DoNotOptimize(daten.data());
    }
}

// --- one whole game on the large board, every move of both players ---

// With `loslassen` the label lets go of its copy of the picture before each
// step, so that only the second and later paintings of a step copy it.
void ganzesSpiel(benchmark::State &state, bool loslassen)
{
    SpielLabel label(nullptr);
    const Uhren uhren(label);
    for (auto _ : state) {
        state.PauseTiming();
        std::srand(saat);
        label.neuesSpiel(gross, true);
        state.ResumeTiming();
        do {
            if (loslassen)
                label.setPixmap(QPixmap());
        } while (!label.istFertig() && schritt(label, uhren));
    }
}

// The floor of a whole game: every side and symbol the game ends with,
// painted with one painter into a picture of its own, and one pass counting
// closed sides for every decision of the computer.
void bodenGanzesSpiel(benchmark::State &state)
{
    SpielLabel label(nullptr);
    const Uhren uhren(label);
    std::srand(saat);
    label.neuesSpiel(gross, true);
    int computerZuege = 0;
    while (!label.istFertig() && schritt(label, uhren, &computerZuege)) {
    }
    QVector<QLine> seiten;
    std::vector<const Feld *> besessen;
    for (const Feld *feld : label.brett()) {
        const int x = feld->pixelX();
        const int y = feld->pixelY();
        if (feld->seite(1)->istGezogen())
            seiten << QLine(x + 40, y, x + 40, y + 40);
        if (feld->seite(2)->istGezogen())
            seiten << QLine(x, y + 40, x + 40, y + 40);
        if (!feld->istGesperrt())
            besessen.push_back(feld);
    }
    QPixmap bild(breiteFuer(gross), hoeheFuer(gross));
    bild.fill(Qt::yellow);
    for (auto _ : state) {
        {
            QPainter maler(&bild);
            maler.setPen(stift(Qt::black, 2));
            maler.drawLines(seiten);
            for (const Feld *feld : besessen) {
                const int x = feld->pixelX();
                const int y = feld->pixelY();
                if (feld->istVomMenschen()) {
                    maler.setPen(stift(Qt::black, 2));
                    maler.drawEllipse(QRect(x + 4, y + 4, 32, 32));
                    maler.setPen(stift(Qt::red, 2));
                    maler.drawArc(QRectF(x + 12, y + 20, 16.0, 8.0), -480, -1920);
                    maler.setPen(stift(Qt::blue, 3));
                    maler.drawEllipse(QRect(x + 12, y + 12, 4, 4));
                    maler.drawEllipse(QRect(x + 24, y + 12, 4, 4));
                } else {
                    maler.setPen(stift(Qt::black, 2));
                    maler.drawRoundedRect(QRectF(x + 4, y + 8, 32.0, 24.0), 3.0, 3.0, Qt::AbsoluteSize);
                }
            }
        }
        for (int i = 0; i < computerZuege; ++i)
            zaehleGeschlossene(label.brett());
    }
    state.counters["computer_decisions"] = computerZuege;
    state.counters["sides"] = seiten.size();
    state.counters["boxes"] = static_cast<double>(besessen.size());
}

// --- one side painted while the label shows the picture, against one side
// painted into a picture nobody else holds ---

// With `loslassen` the label first lets go of its copy, as a game could do
// before each painting, so that the painter finds the picture unshared.
void seiteMalenGeteilt(benchmark::State &state, bool loslassen)
{
    SpielLabel label(nullptr);
    label.neuesSpiel(gross, false);
    const Seite *seite = label.brett().feld(7, 10)->seite(1);
    for (auto _ : state) {
        if (loslassen)
            label.setPixmap(QPixmap());
        seite->markiere(false);
    }
}

// The same with a plain pixmap of which a second handle holds a copy: the
// painter must first copy the whole picture.
void seiteMalenKopie(benchmark::State &state)
{
    QPixmap bild(breiteFuer(gross), hoeheFuer(gross));
    bild.fill(Qt::yellow);
    const QLine linie(401, 282, 401, 322);
    for (auto _ : state) {
        const QPixmap kopie = bild;
        QPainter maler(&bild);
        maler.setPen(stift(Qt::cyan, 1));
        maler.drawLines(&linie, 1);
    }
}

void bodenSeiteMalen(benchmark::State &state)
{
    QPixmap bild(breiteFuer(gross), hoeheFuer(gross));
    bild.fill(Qt::yellow);
    const QLine linie(401, 282, 401, 322);
    for (auto _ : state) {
        QPainter maler(&bild);
        maler.setPen(stift(Qt::cyan, 1));
        maler.drawLines(&linie, 1);
    }
}

// Prints the console output and, after the run, each operation's CPU time
// (the median when the run was repeated) as a ratio to its floor's.
class Verhaeltnisse : public benchmark::ConsoleReporter
{
public:
    explicit Verhaeltnisse(std::vector<std::pair<std::string, std::string>> paare) : paare(std::move(paare)) {}

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median)
                continue;
            Zeit &zeit = zeiten[run.run_name.function_name];
            if (median || !zeit.median)
                zeit = {run.GetAdjustedCPUTime() / benchmark::GetTimeUnitMultiplier(run.time_unit), median};
        }
    }

    void Finalize() override
    {
        std::ostream &aus = GetOutputStream();
        aus << "\nCPU time against the floor (median when repeated):\n";
        char zeile[200];
        for (const auto &[name, boden] : paare) {
            const auto a = zeiten.find(name);
            const auto b = zeiten.find(boden);
            if (a == zeiten.end() || b == zeiten.end())
                continue;
            std::snprintf(zeile, sizeof zeile, "%-28s %12s  %-28s %12s  ratio %8.1f\n", name.c_str(),
                          text(a->second.sekunden).c_str(), boden.c_str(), text(b->second.sekunden).c_str(),
                          a->second.sekunden / b->second.sekunden);
            aus << zeile;
        }
        ConsoleReporter::Finalize();
    }

private:
    struct Zeit {
        double sekunden = 0;
        bool median = false;
    };

    static std::string text(double sekunden)
    {
        char puffer[32];
        if (sekunden < 1e-6)
            std::snprintf(puffer, sizeof puffer, "%.0f ns", sekunden * 1e9);
        else if (sekunden < 1e-3)
            std::snprintf(puffer, sizeof puffer, "%.1f us", sekunden * 1e6);
        else
            std::snprintf(puffer, sizeof puffer, "%.2f ms", sekunden * 1e3);
        return puffer;
    }

    std::vector<std::pair<std::string, std::string>> paare;
    std::map<std::string, Zeit> zeiten;
};

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    benchmark::Initialize(&argc, argv);
    QApplication app(argc, argv);

    std::vector<std::pair<std::string, std::string>> paare;
    const auto miss = [&paare](const std::string &name, const std::string &boden, auto &&funktion, auto... args) {
        paare.emplace_back(name, boden);
        return benchmark::RegisterBenchmark(name.c_str(), funktion, args...);
    };
    const auto boden = [](const std::string &name, auto &&funktion, auto... args) {
        return benchmark::RegisterBenchmark(name.c_str(), funktion, args...);
    };

    for (int g = 0; g < 3; ++g) {
        const std::string groesse = groessenNamen[g];
        miss("neuesSpiel/" + groesse, "floor/grid/" + groesse, neuesSpiel, g)->Unit(benchmark::kMicrosecond);
        boden("floor/grid/" + groesse, bodenBrett, g)->Unit(benchmark::kMicrosecond);
    }
    // Restoring the position between decisions costs far more than the
    // decision itself, so a fixed number of decisions keeps the run short.
    miss("decision/early", "floor/pass", entscheidung, &Stellungen::frueh, true)->Iterations(300);
    miss("decision/middle", "floor/pass", entscheidung, &Stellungen::mitte, true)->Iterations(300);
    miss("decision/late", "floor/pass", entscheidung, &Stellungen::spaet, true)->Iterations(300);
    miss("decision/middle_unshown", "floor/pass", entscheidung, &Stellungen::mitte, false)->Iterations(300);
    miss("sammleKette/ring330", "floor/pass", sammleKette)->Unit(benchmark::kMicrosecond);
    boden("floor/pass", bodenDurchgang);
    miss("Spielstand::lies", "floor/read_file", spielstandLies)->Unit(benchmark::kMicrosecond);
    miss("ladeSpielstand", "floor/read_file", ladeSpielstand)->Unit(benchmark::kMicrosecond);
    boden("floor/read_file", bodenDateiLesen)->Unit(benchmark::kMicrosecond);
    miss("wholeGame/gross", "floor/wholeGame", ganzesSpiel, false)->Unit(benchmark::kMillisecond);
    miss("wholeGame/gross_let_go", "floor/wholeGame", ganzesSpiel, true)->Unit(benchmark::kMillisecond);
    boden("floor/wholeGame", bodenGanzesSpiel)->Unit(benchmark::kMillisecond);
    miss("side/picture_shared", "floor/side", seiteMalenGeteilt, false)->Unit(benchmark::kMicrosecond);
    miss("side/label_let_go_first", "floor/side", seiteMalenGeteilt, true)->Unit(benchmark::kMicrosecond);
    miss("side/pixmap_copy_held", "floor/side", seiteMalenKopie)->Unit(benchmark::kMicrosecond);
    boden("floor/side", bodenSeiteMalen)->Unit(benchmark::kMicrosecond);

    Verhaeltnisse bericht(std::move(paare));
    benchmark::RunSpecifiedBenchmarks(&bericht);
    benchmark::Shutdown();
    return 0;
}
