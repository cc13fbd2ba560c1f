#include "ui/promo/modTellAFriend.h"

#include "app/modHelp.h"
#include "app/platform/Platform.h"
#include "ui/kit/TextRules.h"
#include "ui/promo/ReferralAddress.h"

#include <QApplication>

#include <array>
#include <cstddef>

namespace modTellAFriend {
namespace {

// Each field's prompt and what the user is told when it is left empty or
// still holds the prompt; both are translated where they are shown.
struct FieldTexts {
    const char* placeholder;
    const char* missing;
};

constexpr std::array<FieldTexts, 5> kFieldTexts{{
    {QT_TRANSLATE_NOOP("modTellAFriend", "Your Name"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Name")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Your Email Address"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Email")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Your Message"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Message")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Name"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Name")},
    {QT_TRANSLATE_NOOP("modTellAFriend", "Friend's Email Address"),
     QT_TRANSLATE_NOOP("modTellAFriend", "Please Enter Your Friend's Email")},
}};

QString translated(const char* text) { return QCoreApplication::translate("modTellAFriend", text); }

}  // namespace

QString strTafName;
QString strTafEmail;
QString strTafMessage;
QString strTafFriendName;
QString strTafFriendEmail;

QString placeholder(Field field) {
    return translated(kFieldTexts[static_cast<std::size_t>(field)].placeholder);
}

void SubmitReferral() {
    const std::array<const QString*, 5> values{&strTafName, &strTafEmail, &strTafMessage, &strTafFriendName,
                                               &strTafFriendEmail};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const QString trimmed = kivo::trimSpaces(*values[i]);
        if (trimmed.isEmpty() || trimmed == translated(kFieldTexts[i].placeholder)) {
            // The form that was just submitted is the active window; owning
            // the box keeps it above that topmost window.
            kivo::platform::showMessage(QApplication::activeWindow(), translated(kFieldTexts[i].missing),
                                        kivo::platform::MessageIcon::Error);
            return;
        }
    }

    strTafAddress =
        composeReferralAddress(tellAFriendPageAddress(), productHomeAddress(),
                               {strTafName, strTafEmail, strTafMessage, strTafFriendName, strTafFriendEmail});
    modHelp::OpenTellAFriendURL();
}

}  // namespace modTellAFriend
