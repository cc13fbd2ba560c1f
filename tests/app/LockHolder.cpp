// A stand-in for a running copy of the program: takes the single-instance
// guard through the real platform layer, says what came of it, and holds it
// until its standard input closes or it is killed.
//
//   kivo_lock_holder [RUNTIME HOME [browser|pause]]
//
// RUNTIME and HOME stand in for /run/user/<uid> and the account's home
// folder; without them the user's own are used. With "browser" the copy
// first starts a long-lived child, as opening a web page does. With "pause"
// a copy about to put a fresh lock file in place says "replacing" and waits
// for a line.
//
// Prints "started" or "refused" (exit status 3); which locks a started copy
// holds, the test reads from the lock files themselves. With "browser" a
// line "child <pid>" follows. Last, when the guard is gone: "open files
// <before> <after>".

#include "app/platform/SystemPlatform.h"

#include <QCoreApplication>
#include <QProcess>

#include <filesystem>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments().mid(1);
    kivo::platform::InstanceGuardPlaces places;
    if (args.size() >= 2) {
        places.runtimeFolder = args[0].toStdString();
        places.home = args[1].toStdString();
    }
    std::string line;
    if (args.value(2) == QLatin1String("pause")) {
        places.beforeReplacing = [&line] {
            std::cout << "replacing" << std::endl;
            std::getline(std::cin, line);
        };
    }
    const auto openFiles = [] {
        return std::distance(std::filesystem::directory_iterator("/proc/self/fd"), {});
    };
    const auto before = openFiles();
    auto platform = std::make_unique<kivo::platform::SystemPlatform>(places);
    const bool started = platform->acquireSingleInstanceLock();
    std::cout << (started ? "started" : "refused") << std::endl;
    if (started && args.value(2) == QLatin1String("browser")) {
        qint64 child = 0;
        if (!QProcess::startDetached(QStringLiteral("sleep"), {QStringLiteral("60")}, {}, &child)) {
            return 4;
        }
        std::cout << "child " << child << std::endl;
    }
    if (started) {
        std::getline(std::cin, line);
    }
    platform.reset();
    std::cout << "open files " << before << ' ' << openFiles() << std::endl;
    return started ? 0 : 3;
}
