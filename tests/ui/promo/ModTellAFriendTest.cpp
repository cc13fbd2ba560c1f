// The refer-a-friend module on its own: the order of its checks and the
// address it opens, which must hand the page exactly the values it was given.

#include "app/modHelp.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/kit/TextRules.h"
#include "ui/promo/ReferralAddress.h"
#include "ui/promo/modTellAFriend.h"

#include <QRandomGenerator>
#include <QStringList>
#include <QUrlQuery>
#include <QtTest>

namespace {

using kivo::testing::RecordingPlatform;

const QStringList kKeys{"taf1", "taf2", "taf3", "taf4", "taf5", "taf6"};

void setValues(const QStringList& values) {
    modTellAFriend::strTafName = values.at(0);
    modTellAFriend::strTafEmail = values.at(1);
    modTellAFriend::strTafMessage = values.at(2);
    modTellAFriend::strTafFriendName = values.at(3);
    modTellAFriend::strTafFriendEmail = values.at(4);
}

// The query as a web page's form decoding reads it: pairs split at "&" and
// "=", "+" taken as a space, then percent-decoded as UTF-8.
QList<std::pair<QString, QString>> formDecode(const QByteArray& encodedQuery) {
    QList<std::pair<QString, QString>> pairs;
    for (const QByteArray& pair : encodedQuery.split('&')) {
        const qsizetype equals = pair.indexOf('=');
        QByteArray key = pair.left(equals);
        QByteArray value = equals < 0 ? QByteArray() : pair.mid(equals + 1);
        key.replace('+', ' ');
        value.replace('+', ' ');
        pairs.append({QString::fromUtf8(QByteArray::fromPercentEncoding(key)),
                      QString::fromUtf8(QByteArray::fromPercentEncoding(value))});
    }
    return pairs;
}

// Checks that the composed address carries exactly the five values and the
// program's home address, read back both by Qt and by form decoding, and
// that it was opened, or refused with a message when it is too long to open.
void verifyOpenedAddress(const RecordingPlatform& platform, const QStringList& values) {
    if (modTellAFriend::strTafAddress.size() > kivo::platform::kLongestAddress) {
        QVERIFY(platform.openedUrls.isEmpty());
        QCOMPARE(platform.messages.size(), 1);
    } else {
        QCOMPARE(platform.openedUrls.size(), 1);
        QCOMPARE(platform.openedUrls.constFirst().toString(QUrl::FullyEncoded),
                 modTellAFriend::strTafAddress);
        QVERIFY(platform.messages.isEmpty());
    }
    const QUrl opened(modTellAFriend::strTafAddress, QUrl::TolerantMode);
    QVERIFY2(opened.isValid(), qPrintable(opened.errorString()));
    QCOMPARE(opened.scheme(), QStringLiteral("https"));
    QCOMPARE(opened.host(), modTellAFriend::tellAFriendPageAddress().host());
    QCOMPARE(opened.path(), QStringLiteral("/tavik-refer-a-friend.php"));
    QVERIFY(!opened.hasFragment());
    QCOMPARE(opened.toString(QUrl::FullyEncoded), modTellAFriend::strTafAddress);

    QStringList expected = values;
    expected.append(modTellAFriend::productHomeAddress().toString());

    const QList<std::pair<QString, QString>> items = QUrlQuery(opened).queryItems(QUrl::FullyDecoded);
    QCOMPARE(items.size(), 6);
    const QList<std::pair<QString, QString>> formItems =
        formDecode(opened.query(QUrl::FullyEncoded).toLatin1());
    QCOMPARE(formItems.size(), 6);
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(items.at(i).first, kKeys.at(i));
        QCOMPARE(items.at(i).second, expected.at(i));
        QCOMPARE(formItems.at(i).first, kKeys.at(i));
        QCOMPARE(formItems.at(i).second, expected.at(i));
    }
}

