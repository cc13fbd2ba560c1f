#pragma once
// Web-link launchers: each opens one fixed page of the maker's or the
// program's web sites in the user's default browser, through the platform
// layer. None reports whether the page opened.

#include <QString>
#include <QUrl>

namespace modTellAFriend {
// The composed refer-a-friend address, written by the refer-a-friend form and
// opened by OpenTellAFriendURL.
extern QString strTafAddress;
}  // namespace modTellAFriend

namespace modHelp {

// The addresses behind the launchers, built from the configured endpoints.
QUrl onlineHelpAddress();
QUrl downloadPageAddress();
QUrl homePageAddress();
QUrl softwaresPageAddress();
QUrl donatePageAddress();
QUrl fullBrandPageAddress();
QUrl coBrandPageAddress();

// The maker's site as people read it in a caption, e.g. "www.example.example".
QString makerSiteDisplayName();

void OpenOnlineHelp();
void OpenDownloadPage();
void OpenHomePage();
void OpenSoftwaresPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();
// Opens modTellAFriend::strTafAddress.
void OpenTellAFriendURL();

}  // namespace modHelp
