#include "app/modHelp.h"

#include "app/platform/Platform.h"
#include "kivo_endpoints.h"

namespace modTellAFriend {
QString strTafAddress;
}  // namespace modTellAFriend

namespace modHelp {
namespace {

QUrl pageAt(const char* endpoint, const char* path) {
    return QUrl(QString::fromUtf8(endpoint) + QString::fromUtf8(path), QUrl::StrictMode);
}

}  // namespace

QUrl onlineHelpAddress() { return pageAt(kivo::endpoints::kProductSite, "/kivo-love-numerology-help.html"); }
QUrl downloadPageAddress() {
    return pageAt(kivo::endpoints::kProductSite, "/download-kivo-love-numerology.html");
}
// The home page is the site address itself, with no path of its own.
QUrl homePageAddress() { return pageAt(kivo::endpoints::kMakerSite, ""); }
QUrl softwaresPageAddress() { return pageAt(kivo::endpoints::kMakerSite, "/arvellasoftwares"); }
QUrl donatePageAddress() { return pageAt(kivo::endpoints::kHelpSite, "/donate.html"); }
QUrl fullBrandPageAddress() { return pageAt(kivo::endpoints::kHelpSite, "/fully-branded.html"); }
QUrl coBrandPageAddress() { return pageAt(kivo::endpoints::kHelpSite, "/co-brand.html"); }

QString makerSiteDisplayName() { return homePageAddress().host(); }

void OpenOnlineHelp() { kivo::platform::openUrl(onlineHelpAddress()); }
void OpenDownloadPage() { kivo::platform::openUrl(downloadPageAddress()); }
void OpenHomePage() { kivo::platform::openUrl(homePageAddress()); }
void OpenSoftwaresPage() { kivo::platform::openUrl(softwaresPageAddress()); }
void OpenDonatePage() { kivo::platform::openUrl(donatePageAddress()); }
void OpenFullBrandPage() { kivo::platform::openUrl(fullBrandPageAddress()); }
void OpenCoBrandPage() { kivo::platform::openUrl(coBrandPageAddress()); }

void OpenTellAFriendURL() {
    // Tolerant on purpose: the address carries the user's own words, and a
    // space or a line break in them must not turn it into no address at all.
    kivo::platform::openUrl(QUrl(modTellAFriend::strTafAddress, QUrl::TolerantMode));
}

}  // namespace modHelp
