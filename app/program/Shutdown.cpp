#include "app/program/Shutdown.h"

#include "app/EndApplication.h"
#include "ui/main/frmMain.h"
#include "ui/promo/frmExitPromo.h"

#include <QObject>

void ConnectShutdown(frmMain& window) {
    QObject::connect(&window, &frmMain::unloading, &window, &MainWindowUnloading);
}

void MainWindowUnloading() {
    // EndApplication closes the main window too; a promotion window opened
    // then would outlive the event loop.
    if (ApplicationIsEnding()) {
        return;
    }
    frmExitPromo::ShowExitPromotion();
}
