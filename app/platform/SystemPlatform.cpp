#include "app/platform/SystemPlatform.h"

#include <QCoreApplication>
#include <QWidget>

#include <chrono>
#include <utility>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <QMessageBox>

#include <fcntl.h>
#include <unistd.h>
#endif

namespace kivo::platform {

namespace {

#ifdef Q_OS_WIN
// Makes the message box topmost as it is activated: Wine leaves MB_TOPMOST
// out, and nothing else can reach the box while MessageBoxW runs.
LRESULT CALLBACK keepBoxOnTop(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        ::SetWindowPos(reinterpret_cast<HWND>(wParam), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}
#else
// What keeps the user's entries out of any output, on its own. The program
// keeps no log, yet an address handed to the browser reaches the output in
// two ways, both while the browser is started: the launcher inherits our
// standard output and error and, failing, prints the address it was given -
// for a referral both names, both e-mail addresses and the message - where
// the desktop session keeps it in its journal; and Qt itself warns, with
// the whole address, that it found no browser or could not start one,
// written to our standard error before QDesktopServices::openUrl returns.
// No filter of Qt's messages can reach the launcher's output: while a
// browser is started both streams lead nowhere.
class QuietOutput {
public:
    QuietOutput() {
        const int nowhere = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (nowhere < 0) {
            return;
        }
        for (int i = 0; i < 2; ++i) {
            saved_[i] = ::fcntl(kStreams[i], F_DUPFD_CLOEXEC, 3);
            if (saved_[i] >= 0) {
                ::dup2(nowhere, kStreams[i]);
            }
        }
        ::close(nowhere);
    }
    ~QuietOutput() {
        for (int i = 0; i < 2; ++i) {
            if (saved_[i] >= 0) {
                ::dup2(saved_[i], kStreams[i]);
                ::close(saved_[i]);
            }
        }
    }
    QuietOutput(const QuietOutput&) = delete;
    QuietOutput& operator=(const QuietOutput&) = delete;

private:
    static constexpr int kStreams[2] = {STDOUT_FILENO, STDERR_FILENO};
    int saved_[2] = {-1, -1};
};
#endif

}  // namespace

SystemPlatform::SystemPlatform(InstanceGuardPlaces guardPlaces) : guard_(std::move(guardPlaces)) {}
SystemPlatform::~SystemPlatform() = default;

void SystemPlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    const QString caption = QCoreApplication::translate("Platform", kApplicationTitle);
    // A box without an owner is kept on top and brought forward: nothing else
    // keeps it above the windows on screen, among them the topmost promotion
    // window of a copy already running.
#ifdef Q_OS_WIN
    // The system's own box, as Windows users know it. Without an owner it
    // still blocks every window of the program (task modal).
    HWND owner = parent != nullptr ? reinterpret_cast<HWND>(parent->window()->winId()) : nullptr;
    const UINT look = MB_OK | (icon == MessageIcon::Error ? MB_ICONERROR : MB_ICONINFORMATION) |
                      (owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL | MB_TOPMOST | MB_SETFOREGROUND);
    HHOOK onTop = owner == nullptr
                      ? ::SetWindowsHookExW(WH_CBT, keepBoxOnTop, nullptr, ::GetCurrentThreadId())
                      : nullptr;
    ::MessageBoxW(owner, reinterpret_cast<LPCWSTR>(text.utf16()), reinterpret_cast<LPCWSTR>(caption.utf16()),
                  look);
    if (onTop != nullptr) {
        ::UnhookWindowsHookEx(onTop);
    }
#else
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information, caption,
                    text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    if (parent == nullptr) {
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
        box.show();
        box.raise();
        box.activateWindow();
    }
    box.exec();
#endif
}

void SystemPlatform::openUrl(const QUrl& address) {
#ifdef Q_OS_WIN
    // The wide form of the call keeps non-ASCII addresses intact.
    const std::wstring file = address.toString(QUrl::FullyEncoded).toStdWString();
    ::ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
#else
    const QuietOutput quiet;
    QDesktopServices::openUrl(address);
#endif
}

bool SystemPlatform::acquireSingleInstanceLock() {
    // Only a live copy keeps this one out; a guard that cannot be had for
    // any other reason lets the program run unguarded.
    return guard_.acquire() != InstanceGuard::State::OtherCopyRunning;
}

void SystemPlatform::seedRandomFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float SystemPlatform::nextRandom() {
    // 24 random bits fill a float's mantissa exactly, so r stays below 1.
    return static_cast<float>(generator_() >> 8) / 16777216.0F;
}

void SystemPlatform::makeTopmost(QWidget* window) {
    if (window == nullptr) {
        return;
    }
    // Changing a window's flags hides it; a window already on screen stays there.
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (visible) {
        window->show();
    }
}

}  // namespace kivo::platform