QString randomText(QRandomGenerator& random) {
    // Every ASCII character, controls included, plus letters from outside
    // ASCII and characters beyond the basic plane.
    static const QList<char32_t> kExtra{0xE9,   0xDF,   0x3A9,   0x416,   0x5D0,  0x4E2D,
                                        0x2019, 0xFEFF, 0x1F496, 0x1F600, 0x10348};
    const int length = random.bounded(1, 200);
    QString text;
    for (int i = 0; i < length; ++i) {
        const int pick = random.bounded(128 + static_cast<int>(kExtra.size()));
        const char32_t code = pick < 128 ? static_cast<char32_t>(pick) : kExtra.at(pick - 128);
        text.append(QString::fromUcs4(&code, 1));
    }
    // The checks refuse a value that is empty once spaces are trimmed.
    if (kivo::trimSpaces(text).isEmpty()) {
        text.append(QLatin1Char('x'));
    }
    return text;
}

}  // namespace

class ModTellAFriendTest : public QObject {
    Q_OBJECT
private slots:
    void checksInOrder_data();
    void checksInOrder();
    void addressCarriesValuesUnchanged_data();
    void addressCarriesValuesUnchanged();
    void addressCarriesRandomValuesUnchanged();
    void emptyValuesKeepTheirEqualsSign();
};

void ModTellAFriendTest::checksInOrder_data() {
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<QString>("message");

    const QStringList good{"Ann", "ann@home.example", "Hello", "Bob", "bob@home.example"};
    auto with = [&good](int index, const QString& value) {
        QStringList values = good;
        values[index] = value;
        return values;
    };

    QTest::newRow("name placeholder") << with(0, "Your Name") << "Please Enter Your Name";
    QTest::newRow("name placeholder in spaces") << with(0, "  Your Name ") << "Please Enter Your Name";
    QTest::newRow("name only spaces") << with(0, "   ") << "Please Enter Your Name";
    QTest::newRow("e-mail placeholder") << with(1, "Your Email Address") << "Please Enter Your Email";
    QTest::newRow("e-mail empty") << with(1, "") << "Please Enter Your Email";
    QTest::newRow("message placeholder") << with(2, "Your Message") << "Please Enter Your Message";
    QTest::newRow("message empty") << with(2, "") << "Please Enter Your Message";
    QTest::newRow("friend's name placeholder")
        << with(3, "Friend's Name") << "Please Enter Your Friend's Name";
    QTest::newRow("friend's e-mail placeholder")
        << with(4, "Friend's Email Address") << "Please Enter Your Friend's Email";
    QTest::newRow("first failure wins")
        << QStringList{"Ann", "ann@home.example", "", "", ""} << "Please Enter Your Message";

    // A different letter case is not the placeholder, and neither is the
    // message's first text with its line break.
    QTest::newRow("placeholder in other case passes") << with(0, "your name") << "";
    QTest::newRow("message with line break passes") << with(2, "Your Message\r\n") << "";
    QTest::newRow("placeholder with a tab passes") << with(3, "Friend's Name\t") << "";
}

void ModTellAFriendTest::checksInOrder() {
    QFETCH(QStringList, values);
    QFETCH(QString, message);
    RecordingPlatform platform;
    modTellAFriend::strTafAddress = QStringLiteral("unchanged");
    setValues(values);

    modTellAFriend::SubmitReferral();

    if (message.isEmpty()) {
        QVERIFY(platform.messages.isEmpty());
        QCOMPARE(platform.openedUrls.size(), 1);
    } else {
        QCOMPARE(platform.messageTexts(), QStringList{message});
        QCOMPARE(platform.messages.constFirst().icon, kivo::platform::MessageIcon::Error);
        QVERIFY(platform.openedUrls.isEmpty());
        QCOMPARE(modTellAFriend::strTafAddress, QStringLiteral("unchanged"));
    }
}

