// The real platform layer where it can be watched without side effects: its
// message box, the hand-over of an address, the random numbers and topmost
// placement. The single-instance lock has its own test across processes.

#include "app/platform/SystemPlatform.h"
#include "app/program/Startup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include <thread>

using kivo::platform::MessageIcon;
using kivo::platform::SystemPlatform;

// Receives the addresses QDesktopServices would give to the browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

class SystemPlatformTest : public QObject {
    Q_OBJECT

private slots:
    void messageBoxHasTheTitleIconAndOneOkButton_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<QMessageBox::Icon>("shown");
        QTest::newRow("information") << MessageIcon::Information << QMessageBox::Information;
        QTest::newRow("error") << MessageIcon::Error << QMessageBox::Critical;
    }

    void messageBoxHasTheTitleIconAndOneOkButton() {
        if (QGuiApplication::platformName() == QLatin1String("windows")) {
            QSKIP("Windows shows its own message box, not Qt's; tried end to end under Wine");
        }
        QFETCH(MessageIcon, icon);
        QFETCH(QMessageBox::Icon, shown);
        SystemPlatform platform;
        bool inspected = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box != nullptr);
            inspected = true;
            QCOMPARE(box->windowTitle(), QStringLiteral("Kivo Love Numerology"));
            QCOMPARE(box->text(), QStringLiteral("Application is already running"));
            QCOMPARE(box->icon(), shown);
            QCOMPARE(box->windowModality(), Qt::ApplicationModal);
            QCOMPARE(box->buttons().size(), 1);
            QCOMPARE(box->standardButton(box->buttons().first()), QMessageBox::Ok);
            box->buttons().first()->click();
        });
        QTimer rescue;
        connect(&rescue, &QTimer::timeout, &rescue, [] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                w->close();
            }
        });
        rescue.start(5000);
        platform.showMessage(nullptr, QStringLiteral("Application is already running"), icon);
        QVERIFY(inspected);
    }

    void addressGoesToTheDesktopUnchanged() {
        if (QGuiApplication::platformName() == QLatin1String("windows")) {
            QSKIP("Windows hands the address to the shell, not to Qt; tried end to end under Wine");
        }
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        SystemPlatform platform;
        const QUrl address(
            QStringLiteral("https://www.arvella.example/tavik-refer-a-friend.php?taf1=Ann%20Lee"));
        platform.openUrl(address);
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{address});
    }

    void dieRollsAreEvenlySpread() {
        // Over many start-ups each face, and so each label, comes up about
        // equally often. The bounds are some seven standard deviations wide.
        constexpr int kRolls = 6000;
        SystemPlatform platform;
        kivo::platform::install(&platform);
        platform.seedRandomFromClock();
        QList<int> rolls;
        for (int i = 0; i < kRolls; ++i) {
            rolls.append(drawBrandRoll());
        }
        kivo::platform::install(nullptr);

        for (int face = 1; face <= 6; ++face) {
            const auto times = rolls.count(face);
            QVERIFY2(times > 800 && times < 1200,
                     qPrintable(QStringLiteral("%1 came up %2 times").arg(face).arg(times)));
        }
        const auto even = rolls.count(2) + rolls.count(4) + rolls.count(6);
        QVERIFY(even > 2800 && even < 3200);
    }

    void clockSeedsDifferFromRunToRun() {
        SystemPlatform first;
        first.seedRandomFromClock();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        SystemPlatform second;
        second.seedRandomFromClock();
        QList<float> a;
        QList<float> b;
        for (int i = 0; i < 4; ++i) {
            const float x = first.nextRandom();
            QVERIFY(x >= 0.0F && x < 1.0F);
            a.append(x);
            b.append(second.nextRandom());
        }
        QVERIFY(a != b);
    }

    void topmostWindowStaysOnScreen() {
        SystemPlatform platform;
        QWidget window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        platform.makeTopmost(&window);
        QVERIFY(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(window.isVisible());

        QWidget later;
        platform.makeTopmost(&later);
        QVERIFY(later.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(!later.isVisible());
    }
};

QTEST_MAIN(SystemPlatformTest)
#include "SystemPlatformTest.moc"
