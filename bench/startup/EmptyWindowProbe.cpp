// The lower reference: a Qt Widgets program that shows one empty main window
// and does nothing else but start its fonts, timed to its first frame like
// the real program.

#include "bench/startup/FirstPaint.h"

#include <QMainWindow>

int main(int argc, char* argv[]) {
    FirstPaintApplication app(argc, argv);
    initialiseFonts();
    QMainWindow window;
    window.show();
    return app.exec();
}
