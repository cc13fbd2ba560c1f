#include "ui/promo/modTellAFriend.h"

#include "app/modHelp.h"
#include "app/platform/Platform.h"
#include "ui/promo/frmExitPromo.h"

#include <QUrl>
#include <QUrlQuery>

#include <array>

namespace modTellAFriend {

QString strTafName;
QString strTafEmail;
QString strTafMessage;
QString strTafFriendName;
QString strTafFriendEmail;

namespace {

// One query component: every byte of the UTF-8 form outside the unreserved
// characters is percent-encoded. QUrlQuery alone is not enough: it takes
// "%20" in a value as an already encoded space, and it leaves "+" bare, which
// the page's form decoding would read back as a space.
QString QueryComponent(const QString& value) {
    QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(value));
    // A null string would make QUrlQuery drop the "=" of an empty value.
    if (encoded.isNull()) {
        encoded = QLatin1String("");
    }
    return encoded;
}

}  // namespace

QString ComposeReferralAddress(const QString& name, const QString& email, const QString& message,
                               const QString& friendName, const QString& friendEmail) {
    const QString home = modHelp::ProductHomeAddress().toString(QUrl::FullyEncoded);
    const std::array<std::pair<const char*, const QString*>, 6> items{{
        {"taf1", &name},
        {"taf2", &email},
        {"taf3", &message},
        {"taf4", &friendName},
        {"taf5", &friendEmail},
        {"taf6", &home},
    }};

    QUrlQuery query;
    for (const auto& [key, value] : items) {
        query.addQueryItem(QString::fromLatin1(key), QueryComponent(*value));
    }
    QUrl address = modHelp::TellAFriendPageAddress();
    address.setQuery(query);
    return address.toString(QUrl::FullyEncoded);
}

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
        const QString trimmed = TrimSpaces(*check.value);
        if (trimmed.isEmpty() || trimmed == *check.placeholder) {
            kivo::platform::ShowMessage(frmExitPromo::Instance(), QString::fromLatin1(check.message),
                                        kivo::platform::MessageIcon::Error);
            return;
        }
    }

    strTafAddress = ComposeReferralAddress(strTafName, strTafEmail, strTafMessage, strTafFriendName,
                                           strTafFriendEmail);
    modHelp::OpenTellAFriendURL();
}

}  // namespace modTellAFriend
