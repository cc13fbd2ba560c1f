#include "app/program/Startup.h"
#include "app/program/Translation.h"

#include <QApplication>

namespace {

// The program keeps no log, and Qt's own warnings can carry what the user
// typed: a browser that cannot be started is reported with the whole
// referral address, names and e-mail addresses included. So no message of
// Qt's is written anywhere, from the first one on.
void dropMessage(QtMsgType /*type*/, const QMessageLogContext& /*context*/, const QString& /*message*/) {}

}  // namespace

int main(int argc, char* argv[]) {
    qInstallMessageHandler(&dropMessage);
    QApplication app(argc, argv);
    installTranslation();
    return runProgram(app);
}
