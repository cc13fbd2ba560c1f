#pragma once
// The refer-a-friend submission: the promotion window copies its five fields
// into the module values below and calls SubmitReferral, which checks them,
// composes the address of the maker's refer-a-friend page and opens it.
// strTafAddress lives with the launcher that opens it (app/modHelp.h).

#include <QString>

namespace modTellAFriend {

// Written by the button handler of frmExitPromo, trimmed of spaces; they keep
// the last press's values for the rest of the run.
extern QString strTafName;
extern QString strTafEmail;
extern QString strTafMessage;
extern QString strTafFriendName;
extern QString strTafFriendEmail;

// The five fields, in the order SubmitReferral checks them.
enum class Field { Name, Email, Message, FriendName, FriendEmail };

// The prompt a field shows until the user types, in the user's language.
QString placeholder(Field field);

// Checks the five module values in order, showing a message over the active
// window (the form's own) and returning at the first that is empty or still
// its placeholder; otherwise composes strTafAddress (ReferralAddress.h) and
// opens it with modHelp::OpenTellAFriendURL.
void SubmitReferral();

}  // namespace modTellAFriend
