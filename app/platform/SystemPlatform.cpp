#include "app/platform/SystemPlatform.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>
#include <QWidget>

#include <chrono>

#ifdef Q_OS_WIN
#include <qt_windows.h>
#include <shellapi.h>
#else
#include <QDesktopServices>
#include <unistd.h>
#endif

namespace kivo::platform {

SystemPlatform::SystemPlatform() = default;
SystemPlatform::~SystemPlatform() = default;

void SystemPlatform::showMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QCoreApplication::translate("Platform", kApplicationTitle), text,
                    QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void SystemPlatform::openUrl(const QUrl& address) {
#ifdef Q_OS_WIN
    // The wide form of the call keeps non-ASCII addresses intact.
    const std::wstring file = address.toString(QUrl::FullyEncoded).toStdWString();
    ::ShellExecuteW(nullptr, L"open", file.c_str(), nullptr, L"C:\\", SW_SHOWNORMAL);
#else
    QDesktopServices::openUrl(address);
#endif
}

QString SystemPlatform::lockFilePath() {
    const QString name = QStringLiteral("kivo-love-numerology.lock");
#ifdef Q_OS_WIN
    // The temporary folder is per user on Windows; the "runtime" folder Qt
    // offers there is the profile folder itself.
    return QDir(QDir::tempPath()).filePath(name);
#else
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(name);
    }
    // The shared temporary folder: the user id in the name keeps one user's
    // copy from refusing another user's.
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("kivo-love-numerology-%1.lock").arg(static_cast<qulonglong>(::getuid())));
#endif
}

bool SystemPlatform::acquireSingleInstanceLock() {
    if (lock_ && lock_->isLocked()) {
        return true;
    }
    lock_ = std::make_unique<QLockFile>(lockFilePath());
    // Age alone never makes a lock stale: a copy that has run for days still
    // holds it. A lock whose owner process is gone is taken over by tryLock.
    lock_->setStaleLockTime(0);
    return lock_->tryLock(0);
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
