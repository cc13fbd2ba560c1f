#include "bench/startup/FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

namespace {

// Long enough for anything queued behind the first frame to run.
constexpr int kSettleMs = 300;

}  // namespace

FirstPaintApplication::FirstPaintApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool FirstPaintApplication::isWatched(const QObject* receiver) const {
    if (!receiver->isWidgetType()) {
        return false;
    }
    const QWidget* window = static_cast<const QWidget*>(receiver)->window();
    return watchedName_.isEmpty() || window->objectName() == watchedName_;
}

bool FirstPaintApplication::notify(QObject* receiver, QEvent* event) {
    if (!painted_ && event->type() == QEvent::Paint && isWatched(receiver)) {
        painted_ = true;
    }
    ++depth_;
    const bool result = QApplication::notify(receiver, event);
    --depth_;
    if (painted_ && !done_ && depth_ == 0) {
        finish();
    }
    return result;
}

void FirstPaintApplication::finish() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    std::printf("%lld\n", ns);
    std::fflush(stdout);
    done_ = true;
    QTimer::singleShot(kSettleMs, [] { QCoreApplication::exit(0); });
}
