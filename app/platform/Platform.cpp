#include "app/platform/Platform.h"

#include "app/platform/SystemPlatform.h"

#include <QApplication>

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

void openUrl(const QUrl& address) {
    if (address.toString(QUrl::FullyEncoded).size() > kLongestAddress) {
        showMessage(QApplication::activeWindow(), QCoreApplication::translate("Platform", kAddressTooLong),
                    MessageIcon::Error);
        return;
    }
    current().openUrl(address);
}

}  // namespace kivo::platform