void ModTellAFriendTest::addressCarriesValuesUnchanged_data() {
    QTest::addColumn<QStringList>("values");

    QTest::newRow("plain") << QStringList{"Ann", "ann@home.example", "Hello", "Bob", "bob@home.example"};
    QTest::newRow("delimiters") << QStringList{"A&B=C", "a#b@c.d", "?x=1&y=2#top", "Bob;Jo/Al", "b=b@c.d&"};
    QTest::newRow("key injection") << QStringList{"Ann&taf2=evil@x.y", "ann@home.example",
                                                  "hi&taf6=https://evil.example/", "Bob",
                                                  "bob@home.example#taf5=x"};
    QTest::newRow("plus and percent taken literally")
        << QStringList{"A+B", "a+tag@home.example", "100%20sure %2B 50% %zz %", "%41", "b%40c.d"};
    QTest::newRow("spaces inside") << QStringList{"Ann Lee", "a b@c.d", "one  two   three", "Bob Jo",
                                                  "x@y.z"};
    QTest::newRow("line breaks and tabs")
        << QStringList{"Ann", "ann@home.example", "Your Message\r\nline two\r\n\r\nend\t", "Bob\n", "b@c.d"};
    QTest::newRow("beyond ASCII") << QStringList{
        QString::fromUtf8("Zo\u00EB \u5F20\u4F1F"), QString::fromUtf8("j\u00FCrgen@m\u00FCnchen.example"),
        QString::fromUtf8("\u2764\uFE0F \U0001F496 love \U0001F600"),
        QString::fromUtf8("\u0416\u0435\u043D\u044F"), QString::fromUtf8("\U0001F600@emoji.example")};
    const QString longText = QString(9'999, QLatin1Char('a')) + QLatin1Char('&');
    QTest::newRow("10,000 characters") << QStringList{longText, QStringLiteral("ann@home.example"),
                                                      QString::fromUtf8("\U0001F496").repeated(5'000),
                                                      longText, QStringLiteral("bob@home.example")};
}

void ModTellAFriendTest::addressCarriesValuesUnchanged() {
    QFETCH(QStringList, values);
    RecordingPlatform platform;
    setValues(values);

    modTellAFriend::SubmitReferral();

    verifyOpenedAddress(platform, values);
    if (QTest::currentTestFailed()) {
        return;
    }
    QCOMPARE(modTellAFriend::strTafAddress,
             modTellAFriend::composeReferralAddress(
                 modTellAFriend::tellAFriendPageAddress(), modTellAFriend::productHomeAddress(),
                 {values.at(0), values.at(1), values.at(2), values.at(3), values.at(4)}));
}

void ModTellAFriendTest::addressCarriesRandomValuesUnchanged() {
    QRandomGenerator random(20240517);
    for (int round = 0; round < 300; ++round) {
        QStringList values;
        for (int i = 0; i < 5; ++i) {
            values.append(randomText(random));
        }
        RecordingPlatform platform;
        setValues(values);
        modTellAFriend::SubmitReferral();
        verifyOpenedAddress(platform, values);
        if (QTest::currentTestFailed()) {
            qWarning() << "failing values:" << values;
            return;
        }
    }
}

void ModTellAFriendTest::emptyValuesKeepTheirEqualsSign() {
    // Every key keeps the key=value shape, so the page sees an empty value
    // rather than a bare key. The form never sends one, but the composer
    // must not depend on that.
    const QString address = modTellAFriend::composeReferralAddress(
        modTellAFriend::tellAFriendPageAddress(), modTellAFriend::productHomeAddress(),
        {QString(), QStringLiteral(""), QStringLiteral("m"), QString(), QString()});
    const QString query = QUrl(address).query(QUrl::FullyEncoded);
    QVERIFY2(query.startsWith(QStringLiteral("taf1=&taf2=&taf3=m&taf4=&taf5=&taf6=")), qPrintable(query));
}

QTEST_GUILESS_MAIN(ModTellAFriendTest)
#include "ModTellAFriendTest.moc"
