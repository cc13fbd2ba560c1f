#include "bench/startup/FirstPaint.h"

#include <QEvent>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <ctime>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_DUMP_STATS_AT(pos_str)
#define CALLGRIND_STOP_INSTRUMENTATION
#endif

namespace {

// Long enough for anything queued behind the first frame to run.
constexpr int kSettleMs = 300;

// The process's peak resident set so far, in KiB; -1 where /proc is missing.
long long peakResidentKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return -1;
    }
    static const QByteArray kKey = QByteArrayLiteral("VmHWM:");
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith(kKey)) {
            // "VmHWM:     34304 kB"
            return line.mid(kKey.size()).trimmed().split(' ').value(0).toLongLong();
        }
    }
    return -1;
}

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
        markFirstFrame();
    }
    return result;
}

void FirstPaintApplication::markFirstFrame() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    CALLGRIND_DUMP_STATS_AT("first frame");
    CALLGRIND_STOP_INSTRUMENTATION;
    const long long ns = static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
    std::printf("frame %lld\n", ns);
    std::fflush(stdout);
    done_ = true;
    QTimer::singleShot(kSettleMs, this, &FirstPaintApplication::reportPeakAndQuit);
}

void FirstPaintApplication::reportPeakAndQuit() {
    std::printf("peak-kib %lld\n", peakResidentKiB());
    std::fflush(stdout);
    QCoreApplication::exit(0);
}

void initialiseFonts() {
    static_cast<void>(QFontDatabase::families());
    static_cast<void>(QFontMetrics(QApplication::font()).height());
}
