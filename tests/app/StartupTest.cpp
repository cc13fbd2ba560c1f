// Start-up and shut-down pieces that can run inside one test process: the die
// roll, the label it puts in front, and the main window's way out to the
// exit promotion window. The whole run, which ends for good, is in
// StartupScenarios.cpp.

#include "app/program/Shutdown.h"
#include "app/program/Startup.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "tests/support/ScenarioProcess.h"
#include "ui/main/frmMain.h"
#include "ui/promo/frmExitPromo.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QStyle>
#include <QToolButton>
#include <QWindow>
#include <QtTest>

#include <cmath>
#include <limits>

using kivo::testing::child;
using kivo::testing::frontAt;

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void rollIsOneToSixFromTheRandomNumber_data() {
        QTest::addColumn<float>("random");
        QTest::addColumn<int>("roll");
        QTest::newRow("0") << 0.0F << 1;
        QTest::newRow("just under 1/6") << 0.16666F << 1;
        QTest::newRow("1/6") << (1.0F / 6.0F) << 2;
        QTest::newRow("0.5") << 0.5F << 4;
        QTest::newRow("just under 5/6") << 0.8333F << 5;
        QTest::newRow("just over 5/6") << 0.8334F << 6;
        QTest::newRow("largest below 1") << std::nextafter(1.0F, 0.0F) << 6;
    }

    void rollIsOneToSixFromTheRandomNumber() {
        QFETCH(float, random);
        QFETCH(int, roll);
        kivo::testing::RecordingPlatform platform;
        platform.randomValues = {random};
        QCOMPARE(drawBrandRoll(), roll);
    }

    void menuBarOverflowButtonShowsTheStylesIcon() {
        // The program's style reads the icon late; drawn, it is the style's own.
        const QString before = QApplication::style()->name();
        const QImage expected = QApplication::style()
                                    ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                    .pixmap(16)
                                    .toImage();
        QVERIFY(!expected.isNull());
        useStyleWithIconsOnDemand();
        {
            QMenuBar bar;
            const auto* overflow = bar.findChild<QToolButton*>(QStringLiteral("qt_menubar_ext_button"));
            QVERIFY(overflow != nullptr);
            QCOMPARE(overflow->icon().pixmap(16).toImage(), expected);
        }
        QApplication::setStyle(before);
    }

    void evenRollShowsFullBrandOddShowsCobrand_data() {
        QTest::addColumn<int>("roll");
        QTest::addColumn<QString>("front");
        for (int r = 1; r <= 6; ++r) {
            QTest::addRow("r=%d", r) << r
                                     << (r % 2 == 0 ? QStringLiteral("lblFullBrand")
                                                    : QStringLiteral("lblCobrand"));
        }
    }

    void evenRollShowsFullBrandOddShowsCobrand() {
        QFETCH(int, roll);
        QFETCH(QString, front);
        kivo::testing::RecordingPlatform platform;
        frmMain window;
        window.show();
        QWidget* brandPlace = child(window, "lblCobrand");
        // Start from the other label in front, so the choice has to move one.
        child(window, front == QStringLiteral("lblCobrand") ? "lblFullBrand" : "lblCobrand")->raise();
        QVERIFY(frontAt(*brandPlace) != front);

        chooseBrandLabel(window, roll);
        QCOMPARE(frontAt(*brandPlace), front);

        // The label in front is the one a click reaches.
        QTest::mouseClick(child(window, front), Qt::LeftButton);
        QCOMPARE(platform.openedUrls.size(), 1);
    }

    void closingTheMainWindowOpensThePromotion_data() {
        QTest::addColumn<bool>("byMenu");
        QTest::newRow("close box") << false;
        QTest::newRow("File > Exit") << true;
    }

    void closingTheMainWindowOpensThePromotion() {
        QFETCH(bool, byMenu);
        kivo::testing::RecordingPlatform platform;
        auto* window = new frmMain;
        window->setAttribute(Qt::WA_DeleteOnClose);
        connectShutdown(*window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QVERIFY(frmExitPromo::Instance() == nullptr);

        if (byMenu) {
            child<QAction>(*window, "mnuExit")->trigger();
        } else {
            window->windowHandle()->close();
        }

        frmExitPromo* promo = frmExitPromo::Instance();
        QVERIFY(promo != nullptr);
        QVERIFY(promo->isVisible());
        QVERIFY(promo->parentWidget() == nullptr);
        QVERIFY(!promo->isModal());
        QCOMPARE(platform.topmostWindows.size(), 1);
        QVERIFY(!window->isVisible());
        // The main window is discarded with its entries.
        QTRY_VERIFY(QApplication::topLevelWidgets().count(window) == 0);

        // Closing the promotion window would end this test process for good;
        // that path runs in the scenarios. Here it simply goes away.
        delete promo;
    }

    void wholeRunsAsSeparateProcesses_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("transcript");
        QTest::newRow("second copy") << QStringList{QStringLiteral("second-copy")}
                                     << QStringList{QStringLiteral(
                                                        "message information Application is already running "
                                                        "windows 0"),
                                                    QStringLiteral("seeded 0"), QStringLiteral("ending 1"),
                                                    QStringLiteral("windows 0"), QStringLiteral("status 0")};
        for (const auto& [random, front] : {std::pair{"0.1", "lblCobrand"}, std::pair{"0.2", "lblFullBrand"},
                                            std::pair{"0.9", "lblFullBrand"}}) {
            QTest::addRow("first copy, random %s", random)
                << QStringList{QStringLiteral("first-copy"), QString::fromLatin1(random)}
                << QStringList{QStringLiteral("seeded 1"),
                               QStringLiteral("messages 0"),
                               QStringLiteral("shown frmMain"),
                               QStringLiteral("front ") + QString::fromLatin1(front),
                               QStringLiteral("quit on last window 0"),
                               QStringLiteral("shown frmExitPromo"),
                               QStringLiteral("ending 1"),
                               QStringLiteral("windows 0"),
                               QStringLiteral("status 0")};
        }
        QTest::newRow("ended with the main window open")
            << QStringList{QStringLiteral("end-from-main")}
            << QStringList{QStringLiteral("shown frmMain"), QStringLiteral("promotion 0"),
                           QStringLiteral("ending 1"), QStringLiteral("windows 0"),
                           QStringLiteral("status 0")};
    }

    void wholeRunsAsSeparateProcesses() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, transcript);
        const kivo::testing::ScenarioRun run =
            kivo::testing::runScenario(QStringLiteral(KIVO_STARTUP_SCENARIOS), arguments);
        QVERIFY(run.finished);
        QCOMPARE(run.exitStatus, QProcess::NormalExit);
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.lines, transcript);
    }
};

QTEST_MAIN(StartupTest)
#include "StartupTest.moc"
