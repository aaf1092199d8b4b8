#include "game/spiellabel.h"
#include "invarianten.h"
#include "shell/mainwindow.h"
#include "stellung.h"

#include <QAction>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>
#include <deque>
#include <random>

// A random player that does whatever a person could do to the window, as
// fast as it can, for a bounded time, checking after every step that the
// game is still whole. PUNKTFELD_DAUERLAUF_SEKUNDEN and
// PUNKTFELD_DAUERLAUF_SAMEN set the duration and the seed.
class TestDauerlauf : public QObject
{
    Q_OBJECT

private slots:
    void zufallsspielerHaeltDasSpielHeil();

private:
    int zufall(int anzahl) { return std::uniform_int_distribution<int>(0, anzahl - 1)(erzeuger); }
    QString druecke();
    QString schrittDerUhren();
    QString menue();
    QString datei();
    void beantworteDialoge(bool abbrechen, const QString &name);

    std::mt19937 erzeuger;
    MainWindow *fenster = nullptr;
    QTemporaryDir ordner;
};

QString TestDauerlauf::druecke()
{
    SpielLabel *label = fenster->spiel();
    QPoint punkt(zufall(label->breite() + 10) - 5, zufall(label->hoehe() + 10) - 5);
    // Most presses aim at a free side, so that games advance.
    const std::vector<QPoint> freie = Stellung::freieDruckpunkte(*label);
    if (!freie.empty() && zufall(10) < 8)
        punkt = freie[static_cast<std::size_t>(zufall(static_cast<int>(freie.size())))];
    const int wurf = zufall(20);
    const Qt::MouseButton knopf = wurf == 0 ? Qt::MiddleButton : wurf < 3 ? Qt::RightButton : Qt::LeftButton;
    QTest::mousePress(label, knopf, {}, punkt);
    return QStringLiteral("press %1 at %2,%3").arg(knopf).arg(punkt.x()).arg(punkt.y());
}

QString TestDauerlauf::schrittDerUhren()
{
    SpielLabel *label = fenster->spiel();
    if (zufall(10) == 0) {
        const int ms = zufall(40);
        QTest::qWait(ms);
        return QStringLiteral("wait %1 ms").arg(ms);
    }
    if (Stellung::faelligerSchritt(*label))
        return QStringLiteral("timer step");
    return QStringLiteral("no timer due");
}

QString TestDauerlauf::menue()
{
    // Commands that end the running game come seldom, so that games get
    // played to their end as well.
    static const char *const beenden[] = {"actionNeues_Spiel", "actionKlein", "actionKlein", "actionMittel", "actionGross"};
    static const char *const weiter[] = {
        "actionLevel5",       "actionLevel4",       "actionLevel3",           "actionLevel2",
        "actionLevel1",       "actionMensch_startet", "actionRueckgaengig",   "actionWiederherstellen",
    };
    const bool neuesSpiel = zufall(fenster->spiel()->istFertig() ? 2 : 25) == 0;
    const char *name = neuesSpiel ? beenden[zufall(static_cast<int>(std::size(beenden)))]
                                      : weiter[zufall(static_cast<int>(std::size(weiter)))];
    // A person can reach only enabled entries; trigger() would not ask.
    QAction *aktion = fenster->findChild<QAction *>(QString::fromLatin1(name));
    if (!aktion->isEnabled())
        return QString::fromLatin1(name) + QStringLiteral(" (disabled)");
    aktion->trigger();
    return QString::fromLatin1(name);
}

void TestDauerlauf::beantworteDialoge(bool abbrechen, const QString &name)
{
    // Answers whatever modal window comes up while the command runs: the file
    // dialog, the question whether to overwrite, and any warning.
    auto *antworter = new QTimer(this);
    connect(antworter, &QTimer::timeout, antworter, [abbrechen, name, versucht = false]() mutable {
        QWidget *modal = QApplication::activeModalWidget();
        if (auto *dialog = qobject_cast<QFileDialog *>(modal)) {
            if (abbrechen || versucht) {
                dialog->reject();
            } else {
                versucht = true;
                dialog->selectFile(name);
                static_cast<QDialog *>(dialog)->accept();
            }
        } else if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            QAbstractButton *knopf = box->button(QMessageBox::Yes);
            (knopf ? knopf : box->button(QMessageBox::Ok))->click();
        }
    });
    connect(fenster, &QObject::destroyed, antworter, &QObject::deleteLater);
    antworter->start(5);
    QTimer::singleShot(0, antworter, [antworter] {
        QTimer::singleShot(2000, antworter, &QObject::deleteLater);
    });
}

