#include "stellung.h"

#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>

namespace Stellung {

namespace {

QChar zeichen(const QStringList &zeilen, int zeile, int spalte)
{
    return zeile < zeilen.size() && spalte < zeilen.at(zeile).size() ? zeilen.at(zeile).at(spalte) : QChar(' ');
}

}

SpielLabel &spiel(const MainWindow &fenster)
{
    return *qobject_cast<SpielLabel *>(fenster.centralWidget());
}

QString status(const MainWindow &fenster)
{
    return fenster.statusBar()->findChild<QLabel *>()->text();
}

bool aktiv(const MainWindow &fenster, const QString &aktion)
{
    return fenster.findChild<QAction *>(aktion)->isEnabled();
}

void loese(const MainWindow &fenster, const QString &aktion)
{
    fenster.findChild<QAction *>(aktion)->trigger();
}

QStringList fett(const MainWindow &fenster)
{
    QStringList namen;
    for (const QAction *aktion : fenster.findChildren<QAction *>()) {
        if (aktion->font().bold())
            namen << aktion->objectName();
    }
    return namen;
}

void setze(SpielLabel &label, const QString &zeichnung)
{
    QStringList zeilen = zeichnung.split('\n');
    while (!zeilen.isEmpty() && zeilen.first().trimmed().isEmpty())
        zeilen.removeFirst();
    const Spielfeld &brett = label.brett();
    const auto jedesFeld = [&](auto tue) {
        for (int r = 0; r < brett.zeilenAnzahl(); ++r) {
            for (int c = 0; c < brett.spaltenAnzahl(); ++c)
                tue(brett.feld(r, c), r, c, zeichen(zeilen, 2 * r + 1, 3 * c + 1));
        }
    };
    // Blocked first, as in a game, so that sides taken later paint over the
    // gray of a hole where they meet it.
    jedesFeld([](Feld *f, int, int, QChar inhalt) {
        if (inhalt == '#')
            f->sperre();
    });
    jedesFeld([&](Feld *f, int r, int c, QChar) {
        const bool zu[4] = {zeichen(zeilen, 2 * r, 3 * c + 1) == '-', zeichen(zeilen, 2 * r + 1, 3 * c + 3) == '|',
                            zeichen(zeilen, 2 * r + 2, 3 * c + 1) == '-', zeichen(zeilen, 2 * r + 1, 3 * c) == '|'};
        for (int richtung = 0; richtung < 4; ++richtung) {
            if (zu[richtung])
                f->seite(richtung)->ziehe();
        }
    });
    jedesFeld([](Feld *f, int, int, QChar inhalt) {
        if (inhalt == 'H' || inhalt == 'C')
            f->zeichneBesitzer(inhalt == 'H');
    });
    label.zeigeBild();
}

QString lies(const SpielLabel &label)
{
    const Spielfeld &brett = label.brett();
    const int zeilen = brett.zeilenAnzahl(), spalten = brett.spaltenAnzahl();
    // Closed are the frame and the sides a player took; the sides of a hole
    // show as free, since blocking the hole closes them.
    const auto seite = [&](int r, int c, int richtung, const char *zu, const char *frei) {
        const bool rahmen = (richtung == 0 && r == 0) || (richtung == 1 && c == spalten - 1)
            || (richtung == 2 && r == zeilen - 1) || (richtung == 3 && c == 0);
        return QString::fromLatin1(rahmen || brett.feld(r, c)->seite(richtung)->istGezogen() ? zu : frei);
    };
    QStringList text;
    for (int r = 0; r < zeilen; ++r) {
        QString oben = "+", mitte;
        for (int c = 0; c < spalten; ++c) {
            const Feld *f = brett.feld(r, c);
            oben += seite(r, c, 0, "--+", "  +");
            mitte += seite(r, c, 3, "|", " ");
            mitte += f->istGesperrt() ? "##" : !f->istGeschlossen() ? "  " : f->istVomMenschen() ? "H " : "C ";
        }
        text << oben << mitte + seite(r, spalten - 1, 1, "|", " ");
    }
    QString unten = "+";
    for (int c = 0; c < spalten; ++c)
        unten += seite(zeilen - 1, c, 2, "--+", "  +");
    return (text << unten).join('\n');
}

QImage bild(const SpielLabel &label)
{
    return label.pixmap(Qt::ReturnByValue).toImage();
}

QColor pixel(const SpielLabel &label, int x, int y)
{
    return bild(label).pixelColor(x, y);
}

QPoint druckpunkt(int zeile, int spalte, int richtung)
{
    static const QPoint abstand[4] = {{20, 6}, {34, 20}, {20, 34}, {6, 20}};
    return QPoint(1 + 40 * spalte, 2 + 40 * zeile) + abstand[richtung & 3];
}

void druecke(SpielLabel &label, QPoint punkt, Qt::MouseButton taste)
{
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(punkt), label.mapToGlobal(punkt), taste, taste, Qt::NoModifier);
    QApplication::sendEvent(&label, &druck);
}

}
