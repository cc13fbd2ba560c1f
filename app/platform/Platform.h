#pragma once
// The thin layer between the program and the system: message boxes, the web
// browser, the single-instance lock, randomness and window placement. The
// windows reach the system only through here, so tests can install a recorder
// (see tests/support) and observe every message box and every opened address
// without a modal dialog or a real browser.

#include <QString>
#include <QUrl>
#include <QtGlobal>

class QWidget;

namespace kivo::platform {

// The caption of every message box: the application title, translated where
// it is shown.
inline constexpr char kApplicationTitle[] = QT_TRANSLATE_NOOP("Platform", "Kivo Love Numerology");

enum class MessageIcon { Error, Information };

// The longest address handed to the shell or the browser. Windows takes
// about 2,000 characters, but Wine's ShellExecuteW faults on somewhat fewer
// than 1,000 and leaves the program hung with its guard held; a refer-a-
// friend address of plain-letter names and e-mail addresses of the form's
// longest stays below this.
inline constexpr qsizetype kLongestAddress = 900;

// Told instead of opening a longer address.
inline constexpr char kAddressTooLong[] = QT_TRANSLATE_NOOP(
    "Platform", "The web address is too long to be opened. Please shorten your entries and try again.");

class Platform {
public:
    virtual ~Platform() = default;

    // A modal message box with a single OK button and the application title as
    // its caption; returns once the user has dismissed it.
    virtual void showMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;

    // Hands an address to the system's default browser. The outcome is
    // deliberately not reported: a missing browser is not the user's problem.
    virtual void openUrl(const QUrl& address) = 0;

    // True when no other copy of the program is running; from then on this
    // copy holds the per-user lock until it ends.
    virtual bool acquireSingleInstanceLock() = 0;

    // Seeds the random generator from the system clock.
    virtual void seedRandomFromClock() = 0;
    // A uniformly distributed single-precision number r with 0 <= r < 1.
    virtual float nextRandom() = 0;

    // Keeps a window above all windows that are not topmost themselves.
    virtual void makeTopmost(QWidget* window) = 0;
};

// The platform in use; the real system unless a test installed another.
Platform& current();

// Installs a replacement (tests); nullptr restores the real system.
void install(Platform* replacement);

// Convenience forwarding to current().
void showMessage(QWidget* parent, const QString& text, MessageIcon icon);
// An address longer than kLongestAddress, fully encoded, is not opened: the
// user is told in a message box over the active window instead.
void openUrl(const QUrl& address);

}  // namespace kivo::platform
