// Buttons and links in all three windows keep the habits of Windows: Enter
// presses the focused button, an access key moves the focus as a click does
// before its button acts, and a double-click on a link opens its page once.

#include "app/frmAbout.h"
#include "tests/support/WindowDriver.h"
#include "ui/kit/LinkLabel.h"
#include "ui/promo/frmExitPromo.h"
#include "ui/promo/modTellAFriend.h"

#include <QCheckBox>
#include <QPushButton>
#include <QTimer>

#include <functional>

using kivo::testing::child;
using kivo::testing::focusName;
using kivo::testing::frontPage;
using kivo::testing::RecordingPlatform;
using kivo::testing::ShownWindow;

namespace {

bool whileAboutShown(const std::function<void(QWidget&)>& inside) {
    return kivo::testing::whileModal(&frmAbout::showModal, inside);
}

std::unique_ptr<frmExitPromo> shownPromotion() {
    auto promotion = std::make_unique<frmExitPromo>();
    promotion->show();
    promotion->activateWindow();
    if (!QTest::qWaitForWindowActive(promotion.get())) {
        return nullptr;
    }
    for (const auto& [field, text] :
         {std::pair{"txtName", "Ann"}, std::pair{"txtEmail", "ann@home.example"},
          std::pair{"txtFriendName", "Bob"}, std::pair{"txtFriendEmail", "bob@home.example"}}) {
        child<QLineEdit>(*promotion, field)->setText(QLatin1String(text));
    }
    return promotion;
}

// Double-clicks every link of the window as the window system delivers it
// (press, release, double-click, release); returns the addresses opened.
QList<QUrl> doubleClickEveryLink(QWidget& window, RecordingPlatform& platform) {
    platform.openedUrls.clear();
    QList<QWidget*> links;
    for (LinkLabel* link : window.findChildren<LinkLabel*>()) {
        links.append(link);
    }
    if (auto* box = window.findChild<QCheckBox*>(QStringLiteral("Check1"))) {
        links.append(box);
    }
    for (QWidget* link : links) {
        link->raise();  // the two promotional labels share one place
        QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {},
                           link->mapTo(&window, link->rect().center()));
    }
    return platform.openedUrls;
}

}  // namespace

class ButtonAndLinkTest : public QObject {
    Q_OBJECT

private slots:
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::newRow("main window: proceed by Return") << "cmdProceed" << int(Qt::Key_Return);
        QTest::newRow("main window: do it once again by keypad Enter") << "cmdBack" << int(Qt::Key_Enter);
        QTest::newRow("exit promotion: refer a friend by Return") << "cmdSubmit" << int(Qt::Key_Return);
        QTest::newRow("About: OK by Return") << "cmdOK" << int(Qt::Key_Return);
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        const auto press = [&](QWidget& window) {
            auto* target = child<QPushButton>(window, button);
            target->setFocus(Qt::TabFocusReason);
            QTest::keyClick(target, Qt::Key(key), modifiers);
        };

        if (button == QStringLiteral("cmdOK")) {
            RecordingPlatform platform;
            QVERIFY(whileAboutShown(press));
        } else if (button == QStringLiteral("cmdSubmit")) {
            RecordingPlatform platform;
            const std::unique_ptr<frmExitPromo> promotion = shownPromotion();
            QVERIFY(promotion != nullptr);
            press(*promotion);
            QCOMPARE(platform.openedUrls.size(), 1);
            QVERIFY(platform.messages.isEmpty());
        } else {
            ShownWindow shown;
            QVERIFY(shown.show());
            shown.setPerson(0, QStringLiteral("Ann"), 1, 1, 1900);
            shown.setPerson(1, QStringLiteral("Cat"), 1, 1, 1900);
            if (button == QStringLiteral("cmdBack")) {
                shown.proceed();
            }
            press(*shown.window);
            const bool back = button == QStringLiteral("cmdBack");
            QCOMPARE(frontPage(*shown.window),
                     back ? QStringLiteral("fraMain") : QStringLiteral("fraResult"));
            QVERIFY(shown.platform.messages.isEmpty());
        }
    }

    void accessKeyMovesTheFocusBeforeTheButtonActs() {
        RecordingPlatform platform;
        const std::unique_ptr<frmExitPromo> promotion = shownPromotion();
        QVERIFY(promotion != nullptr);
        auto* name = child<QLineEdit>(*promotion, "txtName");
        name->setFocus(Qt::TabFocusReason);
        name->clear();

        // Alt+N, "Refer A Friend &Now": the emptied field gets its prompt
        // back before the form is read, as with a click on the button.
        QTest::keyClick(name, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(platform.messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QCOMPARE(modTellAFriend::strTafName, QStringLiteral("Your Name"));
        QCOMPARE(name->text(), QStringLiteral("Your Name"));
        QCOMPARE(focusName(), QStringLiteral("cmdSubmit"));
    }

    void doubleClickOnALinkOpensItsPageOnce() {
        ShownWindow shown;
        QVERIFY(shown.show());
        QCOMPARE(doubleClickEveryLink(*shown.window, shown.platform).size(), 3);

        QList<QUrl> fromAbout;
        QVERIFY(whileAboutShown([&](QWidget& about) {
            fromAbout = doubleClickEveryLink(about, shown.platform);
            about.close();
        }));
        QCOMPARE(fromAbout.size(), 2);

        const std::unique_ptr<frmExitPromo> promotion = shownPromotion();
        QVERIFY(promotion != nullptr);
        QCOMPARE(doubleClickEveryLink(*promotion, shown.platform).size(), 2);
        QVERIFY(!child<QCheckBox>(*promotion, "Check1")->isChecked());
    }
};

QTEST_MAIN(ButtonAndLinkTest)
#include "ButtonAndLinkTest.moc"
