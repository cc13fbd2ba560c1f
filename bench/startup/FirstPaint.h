#pragma once
// The first-paint stop watch shared by both start-up probes.
//
// The application notices the first paint event that reaches the watched
// window or any widget inside it. A window's first frame is painted and
// flushed as a whole inside one outer event dispatch (the expose or update
// request), so the clock is read when that outer dispatch returns: the time
// then covers every child painted and the backing store put on screen, not
// just the start of the top-level's own paint.
//
// At that moment the probe prints the CLOCK_MONOTONIC time in nanoseconds on
// a line of its own. It then keeps running for a short settling time, so
// that work a program puts off until after its first frame still counts in
// its peak memory, and leaves the event loop with status 0.

#include <QApplication>
#include <QPointer>

class FirstPaintApplication : public QApplication {
public:
    FirstPaintApplication(int& argc, char** argv);

    // Watch the window with this object name; any top-level window matches
    // while none has been named.
    void watchWindow(const QString& objectName) { watchedName_ = objectName; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    bool isWatched(const QObject* receiver) const;
    void finish();

    QString watchedName_;
    int depth_ = 0;
    bool painted_ = false;
    bool done_ = false;
};
