#ifndef PUNKTFELD_TEST_SPIELSTANDPRUEFUNG_H
#define PUNKTFELD_TEST_SPIELSTANDPRUEFUNG_H

#include <QByteArray>
#include <QString>

class MainWindow;

namespace Spielstandpruefung {

// Opens the bytes as a saved game in the window. What is accepted must give
// a game whose invariants hold and that matches the file; what is refused
// must leave everything as it was. Returns what went wrong, or nothing.
QString pruefe(MainWindow &fenster, const QByteArray &daten);

}

#endif
