#include "app/program/Startup.h"

#include "app/EndApplication.h"
#include "app/LinkLabel.h"
#include "app/platform/Platform.h"
#include "app/program/Shutdown.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QPointer>

#include <cmath>

int RunProgram(QApplication& app) {
    // Closing the main window opens the promotion window; only
    // EndApplication may end the program.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(ProgramIcon());

    kivo::platform::Platform& platform = kivo::platform::current();
    if (!platform.acquireSingleInstanceLock()) {
        kivo::platform::ShowMessage(nullptr, QApplication::translate("Startup", "Application is already running"),
                                    kivo::platform::MessageIcon::Information);
        EndApplication();
        return 0;
    }
    platform.seedRandomFromClock();

    // Closing the main window discards its entries and results with it; the
    // guard tells the clean-up below whether it is still there.
    QPointer<frmMain> window = new frmMain;
    window->setAttribute(Qt::WA_DeleteOnClose);
    ConnectShutdown(*window);
    window->show();
    ChooseBrandLabel(*window, DrawBrandRoll());

    const int status = app.exec();
    delete window.data();
    return status;
}

int DrawBrandRoll() {
    // In double so that the largest float below 1 still gives 6, not 7.
    const double r = static_cast<double>(kivo::platform::current().nextRandom());
    return static_cast<int>(std::floor(r * 6.0)) + 1;
}

void ChooseBrandLabel(frmMain& window, int r) {
    if (r % 2 == 0) {
        window.lblFullBrand()->raise();
    } else {
        window.lblCobrand()->raise();
    }
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addFile(QStringLiteral(":/icons/kivo-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}
