#pragma once
// The first-frame stop watch shared by the start-up probes.
//
// The application notices the first paint event that reaches the watched
// window or any widget inside it. A window's first frame is painted and
// flushed as a whole inside one outer event dispatch (the expose or update
// request), so the mark is set when that outer dispatch returns: it then
// covers every child painted and the backing store put on screen, not just
// the start of the top-level's own paint.
//
// At the mark the probe prints "frame <ns>", the CLOCK_MONOTONIC time in
// nanoseconds, and, when it runs under callgrind, dumps the instructions
// counted so far and stops counting. It then keeps running for a short
// settling time, so that work a program puts off until after its first frame
// still counts in its memory, prints "peak-kib <n>", the peak resident memory
// so far (VmHWM), and leaves the event loop with status 0. Tearing the
// windows down afterwards counts in neither figure.

#include <QApplication>

class FirstPaintApplication : public QApplication {
public:
    FirstPaintApplication(int& argc, char** argv);

    // Watch the window with this object name; any top-level window matches
    // while none has been named.
    void watchWindow(const QString& objectName) { watchedName_ = objectName; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    bool isWatched(const QObject* receiver) const;
    void markFirstFrame();
    static void reportPeakAndQuit();

    QString watchedName_;
    int depth_ = 0;
    bool painted_ = false;
    bool done_ = false;
};

// What any program that draws text does before its first frame: fontconfig
// reads its configuration and font list, and the default font is matched and
// loaded. The reference probes call it before showing their window, so that a
// window without text pays for the fonts like every program that shows some.
void initialiseFonts();
