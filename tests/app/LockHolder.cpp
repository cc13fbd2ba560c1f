// A stand-in for a running copy of the program: takes the single-instance
// guard through the real platform layer, says what came of it, and holds it
// until its standard input closes or it is killed.
//
//   kivo_lock_holder [RUNTIME HOME [browser]]
//
// RUNTIME and HOME stand in for /run/user/<uid> and the account's home
// folder; without them the user's own are used. With "browser" the copy
// first starts a long-lived child, as opening a web page does.
//
// Prints one line: "started" or "refused" (exit status 3); which locks a
// started copy holds, the test reads from the lock files themselves. With
// "browser" a second line "child <pid>" follows.

#include "app/platform/SystemPlatform.h"

#include <QCoreApplication>
#include <QProcess>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    kivo::platform::InstanceGuardPlaces places;
    if (args.size() >= 2) {
        places.runtimeFolder = args[0].toStdString();
        places.home = args[1].toStdString();
    }
    kivo::platform::SystemPlatform platform(places);
    if (!platform.acquireSingleInstanceLock()) {
        std::cout << "refused" << std::endl;
        return 3;
    }
    std::cout << "started" << std::endl;
    if (args.size() >= 3 && args[2] == QLatin1String("browser")) {
        qint64 child = 0;
        if (!QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("60")}, {}, &child)) {
            return 4;
        }
        std::cout << "child " << child << std::endl;
    }
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
