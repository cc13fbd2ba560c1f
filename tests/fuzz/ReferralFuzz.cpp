// Any five values put into the refer-a-friend address must come back out of
// it unchanged, in order, with no key added or lost. The input is split into
// the five values at 0xFF bytes, which never occur in UTF-8.
#include "ui/promo/ReferralAddress.h"

#include <QByteArrayList>
#include <QList>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

const QUrl kPage(QStringLiteral("https://www.maker.example/tavik-refer-a-friend.php"));
const QUrl kHome(QStringLiteral("https://www.product.example/"));

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QList<QByteArray> parts = bytes.split('\xFF');
    while (parts.size() < 5) {
        parts.append(QByteArray());
    }
    modTellAFriend::ReferralValues values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        values[i] = QString::fromUtf8(parts[static_cast<qsizetype>(i)]);
    }

    const QString address = modTellAFriend::composeReferralAddress(kPage, kHome, values);
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != kPage.scheme() || url.host() != kPage.host() ||
        url.path() != kPage.path()) {
        std::abort();
    }
    // Decoded the way a web page decodes a query: split at "&" and "=",
    // then percent-decode the bytes as UTF-8. (QUrlQuery's own decoding
    // turns noncharacters such as U+FFFE into U+FFFD, which the page would
    // not do.)
    const QList<QByteArray> items = url.query(QUrl::FullyEncoded).toUtf8().split('&');
    if (items.size() != 6) {
        std::abort();
    }
    for (int i = 0; i < 6; ++i) {
        const qsizetype eq = items[i].indexOf('=');
        if (eq < 0 || items[i].left(eq) != QByteArray("taf") + QByteArray::number(i + 1)) {
            std::abort();
        }
        const QString value = QString::fromUtf8(QByteArray::fromPercentEncoding(items[i].mid(eq + 1)));
        const QString expected =
            i < 5 ? values[static_cast<std::size_t>(i)] : kHome.toString(QUrl::FullyEncoded);
        if (value != expected) {
            std::abort();
        }
    }
    return 0;
}
