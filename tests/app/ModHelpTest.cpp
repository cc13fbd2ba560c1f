// The web-link launchers: each hands exactly its own page to the platform,
// built from the configured endpoint and the page's fixed path.

#include "app/modHelp.h"
#include "kivo_endpoints.h"
#include "tests/support/RecordingPlatform.h"

#include <QtTest>

#include <functional>

using Launcher = std::function<void()>;
Q_DECLARE_METATYPE(Launcher)

namespace {

QString endpointOf(const char* site) { return QString::fromUtf8(site); }

}  // namespace

class ModHelpTest : public QObject {
    Q_OBJECT

private slots:
    void eachLauncherOpensExactlyItsPage_data() {
        using namespace kivo::endpoints;
        QTest::addColumn<Launcher>("launcher");
        QTest::addColumn<QString>("address");
        QTest::newRow("OpenOnlineHelp") << Launcher(modHelp::OpenOnlineHelp)
                                        << endpointOf(kProductSite) + "/kivo-love-numerology-help.html";
        QTest::newRow("OpenDownloadPage") << Launcher(modHelp::OpenDownloadPage)
                                          << endpointOf(kProductSite) + "/download-kivo-love-numerology.html";
        QTest::newRow("OpenHomePage") << Launcher(modHelp::OpenHomePage) << endpointOf(kMakerSite);
        QTest::newRow("OpenSoftwaresPage")
            << Launcher(modHelp::OpenSoftwaresPage) << endpointOf(kMakerSite) + "/arvellasoftwares";
        QTest::newRow("OpenDonatePage")
            << Launcher(modHelp::OpenDonatePage) << endpointOf(kHelpSite) + "/donate.html";
        QTest::newRow("OpenFullBrandPage")
            << Launcher(modHelp::OpenFullBrandPage) << endpointOf(kHelpSite) + "/fully-branded.html";
        QTest::newRow("OpenCoBrandPage")
            << Launcher(modHelp::OpenCoBrandPage) << endpointOf(kHelpSite) + "/co-brand.html";
    }

    void eachLauncherOpensExactlyItsPage() {
        QFETCH(Launcher, launcher);
        QFETCH(QString, address);
        kivo::testing::RecordingPlatform platform;
        launcher();
        QCOMPARE(platform.openedUrls.size(), 1);
        QVERIFY(platform.openedUrls.first().isValid());
        QCOMPARE(platform.openedUrls.first().toString(), address);
        QVERIFY(platform.messages.isEmpty());
    }

    void tellAFriendOpensTheComposedAddress_data() {
        QTest::addColumn<QString>("address");
        QTest::newRow("percent-encoded") << QStringLiteral(
            "https://www.arvella.example/tavik-refer-a-friend.php?taf1=Ann%20Lee&taf2=a%40b.example"
            "&taf6=https%3A%2F%2Fwww.kivolove.example%2F");
        // The user's own words, raw: spaces, a line break, non-ASCII letters
        // and a "#" must still reach the browser as one address.
        QTest::newRow("raw") << QString::fromUtf8(
            "https://www.arvella.example/tavik-refer-a-friend.php?taf1=Zoë Lee&taf3=Your Message\r\n"
            "&taf4=Bo #1&taf6=https://www.kivolove.example/");
    }

    void tellAFriendOpensTheComposedAddress() {
        QFETCH(QString, address);
        kivo::testing::RecordingPlatform platform;
        modTellAFriend::strTafAddress = address;
        modHelp::OpenTellAFriendURL();
        QCOMPARE(platform.openedUrls.size(), 1);
        const QUrl opened = platform.openedUrls.first();
        QVERIFY2(opened.isValid(), qPrintable(opened.errorString()));
        QCOMPARE(QUrl::fromPercentEncoding(opened.toEncoded()), QUrl::fromPercentEncoding(address.toUtf8()));
        // The module value is the form's; opening it leaves it as it was.
        QCOMPARE(modTellAFriend::strTafAddress, address);
    }

    // Wine's shell faults on addresses of about a thousand characters: one
    // longer than the program's longest, counted as sent, is not opened, and
    // the user is told.
    void overlongAddressIsNotOpened_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("opened");
        const QString page = QStringLiteral("https://www.arvella.example/tavik-refer-a-friend.php?taf1=");
        const auto padded = [&](qsizetype length) { return page + QString(length - page.size(), u'a'); };
        QTest::newRow("at the longest") << padded(kivo::platform::kLongestAddress) << true;
        QTest::newRow("one past") << padded(kivo::platform::kLongestAddress + 1) << false;
        QTest::newRow("short, but long once encoded") << page + QString(200, u'\u00e9') << false;
    }

    void overlongAddressIsNotOpened() {
        QFETCH(QString, address);
        QFETCH(bool, opened);
        kivo::testing::RecordingPlatform platform;
        modTellAFriend::strTafAddress = address;
        modHelp::OpenTellAFriendURL();
        QCOMPARE(platform.openedUrls.size(), opened ? 1 : 0);
        if (!opened) {
            QCOMPARE(platform.messageTexts(),
                     QStringList{QStringLiteral("The web address is too long to be opened. Please shorten "
                                                "your entries and try again.")});
            QCOMPARE(platform.messages.constFirst().icon, kivo::platform::MessageIcon::Error);
        } else {
            QVERIFY(platform.messages.isEmpty());
        }
    }
};

QTEST_GUILESS_MAIN(ModHelpTest)
#include "ModHelpTest.moc"
