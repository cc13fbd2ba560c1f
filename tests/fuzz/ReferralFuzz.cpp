// Any five values put into the refer-a-friend address must come back out of
// it unchanged, in order, with no key added or lost. The input is split into
// the five values at 0xFF bytes, which never occur in UTF-8.
#include "app/modHelp.h"
#include "ui/promo/modTellAFriend.h"

#include <QByteArrayList>
#include <QList>
#include <QUrl>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QList<QByteArray> parts = bytes.split('\xFF');
    while (parts.size() < 5) {
        parts.append(QByteArray());
    }
    QStringList values;
    for (int i = 0; i < 5; ++i) {
        values.append(QString::fromUtf8(parts[i]));
    }

    const QString address =
        modTellAFriend::ComposeReferralAddress(values[0], values[1], values[2], values[3], values[4]);
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.scheme() != QLatin1String("https") ||
        url.path() != modHelp::TellAFriendPageAddress().path()) {
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
            i < 5 ? values[i] : modHelp::ProductHomeAddress().toString(QUrl::FullyEncoded);
        if (value != expected) {
            std::abort();
        }
    }
    return 0;
}
