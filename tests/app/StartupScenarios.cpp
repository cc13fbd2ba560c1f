// Whole runs of the program's start-up through to its end, each in a process
// of its own because ending is for good. The platform is the recording one:
// the test picks whether another copy runs and the random number, and message
// boxes return at once. Prints what it sees, one fact a line.
//
//   second-copy         another copy holds the lock
//   first-copy <r>      runs alone with random number r; the user closes the
//                       main window, then the promotion window by its close box
//   end-from-main       EndApplication while the main window is open

#include "app/EndApplication.h"
#include "app/program/Startup.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/main/frmMain.h"
#include "ui/promo/frmExitPromo.h"

#include <QApplication>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

using kivo::testing::child;
using kivo::testing::frontAt;
using kivo::testing::shownWindowOf;

void say(const QString& text) {
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

QStringList visibleWindows() {
    QStringList names;
    for (const QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible()) {
            names.append(QString::fromLatin1(w->metaObject()->className()));
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    kivo::testing::RecordingPlatform platform;
    const std::string scenario = argc > 1 ? argv[1] : "";

    if (scenario == "second-copy") {
        platform.otherCopyRunning = true;
        platform.onMessage = [](const kivo::testing::RecordedMessage& m) {
            const char* icon = m.icon == kivo::platform::MessageIcon::Information ? "information" : "error";
            say(QStringLiteral("message %1 %2 windows %3")
                    .arg(QLatin1String(icon), m.text)
                    .arg(visibleWindows().size()));
        };
    } else if (scenario == "first-copy" && argc > 2) {
        platform.randomValues = {QString::fromLocal8Bit(argv[2]).toFloat()};
        QTimer::singleShot(0, [&platform] {
            say(QStringLiteral("seeded %1").arg(platform.seedCount));
            say(QStringLiteral("messages %1").arg(platform.messages.size()));
            say(QStringLiteral("shown ") + visibleWindows().join(QLatin1Char(' ')));
            frmMain* main = shownWindowOf<frmMain>();
            say(QStringLiteral("front ") +
                (main != nullptr ? frontAt(*child(*main, "lblCobrand")) : QString()));
            say(QStringLiteral("quit on last window %1").arg(QApplication::quitOnLastWindowClosed() ? 1 : 0));
            if (main != nullptr) {
                main->windowHandle()->close();
            }
            say(QStringLiteral("shown ") + visibleWindows().join(QLatin1Char(' ')));
            if (frmExitPromo* promo = shownWindowOf<frmExitPromo>()) {
                promo->windowHandle()->close();
            }
        });
    } else if (scenario == "end-from-main") {
        QTimer::singleShot(0, [] {
            say(QStringLiteral("shown ") + visibleWindows().join(QLatin1Char(' ')));
            EndApplication();
        });
    } else {
        say(QStringLiteral("unknown scenario"));
        return 2;
    }
    // A safety net, so that a run that fails to end fails instead of hanging.
    QTimer::singleShot(8000, [] {
        say(QStringLiteral("still running"));
        QCoreApplication::exit(9);
    });

    const int status = runProgram(app);
    if (scenario == "end-from-main") {
        say(QStringLiteral("promotion %1").arg(frmExitPromo::Instance() != nullptr ? 1 : 0));
    }
    if (scenario == "second-copy") {
        say(QStringLiteral("seeded %1").arg(platform.seedCount));
    }
    say(QStringLiteral("ending %1").arg(applicationIsEnding() ? 1 : 0));
    say(QStringLiteral("windows %1").arg(visibleWindows().size()));
    say(QStringLiteral("status %1").arg(status));
    return status;
}
