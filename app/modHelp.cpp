#include "app/modHelp.h"

#include "app/platform/Platform.h"
#include "kivo_endpoints.h"

namespace modTellAFriend {
QString strTafAddress;
}  // namespace modTellAFriend

namespace modHelp {
namespace {

QUrl Page(const char* endpoint, const char* path) {
    return QUrl(QString::fromUtf8(endpoint) + QString::fromUtf8(path), QUrl::StrictMode);
}

}  // namespace

QUrl OnlineHelpAddress() { return Page(kivo::endpoints::kProductSite, "/kivo-love-numerology-help.html"); }
QUrl DownloadPageAddress() {
    return Page(kivo::endpoints::kProductSite, "/download-kivo-love-numerology.html");
}
// The home page is the site address itself, with no path of its own.
QUrl HomePageAddress() { return Page(kivo::endpoints::kMakerSite, ""); }
QUrl SoftwaresPageAddress() { return Page(kivo::endpoints::kMakerSite, "/arvellasoftwares"); }
QUrl DonatePageAddress() { return Page(kivo::endpoints::kHelpSite, "/donate.html"); }
QUrl FullBrandPageAddress() { return Page(kivo::endpoints::kHelpSite, "/fully-branded.html"); }
QUrl CoBrandPageAddress() { return Page(kivo::endpoints::kHelpSite, "/co-brand.html"); }
QUrl TellAFriendPageAddress() { return Page(kivo::endpoints::kMakerSite, "/tavik-refer-a-friend.php"); }
QUrl ProductHomeAddress() { return Page(kivo::endpoints::kProductSite, "/"); }

QString MakerSiteDisplayName() { return HomePageAddress().host(); }

void OpenOnlineHelp() { kivo::platform::OpenUrl(OnlineHelpAddress()); }
void OpenDownloadPage() { kivo::platform::OpenUrl(DownloadPageAddress()); }
void OpenHomePage() { kivo::platform::OpenUrl(HomePageAddress()); }
void OpenSoftwaresPage() { kivo::platform::OpenUrl(SoftwaresPageAddress()); }
void OpenDonatePage() { kivo::platform::OpenUrl(DonatePageAddress()); }
void OpenFullBrandPage() { kivo::platform::OpenUrl(FullBrandPageAddress()); }
void OpenCoBrandPage() { kivo::platform::OpenUrl(CoBrandPageAddress()); }

void OpenTellAFriendURL() {
    // Tolerant on purpose: the address carries the user's own words, and a
    // space or a line break in them must not turn it into no address at all.
    kivo::platform::OpenUrl(QUrl(modTellAFriend::strTafAddress, QUrl::TolerantMode));
}

}  // namespace modHelp
