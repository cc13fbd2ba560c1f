#include "app/program/Startup.h"

#include "app/EndApplication.h"
#include "app/platform/Platform.h"
#include "app/program/Shutdown.h"
#include "ui/kit/ClassicLook.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>

#include <cmath>

namespace kivo {

namespace {

// The program icon is set once the first frame is on screen: reading every
// size of it and handing them to the window system takes longer than
// building half the main window. A window started minimised gets it when it
// is first painted.
class AfterFirstFrame : public QObject {
public:
    explicit AfterFirstFrame(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the frame being painted is finished and on screen first.
            QTimer::singleShot(0, this, &AfterFirstFrame::finish);
        }
        return false;
    }

private:
    void finish() {
        if (QApplication::windowIcon().isNull()) {
            QApplication::setWindowIcon(kivo::programIcon());
        }
        deleteLater();
    }
};

}  // namespace

int runProgram(QApplication& app, void (*mainWindowMade)()) {
    // Closing the main window opens the promotion window; only
    // EndApplication may end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    kivo::platform::Platform& platform = kivo::platform::current();
    if (!platform.acquireSingleInstanceLock()) {
        QApplication::setWindowIcon(kivo::programIcon());
        kivo::platform::showMessage(nullptr,
                                    QApplication::translate("Startup", "Application is already running"),
                                    kivo::platform::MessageIcon::Information);
        EndApplication();
        return 0;
    }
    platform.seedRandomFromClock();

    // Closing the main window discards its entries and results with it; the
    // guard tells the clean-up below whether it is still there.
    QPointer<frmMain> window = new frmMain;
    if (mainWindowMade != nullptr) {
        mainWindowMade();
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    connectShutdown(*window);
    new AfterFirstFrame(*window);
    window->show();
    chooseBrandLabel(*window, drawBrandRoll());

    const int status = app.exec();
    delete window.data();
    return status;
}

int drawBrandRoll() {
    // In double so that the largest float below 1 still gives 6, not 7.
    const double r = static_cast<double>(kivo::platform::current().nextRandom());
    return static_cast<int>(std::floor(r * 6.0)) + 1;
}

void chooseBrandLabel(frmMain& window, int r) {
    using Label = frmMain::BrandLabel;
    window.bringBrandLabelForward(r % 2 == 0 ? Label::FullBrand : Label::CoBrand);
}

}  // namespace kivo
