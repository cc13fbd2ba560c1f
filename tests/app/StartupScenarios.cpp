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

using kivo::testing::Child;
using kivo::testing::FrontAt;
using kivo::testing::ShownWindowOf;
using kivo::testing::WindowOf;

void Say(const QString& text) {
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

QStringList VisibleWindows() {
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
            Say(QStringLiteral("message %1 %2 windows %3")
                    .arg(QLatin1String(icon), m.text)
                    .arg(VisibleWindows().size()));
        };
    } else if (scenario == "first-copy" && argc > 2) {
        platform.randomValues = {QString::fromLocal8Bit(argv[2]).toFloat()};
        QTimer::singleShot(0, [&platform] {
            Say(QStringLiteral("seeded %1").arg(platform.seedCount));
            Say(QStringLiteral("messages %1").arg(platform.messages.size()));
            Say(QStringLiteral("shown ") + VisibleWindows().join(QLatin1Char(' ')));
            frmMain* main = ShownWindowOf<frmMain>();
            Say(QStringLiteral("front ") +
                (main != nullptr ? FrontAt(*Child(*main, "lblCobrand")) : QString()));
            Say(QStringLiteral("quit on last window %1").arg(QApplication::quitOnLastWindowClosed() ? 1 : 0));
            if (main != nullptr) {
                main->windowHandle()->close();
            }
            Say(QStringLiteral("shown ") + VisibleWindows().join(QLatin1Char(' ')));
            if (frmExitPromo* promo = ShownWindowOf<frmExitPromo>()) {
                promo->windowHandle()->close();
            }
        });
    } else if (scenario == "end-from-main") {
        QTimer::singleShot(0, [] {
            Say(QStringLiteral("shown ") + VisibleWindows().join(QLatin1Char(' ')));
            EndApplication();
        });
    } else {
        Say(QStringLiteral("unknown scenario"));
        return 2;
    }
    // A safety net, so that a run that fails to end fails instead of hanging.
    QTimer::singleShot(8000, [] {
        Say(QStringLiteral("still running"));
        QCoreApplication::exit(9);
    });

    const int status = kivo::runProgram(app);
    if (scenario == "end-from-main") {
        Say(QStringLiteral("promotion %1").arg(WindowOf<frmExitPromo>() != nullptr ? 1 : 0));
    }
    if (scenario == "second-copy") {
        Say(QStringLiteral("seeded %1").arg(platform.seedCount));
    }
    Say(QStringLiteral("ending %1").arg(kivo::applicationIsEnding() ? 1 : 0));
    Say(QStringLiteral("windows %1").arg(VisibleWindows().size()));
    Say(QStringLiteral("status %1").arg(status));
    return status;
}
