#pragma once

#include "app/platform/InstanceGuard.h"
#include "app/platform/Platform.h"

#include <random>

namespace kivo::platform {

// The real system: Qt's dialogs and desktop services, with the Windows shell
// where the platform has it.
class SystemPlatform final : public Platform {
public:
    // The guard's locks in the user's own folders; tests give folders of
    // their own.
    explicit SystemPlatform(InstanceGuardPlaces guardPlaces = {});
    ~SystemPlatform() override;

    void showMessage(QWidget* parent, const QString& text, MessageIcon icon) override;
    void openUrl(const QUrl& address) override;
    bool acquireSingleInstanceLock() override;
    void seedRandomFromClock() override;
    float nextRandom() override;
    void makeTopmost(QWidget* window) override;

private:
    InstanceGuard guard_;
    std::mt19937 generator_;
};

}  // namespace kivo::platform
