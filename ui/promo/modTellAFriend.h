#pragma once
// The refer-a-friend submission: the promotion window copies its five fields
// into the module values below and calls SubmitReferral, which checks them,
// composes the address of the maker's refer-a-friend page and opens it.
// strTafAddress lives with the launcher that opens it (app/modHelp.h).

#include "app/TextRules.h"

#include <QString>

namespace modTellAFriend {

// Written by the button handler of frmExitPromo, trimmed of spaces; they keep
// the last press's values for the rest of the run.
extern QString strTafName;
extern QString strTafEmail;
extern QString strTafMessage;
extern QString strTafFriendName;
extern QString strTafFriendEmail;

// The prompts the five fields show until the user types.
inline const QString kNamePlaceholder = QStringLiteral("Your Name");
inline const QString kEmailPlaceholder = QStringLiteral("Your Email Address");
inline const QString kMessagePlaceholder = QStringLiteral("Your Message");
inline const QString kFriendNamePlaceholder = QStringLiteral("Friend's Name");
inline const QString kFriendEmailPlaceholder = QStringLiteral("Friend's Email Address");

// Removes leading and trailing space characters (code 32) only: tabs and line
// breaks are content for the form's rules.
using kivo::TrimSpaces;

// The submission address for five values, fully percent-encoded: the page's
// address, then taf1 to taf5 with the values and taf6 with the program's home
// address. Each value travels as one UTF-8 query component, so whatever it
// holds comes back out unchanged and cannot add a key of its own.
QString ComposeReferralAddress(const QString& name, const QString& email, const QString& message,
                               const QString& friendName, const QString& friendEmail);

// Checks the five module values in order, showing a message and returning at
// the first that is empty or still its placeholder; otherwise composes
// strTafAddress and opens it with modHelp::OpenTellAFriendURL.
void SubmitReferral();

}  // namespace modTellAFriend
