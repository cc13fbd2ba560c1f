// A stand-in for a running copy of the program: takes the single-instance lock
// through the real platform layer, says whether it got it, and holds it until
// its standard input closes or it is killed.

#include "app/platform/SystemPlatform.h"

#include <QCoreApplication>

#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    kivo::platform::SystemPlatform platform;
    if (!platform.acquireSingleInstanceLock()) {
        std::cout << "refused" << std::endl;
        return 3;
    }
    std::cout << "locked " << kivo::platform::SystemPlatform::lockFilePath().toStdString() << std::endl;
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
