#pragma once
// The refer-a-friend address: where it goes, and how it is composed from the
// form's values alone (no window, no module values, no browser).

#include <QString>
#include <QUrl>

#include <array>

namespace modTellAFriend {

// The form's five values in the order the page reads them: name, e-mail,
// message, friend's name, friend's e-mail.
using ReferralValues = std::array<QString, 5>;

// The refer-a-friend submission page on the maker's site, without a query.
QUrl tellAFriendPageAddress();
// The root of the program's own site, "scheme://host/", which the address
// carries as taf6.
QUrl productHomeAddress();

// The submission address, fully percent-encoded: the page's address, then
// taf1 to taf5 with the values and taf6 with the program's home address. Each
// value travels as one UTF-8 query component, so whatever it holds comes back
// out unchanged and cannot add a key of its own.
QString composeReferralAddress(const QUrl& page, const QUrl& home, const ReferralValues& values);

}  // namespace modTellAFriend
