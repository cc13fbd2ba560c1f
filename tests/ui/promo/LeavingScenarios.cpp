// Leaves the exit promotion window one way, in a process of its own, since
// ending the program is for good. Prints what happened, one fact a line, and
// exits with the status the event loop gave.
//
//   exit-button  the Exit button is pressed
//   close-box    the window is closed by its close box
//   end-routine  EndApplication is called from elsewhere; the window's own
//                unload handler enters it again

#include "app/EndApplication.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/promo/frmExitPromo.h"

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace {

// Counts the close events the window receives, i.e. its unloads.
class CloseCounter : public QObject {
public:
    int closes = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Close) {
            ++closes;
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::printf("usage: kivo_leaving_scenarios exit-button|close-box|end-routine\n");
        return 2;
    }
    const char* scenario = argv[1];
    kivo::testing::RecordingPlatform platform;

    QPointer<frmExitPromo> window = frmExitPromo::showExitPromotion();
    CloseCounter counter;
    window->installEventFilter(&counter);

    QTimer::singleShot(0, [&] {
        if (std::strcmp(scenario, "exit-button") == 0) {
            window->findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
        } else if (std::strcmp(scenario, "close-box") == 0) {
            window->windowHandle()->close();
        } else if (std::strcmp(scenario, "end-routine") == 0) {
            EndApplication();
        } else {
            std::printf("unknown scenario\n");
        }
        QTimer::singleShot(0, [] { std::printf("late work ran\n"); });
    });
    // A safety net, so that a window that does not end the program fails
    // instead of hanging.
    QTimer::singleShot(5000, [] {
        std::printf("still running\n");
        QCoreApplication::exit(9);
    });

    const int status = QApplication::exec();
    std::printf("ending %d\n", kivo::applicationIsEnding() ? 1 : 0);
    std::printf("closed %d visible %d\n", counter.closes, window != nullptr && window->isVisible() ? 1 : 0);
    std::printf("messages %d\n", static_cast<int>(platform.messages.size()));
    // The window was shown to delete itself once closed.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::printf("deleted %d\n", window == nullptr ? 1 : 0);
    std::fflush(stdout);
    return status;
}
