#include "app/platform/Platform.h"

#include "app/platform/SystemPlatform.h"

namespace kivo::platform {
namespace {

Platform* g_replacement = nullptr;

SystemPlatform& system() {
    static SystemPlatform instance;
    return instance;
}

}  // namespace

Platform& current() { return g_replacement != nullptr ? *g_replacement : system(); }

void install(Platform* replacement) { g_replacement = replacement; }

void showMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    current().showMessage(parent, text, icon);
}

void openUrl(const QUrl& address) { current().openUrl(address); }

}  // namespace kivo::platform
