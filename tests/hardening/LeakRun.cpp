// The program's whole run, as main() does it, with a user played by timers:
// start, one reading, close the main window, leave the promotion window. The
// real platform is in place (lock file, message boxes), so nothing of ours is
// skipped; the caller points XDG_RUNTIME_DIR and KIVO_TEST_INSTANCE_FOLDER
// (the guard's folder, tests/support/PrivateGuard.h) at a folder of its own. Run by LeakTest.cpp under
// LeakSanitizer, which reports at exit whatever the run left behind, and by hand under valgrind's memcheck.
//
//   leak_run             the run above; exit status 0 when every step was seen
//   leak_run canary      the same, plus a main window and an object of ours
//                        deliberately never deleted, so the caller can prove
//                        that it spots both kinds of leak
//
// LeakSanitizer cannot see a lost widget: Qt's own globals still point at
// every widget ever made, so a forgotten window counts as reachable. Hence
// the census at the end: after the run no widget may be left alive.

#include "app/program/Startup.h"
#include "tests/support/Controls.h"
#include "tests/support/PrivateGuard.h"
#include "ui/main/frmMain.h"
#include "ui/promo/frmExitPromo.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstring>

namespace {

using kivo::testing::child;
using kivo::testing::shownWindowOf;

int g_failures = 0;

void step(bool ok, const char* what) {
    std::printf("%s %s\n", ok ? "ok" : "FAILED", what);
    std::fflush(stdout);
    if (!ok) {
        ++g_failures;
    }
}

void playTheUser() {
    frmMain* main = shownWindowOf<frmMain>();
    step(main != nullptr, "main window shown");
    if (main == nullptr) {
        QCoreApplication::exit(3);
        return;
    }
    child<QLineEdit>(*main, "txtName", 0)->setText(QStringLiteral("Ann"));
    child<QLineEdit>(*main, "txtName", 1)->setText(QStringLiteral("Catherine"));
    child<QComboBox>(*main, "cboDate", 1)->setCurrentIndex(8);
    child<QComboBox>(*main, "cboMonth", 1)->setCurrentIndex(8);
    child<QComboBox>(*main, "cboYear", 1)->setCurrentIndex(98);
    child<QPushButton>(*main, "cmdProceed")->click();
    step(child<QLabel>(*main, "lblResult", 0)->text() ==
             QStringLiteral("LifePath Compatibility Number is 3 + 9"),
         "reading shown");

    // As the close box does: through the window system, not a direct delete.
    main->windowHandle()->close();
    QTimer::singleShot(0, [] {
        frmExitPromo* promo = shownWindowOf<frmExitPromo>();
        step(promo != nullptr, "promotion window shown");
        if (promo == nullptr) {
            QCoreApplication::exit(4);
            return;
        }
        promo->windowHandle()->close();
    });
}

}  // namespace

int main(int argc, char* argv[]) {
    kivo::testing::installPrivateGuard();
    QApplication app(argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "canary") == 0) {
        // Owned by nobody and never deleted: the fault the caller must catch.
        auto* forgotten = new frmMain;
        forgotten->setObjectName(QStringLiteral("forgotten"));
        new QObject;
    }
    QTimer::singleShot(0, &playTheUser);
    // A run that fails to end fails instead of hanging.
    QTimer::singleShot(20000, [] {
        step(false, "ended in time");
        QCoreApplication::exit(9);
    });
    const int status = kivo::runProgram(app);
    step(status == 0, "program ended with status 0");
    // Windows closed with WA_DeleteOnClose go with the deferred deletions.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QWidgetList left = QApplication::allWidgets();
    for (const QWidget* w : left) {
        if (w->parentWidget() == nullptr) {
            std::printf("left alive: %s %s\n", w->metaObject()->className(), qPrintable(w->objectName()));
        }
    }
    step(left.isEmpty(), "no widget left alive");
    return g_failures == 0 ? status : 1;
}
