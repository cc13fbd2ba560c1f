#include "app/EndApplication.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace {
bool g_ending = false;
}  // namespace

void EndApplication() {
    if (g_ending) {
        // Entered again from an unload handler of the first call: the outer
        // call finishes the job, so the program stops exactly once.
        return;
    }
    g_ending = true;

    // Guarded pointers: closing one window may delete another.
    std::vector<QPointer<QWidget>> windows;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isWindow() && w->isVisible()) {
            windows.emplace_back(w);
        }
    }
    for (const QPointer<QWidget>& w : windows) {
        // A window whose own close is already under way refuses a second
        // close, which is exactly the skip we want.
        if (w && w->isVisible()) {
            w->close();
        }
    }
    QCoreApplication::exit(0);
}

bool applicationIsEnding() { return g_ending; }
