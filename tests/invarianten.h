#ifndef PUNKTFELD_TEST_INVARIANTEN_H
#define PUNKTFELD_TEST_INVARIANTEN_H

#include <QString>

class MainWindow;
class SpielLabel;

// What must hold between any two events of a game, whatever was clicked,
// chosen or opened before. Each function returns an empty text when all
// holds, otherwise what does not.
namespace Invarianten {

QString pruefe(const SpielLabel &label);
QString pruefe(const MainWindow &fenster);

}

#endif
