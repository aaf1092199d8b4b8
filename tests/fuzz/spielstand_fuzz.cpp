#include "shell/mainwindow.h"
#include "spielstandpruefung.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {
MainWindow *fenster = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // The minimal platform, unlike the offscreen one, releases its screen at
    // exit, so the leak check needs no suppression and the fast unwinder.
    qputenv("QT_QPA_PLATFORM", "minimal");
    static int argc = 1;
    static char name[] = "spielstand_fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    static MainWindow hauptfenster;
    fenster = &hauptfenster;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *daten, size_t laenge)
{
    const QByteArray bytes(reinterpret_cast<const char *>(daten), static_cast<int>(laenge));
    const QString fehler = Spielstandpruefung::pruefe(*fenster, bytes);
    if (!fehler.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(fehler));
        std::abort();
    }
    return 0;
}
