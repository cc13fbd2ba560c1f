// Runs one way of ending the program in a process of its own, since ending is
// for good: EndApplication stops the event loop and stays "ending". Prints what
// happened, one fact a line, and exits with the status the event loop gave.
//
//   exit-button  an exit button calls EndApplication; the promotion window's
//                own unload handler enters it again
//   close-box    the promotion window is closed by its close box, whose unload
//                handler calls EndApplication
//   twice        one handler calls EndApplication twice in a row

#include "app/EndApplication.h"

#include <QApplication>
#include <QCloseEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace {

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

// A window that counts its unloads; the promotion-like one ends the program
// from its unload handler, as the real one does.
class CountingWindow : public QWidget {
public:
    CountingWindow(const char* name, bool endsOnUnload) : name_(name), endsOnUnload_(endsOnUnload) {
        setWindowTitle(QString::fromLatin1(name));
        resize(120, 80);
    }

    int closes = 0;
    const char* name() const { return name_; }

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closes;
        if (endsOnUnload_) {
            EndApplication();
        }
        event->accept();
    }

private:
    const char* name_;
    bool endsOnUnload_;
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc < 2) {
        say("usage: kivo_end_scenarios exit-button|close-box|twice");
        return 2;
    }
    const char* scenario = argv[1];

    CountingWindow main("main", false);
    CountingWindow promo("promo", true);
    main.show();
    promo.show();

    QTimer::singleShot(0, [&] {
        if (std::strcmp(scenario, "exit-button") == 0) {
            EndApplication();
        } else if (std::strcmp(scenario, "close-box") == 0) {
            promo.windowHandle()->close();
        } else if (std::strcmp(scenario, "twice") == 0) {
            EndApplication();
            EndApplication();
        } else {
            say("unknown scenario");
        }
        // Work queued after the end must never run.
        QTimer::singleShot(0, [] { say("late work ran"); });
        QMetaObject::invokeMethod(
            qApp, [] { say("late call ran"); }, Qt::QueuedConnection);
    });
    // A safety net, so that a broken EndApplication fails instead of hanging.
    QTimer::singleShot(5000, [] {
        say("still running");
        QCoreApplication::exit(9);
    });

    const int status = QApplication::exec();
    std::printf("ending %d\n", applicationIsEnding() ? 1 : 0);
    for (const CountingWindow* w : {&main, &promo}) {
        std::printf("%s closed %d visible %d\n", w->name(), w->closes, w->isVisible() ? 1 : 0);
    }
    std::fflush(stdout);
    return status;
}
