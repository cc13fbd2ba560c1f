#pragma once
// The refer-a-friend address, composed from the form's values alone: no
// window, no module values, no browser.

#include <QString>
#include <QUrl>

#include <array>

namespace modTellAFriend {

// The form's five values in the order the page reads them: name, e-mail,
// message, friend's name, friend's e-mail.
using ReferralValues = std::array<QString, 5>;

// The submission address, fully percent-encoded: the page's address, then
// taf1 to taf5 with the values and taf6 with the program's home address. Each
// value travels as one UTF-8 query component, so whatever it holds comes back
// out unchanged and cannot add a key of its own.
QString composeReferralAddress(const QUrl& page, const QUrl& home, const ReferralValues& values);

}  // namespace modTellAFriend