QString TestDauerlauf::datei()
{
    const QString name = ordner.filePath(QStringLiteral("spiel%1.pf").arg(zufall(3)));
    const bool abbrechen = zufall(5) == 0;
    const int wahl = zufall(4);
    if (wahl == 3) {
        // A damaged file: the game must refuse it and stay as it was.
        QFile kaputt(name);
        if (kaputt.open(QIODevice::WriteOnly)) {
            QByteArray bytes(zufall(400), '\0');
            for (char &b : bytes)
                b = static_cast<char>(zufall(256));
            kaputt.write(bytes);
        }
    }
    static const char *const aktionen[] = {"actionSpiel_speichern", "actionSpiel_speichern_unter",
                                           "actionSpiel_oeffnen", "actionSpiel_oeffnen"};
    beantworteDialoge(abbrechen, name);
    fenster->findChild<QAction *>(QString::fromLatin1(aktionen[wahl]))->trigger();
    QCoreApplication::sendPostedEvents();
    return QStringLiteral("%1 %2%3").arg(QString::fromLatin1(aktionen[wahl]), name,
                                         abbrechen ? QStringLiteral(" (cancelled)") : QString());
}

void TestDauerlauf::zufallsspielerHaeltDasSpielHeil()
{
    QVERIFY(ordner.isValid());
    const int sekunden = qEnvironmentVariableIsSet("PUNKTFELD_DAUERLAUF_SEKUNDEN")
        ? qEnvironmentVariableIntValue("PUNKTFELD_DAUERLAUF_SEKUNDEN")
        : 30;
    const unsigned samen = qEnvironmentVariableIsSet("PUNKTFELD_DAUERLAUF_SAMEN")
        ? static_cast<unsigned>(qEnvironmentVariableIntValue("PUNKTFELD_DAUERLAUF_SAMEN"))
        : 20261206u;
    MainWindow hauptfenster;
    fenster = &hauptfenster;
    hauptfenster.show();
    std::srand(samen);
    erzeuger.seed(samen);

    std::deque<QString> letzteSchritte;
    long schritte = 0;
    int beendet = 0;
    bool warFertig = false;
    QElapsedTimer uhr;
    uhr.start();
    // A run that has not seen a game end yet gets up to the same time again.
    const auto weiter = [&] {
        return uhr.elapsed() < sekunden * 1000LL || (beendet == 0 && uhr.elapsed() < sekunden * 2000LL);
    };
    while (weiter()) {
        const int art = zufall(100);
        const QString schritt = art < 50 ? druecke() : art < 93 ? schrittDerUhren() : art < 99 ? menue() : datei();
        ++schritte;
        letzteSchritte.push_back(schritt);
        if (letzteSchritte.size() > 25)
            letzteSchritte.pop_front();
        const QString fehler = Invarianten::pruefe(hauptfenster);
        if (!fehler.isEmpty()) {
            QStringList bericht{QStringLiteral("seed %1, step %2: %3").arg(samen).arg(schritte).arg(fehler)};
            for (const QString &s : letzteSchritte)
                bericht << QStringLiteral("  ") + s;
            QFAIL(qPrintable(bericht.join(QLatin1Char('\n'))));
        }
        const bool fertig = hauptfenster.spiel()->istFertig();
        beendet += fertig && !warFertig ? 1 : 0;
        warFertig = fertig;
    }
    qInfo("%ld steps, %d games finished, seed %u", schritte, beendet, samen);
    QVERIFY(beendet > 0);
}

QTEST_MAIN(TestDauerlauf)
#include "tst_dauerlauf.moc"
