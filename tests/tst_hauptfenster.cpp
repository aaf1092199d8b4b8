#include "game/spiellabel.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QLayout>
#include <QStatusBar>
#include <QtTest>

#include <algorithm>

class TestHauptfenster : public QObject
{
    Q_OBJECT

private slots:
    void menuesUndAnfangszustand();
    void statuszeileUnterEinerMeldung();
    void fensterPasstZumBrett_data();
    void fensterPasstZumBrett();
};

// The entries of a menu by their texts, "-" for a separator.
static QStringList eintraege(const MainWindow &fenster, const char *menue)
{
    QStringList texte;
    for (const QAction *eintrag : fenster.findChild<QWidget *>(QLatin1String(menue))->actions())
        texte << (eintrag->isSeparator() ? QStringLiteral("-") : eintrag->text());
    return texte;
}

void TestHauptfenster::menuesUndAnfangszustand()
{
    MainWindow fenster;
    fenster.show();
    QCOMPARE(eintraege(fenster, "menuBar"), (QStringList{"Datei", "Bearbeiten", "Einstellungen"}));
    QCOMPARE(eintraege(fenster, "menuDatei"), (QStringList{"Neues Spiel", "Spiel öffnen", "Spiel speichern",
                                                            "Spiel speichern unter", "-", "Beenden"}));
    QCOMPARE(eintraege(fenster, "menuBearbeiten"), (QStringList{"Rückgängig", "Wiederherstellen"}));
    QCOMPARE(eintraege(fenster, "menuEinstellungen"), (QStringList{"Größe", "Level", "Mensch startet"}));
    QCOMPARE(eintraege(fenster, "menuGroesse"), (QStringList{"Klein", "Mittel", "Groß"}));
    QCOMPARE(eintraege(fenster, "menuLevel_2"), (QStringList{"5 - Stark", "4", "3 - Mittel", "2", "1 - Schwach"}));
    const QMap<QString, QString> kuerzel{{"Neues Spiel", "Ctrl+N"}, {"Spiel öffnen", "Ctrl+O"},
        {"Spiel speichern", "Ctrl+S"}, {"Spiel speichern unter", "Ctrl+Alt+S"}, {"Beenden", "Ctrl+Q"},
        {"Rückgängig", "Ctrl+Z"}, {"Wiederherstellen", "Ctrl+Y"}};
    const QList<QAction *> aktionen = fenster.findChildren<QAction *>(QRegularExpression("^action"));
    QCOMPARE(aktionen.size(), 16);
    for (const QAction *aktion : aktionen) {
        const QString text = aktion->text();
        QCOMPARE(aktion->shortcut(), QKeySequence(kuerzel.value(text)));
        QCOMPARE(aktion->isEnabled(), text != "Rückgängig" && text != "Wiederherstellen");
        QCOMPARE(aktion->font().bold(), text == "Klein" || text == "5 - Stark");
        QCOMPARE(aktion->isCheckable(), text == "Mensch startet");
        QCOMPARE(aktion->isChecked(), text == "Mensch startet");
    }
    QCOMPARE(fenster.windowTitle(), QStringLiteral("Punktfeld"));
    const QIcon symbol(QStringLiteral(":/icons/board.ico"));
    QVERIFY(!symbol.isNull());
    QCOMPARE(fenster.windowIcon().pixmap(32).toImage(), symbol.pixmap(32).toImage());
    QCOMPARE(fenster.statusZeile().text(), QStringLiteral("Mensch: 0, Computer: 0, du bist dran"));
    fenster.findChild<QAction *>("actionBeenden")->trigger();
    QVERIFY(!fenster.isVisible());
}

void TestHauptfenster::statuszeileUnterEinerMeldung()
{
    MainWindow fenster;
    fenster.show();
    QStatusBar *leiste = fenster.statusBar();
    QLabel *zeile = const_cast<QLabel *>(&fenster.statusZeile());
    fenster.zeigeMeldung(QStringLiteral("Datei gespeichert"));
    for (int i = 0; i <= 50; ++i)
        fenster.setzeStatusText(QStringLiteral("Mensch: %1, Computer: 0, du bist dran").arg(i));
    QCOMPARE(leiste->currentMessage(), QStringLiteral("Datei gespeichert"));
    QVERIFY(!zeile->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(zeile->isVisible(), 3000);
    QCOMPARE(zeile->text(), QStringLiteral("Mensch: 50, Computer: 0, du bist dran"));
    // A layout holds a widget once however often it was added, but the
    // status bar remembers every addition: one removal must clear it.
    const auto imLayout = [leiste, zeile] {
        const QList<QLayout *> layouts = leiste->findChildren<QLayout *>();
        return std::any_of(layouts.begin(), layouts.end(), [zeile](QLayout *l) { return l->indexOf(zeile) >= 0; });
    };
    QVERIFY(imLayout());
    leiste->removeWidget(zeile);
    QVERIFY(!imLayout());
}

void TestHauptfenster::fensterPasstZumBrett_data()
{
    QTest::addColumn<int>("groesse");
    QTest::addColumn<QSize>("bild");
    QTest::newRow("Klein") << 0 << QSize(243, 204);
    QTest::newRow("Mittel") << 1 << QSize(523, 444);
    QTest::newRow("Groß") << 2 << QSize(883, 604);
}

void TestHauptfenster::fensterPasstZumBrett()
{
    QFETCH(int, groesse);
    QFETCH(QSize, bild);
    MainWindow fenster;
    // Starting from the large board, the window has to shrink as well.
    fenster.setzeGroesse(2, false, true);
    fenster.show();
    fenster.setzeGroesse(groesse, false, true);
    QCoreApplication::processEvents();
    const SpielLabel *brett = fenster.spiel();
    QCOMPARE(brett->size(), QSize(brett->breite(), brett->hoehe()));
    QCOMPARE(brett->size(), bild);
    QCOMPARE(fenster.minimumSize(), fenster.maximumSize());
    QCOMPARE(fenster.width(), bild.width());
}

QTEST_MAIN(TestHauptfenster)
#include "tst_hauptfenster.moc"
