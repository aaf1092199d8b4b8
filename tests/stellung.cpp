#include "stellung.h"

#include "field/feld.h"
#include "field/seite.h"
#include "game/spiellabel.h"

#include <QImage>
#include <QPixmap>
#include <QStringList>

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

}
