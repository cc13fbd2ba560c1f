#include "app/program/RunMain.h"

#include "app/program/Startup.h"
#include "app/program/Translation.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

QtMessageHandler g_qtHandler = nullptr;
bool g_mainWindowMade = false;

// Qt's messages go out as Qt writes them: none carries what the user typed
// except those about starting the browser, which SystemPlatform::openUrl
// silences together with the browser's own output. A start-up that cannot
// go on (no display, no platform plugin) is no crash: it says why and ends
// with status 1 rather than Qt's abort, which crash reporters would record.
// Later fatal messages are faults and still abort.
void handleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    g_qtHandler(type, context, message);
    if (type == QtFatalMsg && !g_mainWindowMade) {
        std::fflush(stderr);
        std::_Exit(1);
    }
}

}  // namespace

namespace kivo {

int runMain(int argc, char* argv[]) {
    g_qtHandler = qInstallMessageHandler(&handleQtMessage);
    // The program takes no arguments, and Qt would read its own options from
    // them (-reverse, -stylesheet FILE, -platform NAME): Qt gets the
    // program's name alone.
    static char fallbackName[] = "kivo-love-numerology";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : fallbackName, nullptr};
    int qtArgc = 1;
    QApplication app(qtArgc, qtArgv);
    installTranslation();
    return runProgram(app, [] { g_mainWindowMade = true; });
}

}  // namespace kivo
