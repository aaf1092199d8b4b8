#include "stellung.h"

#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"
#include "shell/mainwindow.h"

#include <QAction>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <QStringList>
#include <QTest>
#include <QTimer>

namespace {

QChar zeichenBei(const QStringList &zeilen, int zeile, int spalte)
{
    if (zeile >= zeilen.size() || spalte >= zeilen.at(zeile).size())
        return QLatin1Char(' ');
    return zeilen.at(zeile).at(spalte);
}

void schliesse(Seite *seite)
{
    if (seite->istFrei())
        seite->ziehe();
}

}

namespace Stellung {

Feld *feld(const SpielLabel &label, int zeile, int spalte)
{
    return label.brett().feld(zeile, spalte);
}

void setze(SpielLabel &label, const QString &zeichnung)
{
    QStringList zeilen = zeichnung.split(QLatin1Char('\n'));
    while (!zeilen.isEmpty() && zeilen.first().trimmed().isEmpty())
        zeilen.removeFirst();
    const int anzahlZeilen = label.brett().zeilenAnzahl();
    const int anzahlSpalten = label.brett().spaltenAnzahl();
    for (int r = 0; r < anzahlZeilen; ++r) {
        for (int c = 0; c < anzahlSpalten; ++c) {
            Feld *f = feld(label, r, c);
            if (zeichenBei(zeilen, 2 * r, 3 * c + 1) == QLatin1Char('-'))
                schliesse(f->seite(0));
            if (zeichenBei(zeilen, 2 * r + 2, 3 * c + 1) == QLatin1Char('-'))
                schliesse(f->seite(2));
            if (zeichenBei(zeilen, 2 * r + 1, 3 * c) == QLatin1Char('|'))
                schliesse(f->seite(3));
            if (zeichenBei(zeilen, 2 * r + 1, 3 * c + 3) == QLatin1Char('|'))
                schliesse(f->seite(1));
        }
    }
    for (int r = 0; r < anzahlZeilen; ++r) {
        for (int c = 0; c < anzahlSpalten; ++c) {
            const QChar inhalt = zeichenBei(zeilen, 2 * r + 1, 3 * c + 1);
            if (inhalt == QLatin1Char('#'))
                feld(label, r, c)->sperre();
            else if (inhalt == QLatin1Char('H'))
                feld(label, r, c)->zeichneBesitzer(true);
            else if (inhalt == QLatin1Char('C'))
                feld(label, r, c)->zeichneBesitzer(false);
        }
    }
    label.zeigeBild();
}

QString lies(const SpielLabel &label)
{
    const int anzahlZeilen = label.brett().zeilenAnzahl();
    const int anzahlSpalten = label.brett().spaltenAnzahl();
    QStringList zeilen;
    for (int r = 0; r < anzahlZeilen; ++r) {
        QString oben = QStringLiteral("+");
        QString mitte;
        for (int c = 0; c < anzahlSpalten; ++c) {
            const Feld *f = feld(label, r, c);
            oben += f->seite(0)->istFrei() ? QStringLiteral("  +") : QStringLiteral("--+");
            mitte += f->seite(3)->istFrei() ? QLatin1Char(' ') : QLatin1Char('|');
            if (f->istGesperrt())
                mitte += QStringLiteral("##");
            else if (f->istGeschlossen())
                mitte += f->istVomMenschen() ? QStringLiteral("H ") : QStringLiteral("C ");
            else
                mitte += QStringLiteral("  ");
        }
        mitte += feld(label, r, anzahlSpalten - 1)->seite(1)->istFrei() ? QLatin1Char(' ') : QLatin1Char('|');
        zeilen << oben << mitte;
    }
    QString unten = QStringLiteral("+");
    for (int c = 0; c < anzahlSpalten; ++c)
        unten += feld(label, anzahlZeilen - 1, c)->seite(2)->istFrei() ? QStringLiteral("  +") : QStringLiteral("--+");
    zeilen << unten;
    return zeilen.join(QLatin1Char('\n'));
}

QColor pixel(const SpielLabel &label, int x, int y)
{
    return label.bild()->toImage().pixelColor(x, y);
}

QPoint druckpunkt(int zeile, int spalte, int richtung)
{
    static const QPoint abstand[4] = {{20, 6}, {34, 20}, {20, 34}, {6, 20}};
    return QPoint(1 + 40 * spalte, 2 + 40 * zeile) + abstand[richtung & 3];
}

void druecke(SpielLabel &label, QPoint punkt, Qt::MouseButton taste)
{
    if (!punkt.isNull()) {
        QTest::mousePress(&label, taste, {}, punkt);
        return;
    }
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(punkt), taste, taste, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &druck);
}

QColor farbeDerSeite(const SpielLabel &label, const Seite *seite)
{
    static const QPoint mitte[4] = {{20, 0}, {40, 20}, {20, 40}, {0, 20}};
    for (const Feld *f : label.brett()) {
        for (int richtung = 0; richtung < 4; ++richtung) {
            if (f->seite(richtung) == seite) {
                const QPoint p = QPoint(f->pixelX(), f->pixelY()) + mitte[richtung];
                return pixel(label, p.x(), p.y());
            }
        }
    }
    return QColor();
}

void computerZug(SpielLabel &label)
{
    // Both timers are children of the board widget; the computer's is the
    // one of 300 ms.
    for (QTimer *timer : label.findChildren<QTimer *>()) {
        if (timer->interval() == 300)
            timer->stop();
    }
    QMetaObject::invokeMethod(&label, "computerZug");
}

void computerRunde(SpielLabel &label)
{
    do {
        computerZug(label);
        while (label.blinkSchritt() != 0)
            QMetaObject::invokeMethod(&label, "blinkeMitSeite");
    } while (!label.istMenschAmZug() && !label.istFertig());
}

std::vector<QPoint> freieDruckpunkte(const SpielLabel &label)
{
    std::vector<QPoint> punkte;
    const Spielfeld &brett = label.brett();
    for (int r = 0; r < brett.zeilenAnzahl(); ++r) {
        for (int c = 0; c < brett.spaltenAnzahl(); ++c) {
            for (int richtung : brett.feld(r, c)->freieRichtungen())
                punkte.push_back(druckpunkt(r, c, richtung));
        }
    }
    return punkte;
}

bool faelligerSchritt(SpielLabel &label)
{
    // The blink's timer runs 100 ms, the computer's 300 ms.
    for (QTimer *uhr : label.findChildren<QTimer *>()) {
        if (uhr->isActive()) {
            uhr->stop();
            QMetaObject::invokeMethod(&label, uhr->interval() == 100 ? "blinkeMitSeite" : "computerZug");
            return true;
        }
    }
    return false;
}

QStringList fett(const MainWindow &fenster)
{
    QStringList namen;
    for (const QAction *aktion : fenster.findChildren<QAction *>()) {
        if (aktion->font().weight() > QFont::Normal)
            namen << aktion->objectName();
    }
    return namen;
}

}
