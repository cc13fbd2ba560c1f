#include "ui/promo/modTellAFriend.h"

#include "app/modHelp.h"
#include "app/platform/Platform.h"
#include "ui/kit/TextRules.h"
#include "ui/promo/ReferralAddress.h"

#include <QApplication>

#include <array>

namespace modTellAFriend {

QString strTafName;
QString strTafEmail;
QString strTafMessage;
QString strTafFriendName;
QString strTafFriendEmail;

void SubmitReferral() {
    struct Check {
        const QString* value;
        const QString* placeholder;
        const char* message;
    };
    const std::array<Check, 5> checks{{
        {&strTafName, &kNamePlaceholder, "Please Enter Your Name"},
        {&strTafEmail, &kEmailPlaceholder, "Please Enter Your Email"},
        {&strTafMessage, &kMessagePlaceholder, "Please Enter Your Message"},
        {&strTafFriendName, &kFriendNamePlaceholder, "Please Enter Your Friend's Name"},
        {&strTafFriendEmail, &kFriendEmailPlaceholder, "Please Enter Your Friend's Email"},
    }};
    for (const Check& check : checks) {
        const QString trimmed = kivo::TrimSpaces(*check.value);
        if (trimmed.isEmpty() || trimmed == *check.placeholder) {
            // The form that was just submitted is the active window; owning
            // the box keeps it above that topmost window.
            kivo::platform::ShowMessage(QApplication::activeWindow(), QString::fromLatin1(check.message),
                                        kivo::platform::MessageIcon::Error);
            return;
        }
    }

    strTafAddress = ComposeReferralAddress(modHelp::TellAFriendPageAddress(), modHelp::ProductHomeAddress(),
                                           {strTafName, strTafEmail, strTafMessage, strTafFriendName,
                                            strTafFriendEmail});
    modHelp::OpenTellAFriendURL();
}

}  // namespace modTellAFriend
