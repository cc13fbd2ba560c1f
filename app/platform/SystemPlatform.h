#pragma once

#include "app/platform/Platform.h"

#include <QLockFile>

#include <memory>
#include <random>

namespace kivo::platform {

// The real system: Qt's dialogs and desktop services, with the Windows shell
// where the platform has it.
class SystemPlatform final : public Platform {
public:
    SystemPlatform();
    ~SystemPlatform() override;

    void showMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    void openUrl(const QUrl& address) override;
    bool acquireSingleInstanceLock() override;
    void seedRandomFromClock() override;
    float nextRandom() override;
    void makeTopmost(QWidget* window) override;

    // Where the single-instance lock lives: the user's runtime folder, or the
    // temporary folder where there is none.
    static QString lockFilePath();

private:
    std::unique_ptr<QLockFile> lock_;
    std::mt19937 generator_;
};

}  // namespace kivo::platform
