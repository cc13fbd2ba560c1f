// The program's own start-up, up to the main window's first frame: main()
// of the real program with an application that stops the clock there.

#include "app/program/Startup.h"
#include "app/program/Translation.h"
#include "bench/startup/FirstPaint.h"

int main(int argc, char* argv[]) {
    FirstPaintApplication app(argc, argv);
    app.watchWindow(QStringLiteral("frmMain"));
    installTranslation();
    return runProgram(app);
}
