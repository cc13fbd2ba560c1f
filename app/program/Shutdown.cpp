#include "app/program/Shutdown.h"

#include "app/EndApplication.h"
#include "ui/main/frmMain.h"
#include "ui/promo/frmExitPromo.h"

#include <QObject>

void connectShutdown(frmMain& window) {
    QObject::connect(&window, &frmMain::unloading, &window, &mainWindowUnloading);
}

void mainWindowUnloading() {
    // EndApplication closes the main window too; a promotion window opened
    // then would outlive the event loop.
    if (applicationIsEnding()) {
        return;
    }
    frmExitPromo::showExitPromotion();
}
