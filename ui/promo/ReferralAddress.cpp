#include "ui/promo/ReferralAddress.h"

#include "kivo_endpoints.h"

#include <QUrlQuery>

namespace modTellAFriend {
namespace {

// One query component: every byte of the UTF-8 form outside the unreserved
// characters is percent-encoded. QUrlQuery alone is not enough: it takes
// "%20" in a value as an already encoded space, and it leaves "+" bare, which
// the page's form decoding would read back as a space.
QString queryComponent(const QString& value) {
    QString encoded = QString::fromLatin1(QUrl::toPercentEncoding(value));
    // A null string would make QUrlQuery drop the "=" of an empty value.
    if (encoded.isNull()) {
        encoded = QLatin1String("");
    }
    return encoded;
}

}  // namespace

QUrl tellAFriendPageAddress() {
    return QUrl(QString::fromUtf8(kivo::endpoints::kMakerSite) + QStringLiteral("/tavik-refer-a-friend.php"),
                QUrl::StrictMode);
}

QUrl productHomeAddress() {
    return QUrl(QString::fromUtf8(kivo::endpoints::kProductSite) + QStringLiteral("/"), QUrl::StrictMode);
}

QString composeReferralAddress(const QUrl& page, const QUrl& home, const ReferralValues& values) {
    QUrlQuery query;
    for (std::size_t i = 0; i < values.size(); ++i) {
        query.addQueryItem(QStringLiteral("taf%1").arg(i + 1), queryComponent(values[i]));
    }
    query.addQueryItem(QStringLiteral("taf6"), queryComponent(home.toString(QUrl::FullyEncoded)));
    QUrl address = page;
    address.setQuery(query);
    return address.toString(QUrl::FullyEncoded);
}

}  // namespace modTellAFriend
