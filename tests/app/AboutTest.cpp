// The About window: application-modal over the main window, built afresh and
// alike each time, its links and its ways to close, and text that fits.

#include "app/frmAbout.h"
#include "app/modHelp.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/kit/LinkLabel.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include <functional>

namespace {

using kivo::testing::child;

// Runs `inside` on the About window while showModal's own event loop runs;
// true when the window then closed by itself.
bool whileShown(const std::function<void(QWidget&)>& inside) {
    return kivo::testing::whileModal(&frmAbout::showModal, inside);
}

void clickInWindow(QWidget& topLevel, QWidget* target) {
    const QPoint at = target->mapTo(&topLevel, target->rect().center());
    QTest::mouseClick(topLevel.windowHandle(), Qt::LeftButton, {}, at);
}

}  // namespace

class AboutTest : public QObject {
    Q_OBJECT

private slots:
    void blocksTheMainWindowUntilClosed() {
        kivo::testing::RecordingPlatform platform;
        frmMain main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        // The click reaches the link while nothing is in the way.
        clickInWindow(main, child(main, "Label14"));
        QCOMPARE(platform.openedUrls.size(), 1);

        const bool closed = whileShown([&](QWidget& about) {
            QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
            QCOMPARE(about.windowModality(), Qt::ApplicationModal);
            QVERIFY(about.isVisible());
            clickInWindow(main, child(main, "Label14"));
            clickInWindow(main, child(main, "cmdProceed"));
            QCOMPARE(platform.openedUrls.size(), 1);
            QVERIFY(platform.messages.isEmpty());
            QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        });
        QVERIFY(closed);

        clickInWindow(main, child(main, "Label14"));
        QCOMPARE(platform.openedUrls.size(), 2);
    }

    void looksTheSameEachTimeAndClosesByOkOrCloseBox() {
        kivo::testing::RecordingPlatform platform;
        QImage first;
        QPointer<QWidget> firstWindow;
        QVERIFY(whileShown([&](QWidget& about) {
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            first = about.grab().toImage();
            firstWindow = &about;
            QTest::mouseClick(child<QPushButton>(about, "cmdOK"), Qt::LeftButton);
        }));
        // Closed means gone: the next one is loaded afresh.
        QVERIFY(firstWindow.isNull());

        QImage second;
        QVERIFY(whileShown([&](QWidget& about) {
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            second = about.grab().toImage();
            about.windowHandle()->close();  // the close box
        }));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(!first.isNull());
        QCOMPARE(first.size(), QSize(407, 226));
        QVERIFY(first == second);
        QVERIFY(platform.openedUrls.isEmpty());
    }

    void linksOpenTheirPages_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("lblHomePage") << QStringLiteral("lblHomePage") << modHelp::homePageAddress();
        QTest::newRow("lblCoBrand") << QStringLiteral("lblCoBrand") << modHelp::fullBrandPageAddress();
    }

    void linksOpenTheirPages() {
        QFETCH(QString, label);
        QFETCH(QUrl, address);
        kivo::testing::RecordingPlatform platform;
        frmAbout about;
        about.show();
        auto* link = child<LinkLabel>(about, label);
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(platform.openedUrls, QList<QUrl>{address});
        // A right click is not a click on a link.
        QTest::mouseClick(link, Qt::RightButton);
        QCOMPARE(platform.openedUrls.size(), 1);

        // Our own hand, with its fingertip as the hot spot, once pointed at.
        const QPointF inside = link->rect().center();
        QEnterEvent enter(inside, inside, link->mapToGlobal(inside));
        QApplication::sendEvent(link, &enter);
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
        QCOMPARE(link->cursor().hotSpot(), QPoint(8, 1));
    }

    void centredWithItsIconAndNoClippedText() {
        frmAbout about;
        QCOMPARE(about.size(), QSize(407, 226));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((about.geometry().center() - screen.center()).manhattanLength() <= 2);

        QCOMPARE(child<QLabel>(about, "picIcon")->pixmap().size(), QSize(32, 32));

        const QList<QLabel*> labels = about.findChildren<QLabel*>();
        QCOMPARE(labels.size(), 6);
        for (const QLabel* label : labels) {
            if (label->text().isEmpty()) {
                continue;
            }
            const QString name = label->objectName();
            QVERIFY2(about.rect().contains(label->geometry()), qPrintable(name));
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(), qPrintable(name));
            } else {
                // The ink of the one line, drawn from the label's top edge.
                const QFontMetrics metrics(label->font());
                const QRect ink = metrics.tightBoundingRect(label->text());
                QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(), qPrintable(name));
                QVERIFY2(metrics.ascent() + ink.bottom() < label->height(), qPrintable(name));
            }
        }
    }
};

QTEST_MAIN(AboutTest)
#include "AboutTest.moc"
