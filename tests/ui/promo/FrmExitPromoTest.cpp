// The exit promotion window: its first state, the focus and tab order, the
// placeholder and space rules of its fields, its links and the checks of the
// refer-a-friend button. Leaving the window ends the program, which can
// happen only once per process; FrmExitPromoLeavingTest covers that.

#include "app/modHelp.h"
#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/kit/ClassicLook.h"
#include "ui/kit/TextRules.h"
#include "ui/promo/ReferralAddress.h"
#include "ui/promo/frmExitPromo.h"
#include "ui/promo/modTellAFriend.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrlQuery>
#include <QtTest>

#include <array>
#include <memory>

namespace {

using kivo::trimSpaces;
using kivo::platform::MessageIcon;
using kivo::testing::child;
using kivo::testing::focusName;
using kivo::testing::RecordingPlatform;
using kivo::testing::windowOf;

const QString kSpaceRefused = QStringLiteral("Email Address Cannot Contain Space");

// How each of the four appeals for the forum site begins; %1 is the site.
const std::array<QString, 4> kSupportTextStarts{
    QStringLiteral("Arvella Softwares can be created and maintained only with your support."),
    QStringLiteral("Please visit %1 regularly"), QStringLiteral("%1 is a free online discussion forum"),
    QStringLiteral("%1 needs your help.")};

// The appeal a fresh window shows when its first random number is `draw`.
QString supportTextDrawn(RecordingPlatform& platform, float draw) {
    platform.randomValues = {draw};
    const frmExitPromo window;
    return child<QLabel>(window, "Label2")->text();
}

bool isSupportText(const QString& text, int number) {
    return text.startsWith(
        kSupportTextStarts.at(static_cast<std::size_t>(number)).arg(modHelp::makerSiteDisplayName()));
}

// The message field's text as the user would read it, line breaks and all.
QString messageText(const QWidget& window) {
    return child<QPlainTextEdit>(window, "txtMessage")->toPlainText();
}

}  // namespace

class FrmExitPromoTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void showExitPromotionMakesOneWindow();
    void opensTopmostWithFocusOnExit();
    void supportTextFollowsTheDraw_data();
    void supportTextFollowsTheDraw();
    void textsOfTheWindow();
    void tabReachesTheHiddenMessageLast();
    void messageFieldIsNeverSeen();
    void keptOnTheScreen_data();
    void keptOnTheScreen();
    void labelsFitTheirBoxesAtTheirDesignSize_data();
    void labelsFitTheirBoxesAtTheirDesignSize();

    void placeholderRules_data();
    void placeholderRules();
    void placeholderGoesWhenTheWindowComesBackWithAFieldClicked();
    void fieldsHoldARealNameOrAddressAndNoMore();
    void messageFieldKeepsItsLineBreak();
    void emailFieldsRefuseSpaces_data();
    void emailFieldsRefuseSpaces();
    void nameFieldsAcceptSpaces();

    void checkBoxOpensHomePageAndUnticks();
    void catalogueLinkOpensCataloguePage();

    void submitChecks_data();
    void submitChecks();
    void submitSendsTrimmedValuesAndTheDefaultMessage();

private:
    // Shows a fresh window and waits until it is active; the first random
    // number drawn by the window is `draw`.
    void openWindow(float draw = 0.0F);
    void fill(const QString& name, const QString& email, const QString& friendName,
              const QString& friendEmail);
    // Moves the focus into `field` and out again, by the Tab key's reason.
    static void focusIn(QWidget* field) { field->setFocus(Qt::TabFocusReason); }
    void focusOut() { child<QPushButton>(*window_, "cmdClose")->setFocus(Qt::TabFocusReason); }

    std::unique_ptr<RecordingPlatform> platform_;
    std::unique_ptr<frmExitPromo> window_;
};

void FrmExitPromoTest::init() { platform_ = std::make_unique<RecordingPlatform>(); }

void FrmExitPromoTest::cleanup() {
    window_.reset();
    platform_.reset();
}

void FrmExitPromoTest::openWindow(float draw) {
    platform_->randomValues = {draw};
    window_ = std::make_unique<frmExitPromo>();
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

void FrmExitPromoTest::fill(const QString& name, const QString& email, const QString& friendName,
                            const QString& friendEmail) {
    child<QLineEdit>(*window_, "txtName")->setText(name);
    child<QLineEdit>(*window_, "txtEmail")->setText(email);
    child<QLineEdit>(*window_, "txtFriendName")->setText(friendName);
    child<QLineEdit>(*window_, "txtFriendEmail")->setText(friendEmail);
}

void FrmExitPromoTest::showExitPromotionMakesOneWindow() {
    QCOMPARE(windowOf<frmExitPromo>(), nullptr);
    QPointer<frmExitPromo> first = frmExitPromo::showExitPromotion();
    QVERIFY(first != nullptr);
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
    QCOMPARE(first->parentWidget(), nullptr);
    QCOMPARE(first->windowModality(), Qt::NonModal);
    QVERIFY(first->testAttribute(Qt::WA_DeleteOnClose));

    // A second call shows the same window; it is loaded only once.
    QCOMPARE(frmExitPromo::showExitPromotion(), first.data());
    QCOMPARE(platform_->seedCount, 1);
    delete first.data();
    QCOMPARE(windowOf<frmExitPromo>(), nullptr);
}

void FrmExitPromoTest::opensTopmostWithFocusOnExit() {
    openWindow();
    QCOMPARE(platform_->topmostWindows.size(), 1);
    QCOMPARE(platform_->topmostWindows.constFirst().data(), window_.get());
    QCOMPARE(focusName(), QStringLiteral("cmdClose"));
    QVERIFY(platform_->messages.isEmpty());
}

void FrmExitPromoTest::supportTextFollowsTheDraw_data() {
    QTest::addColumn<float>("draw");
    QTest::addColumn<int>("text");
    QTest::newRow("0") << 0.0F << 0;
    QTest::newRow("just below a quarter") << 0.2499999F << 0;
    QTest::newRow("a quarter") << 0.25F << 1;
    QTest::newRow("a half") << 0.5F << 2;
    QTest::newRow("three quarters") << 0.75F << 3;
    QTest::newRow("largest below 1") << 0.99999994F << 3;
}

void FrmExitPromoTest::supportTextFollowsTheDraw() {
    QFETCH(float, draw);
    QFETCH(int, text);
    openWindow(draw);
    QCOMPARE(platform_->seedCount, 1);
    const QString shown = child<QLabel>(*window_, "Label2")->text();
    QVERIFY2(isSupportText(shown, text), qPrintable(shown));

    // Every load seeds afresh and draws again.
    platform_->randomValues = {0.5F};
    frmExitPromo second;
    QCOMPARE(platform_->seedCount, 2);
    QVERIFY(isSupportText(child<QLabel>(second, "Label2")->text(), 2));
}

void FrmExitPromoTest::textsOfTheWindow() {
    openWindow();
    const QString site = modHelp::makerSiteDisplayName();
    QVERIFY(!site.isEmpty());

    // Four different appeals, each naming the forum site; only the second
    // lacks a closing full stop.
    QSet<QString> distinct;
    for (int i = 0; i < 4; ++i) {
        const QString text = supportTextDrawn(*platform_, static_cast<float>(i) / 4.0F);
        QVERIFY2(isSupportText(text, i), qPrintable(text));
        distinct.insert(text);
        QVERIFY2(text.contains(site), qPrintable(text));
        QCOMPARE(text.endsWith(QLatin1Char('.')), i != 1);
    }
    QCOMPARE(distinct.size(), 4);
    QCOMPARE(child<QCheckBox>(*window_, "Check1")->text(),
             QStringLiteral("Click Here To Visit %1 Now").arg(site));

    // The catalogue: two paragraphs, the second on a line of its own, with
    // the typographic apostrophe intact.
    const QStringList paragraphs = child<QLabel>(*window_, "Label3")->text().split(QLatin1Char('\n'));
    QCOMPARE(paragraphs.size(), 2);
    QVERIFY(paragraphs.at(0).contains(QString::fromUtf8("become the world\u2019s largest resource")));
    QVERIFY(paragraphs.at(0).endsWith(QStringLiteral("depending on their interests.")));
    QVERIFY(paragraphs.at(1).startsWith(QStringLiteral("All the programs in the Arvella Softwares suite")));
}

void FrmExitPromoTest::tabReachesTheHiddenMessageLast() {
    openWindow();
    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(focusName());
    }
    QCOMPARE(visited, (QStringList{"Check1", "txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                                   "txtFriendName", "txtMessage", "cmdClose"}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(focusName(), QStringLiteral("txtMessage"));
}

void FrmExitPromoTest::messageFieldIsNeverSeen() {
    openWindow();
    auto* frame = child<QWidget>(*window_, "Frame2");
    auto* message = child<QPlainTextEdit>(*window_, "txtMessage");
    QCOMPARE(message->parentWidget(), frame);
    QVERIFY(message->isVisible());
    QVERIFY(!frame->rect().intersects(message->geometry()));
    QVERIFY(message->visibleRegion().isEmpty());

    // Not even with the focus on it.
    focusIn(message);
    QCOMPARE(focusName(), QStringLiteral("txtMessage"));
    QVERIFY(message->visibleRegion().isEmpty());
}

// Centred in the screen's free area; on a screen smaller than the window,
// its top-left corner and as much of it as fits are on the screen.
void FrmExitPromoTest::keptOnTheScreen_data() {
    QTest::addColumn<QRect>("area");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("1920 x 1040") << QRect(0, 0, 1920, 1040) << QPoint(589, 362);
    QTest::newRow("640 x 480") << QRect(0, 0, 640, 480) << QPoint(0, 82);
    QTest::newRow("640 x 448 right of another, below a panel")
        << QRect(1920, 32, 640, 448) << QPoint(1920, 98);
    QTest::newRow("1024 x 300") << QRect(0, 0, 1024, 300) << QPoint(141, 0);
    QTest::newRow("smaller both ways") << QRect(-600, 0, 600, 300) << QPoint(-600, 0);
}

void FrmExitPromoTest::keptOnTheScreen() {
    QFETCH(QRect, area);
    QFETCH(QPoint, topLeft);
    openWindow();
    QCOMPARE(window_->size(), QSize(741, 315));
    QCOMPARE(kivo::placeOnScreen(window_->size(), area), topLeft);
}

// Each label shows its whole text in its box: word-wrapped, the height of
// its lines at its width; on one line, the line's width and height. A label
// whose text fits at the size it was drawn with keeps that size; one that
// does not (a wider replacement font) is made smaller, but only as far as
// it must.
void FrmExitPromoTest::labelsFitTheirBoxesAtTheirDesignSize_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("designPixels");  // at 96 dots per inch
    QTest::addColumn<float>("draw");        // picks the appeal of Label2
    QTest::newRow("Label1, the title, 18 pt") << "Label1" << 24 << 0.0F;
    for (int i = 0; i < 4; ++i) {
        QTest::addRow("Label2, appeal %d, 9.75 pt", i) << "Label2" << 13 << static_cast<float>(i) / 4.0F;
    }
    QTest::newRow("Label3, the catalogue, 9 pt") << "Label3" << 12 << 0.0F;
    QTest::newRow("lblGoToHome, 9 pt") << "lblGoToHome" << 12 << 0.0F;
}

void FrmExitPromoTest::labelsFitTheirBoxesAtTheirDesignSize() {
    QFETCH(QString, label);
    QFETCH(int, designPixels);
    QFETCH(float, draw);
    openWindow(draw);
    const QLabel* box = child<QLabel>(*window_, label);
    const auto fitsAt = [box](int pixels) {
        QFont font = box->font();
        font.setPixelSize(pixels);
        const QRect room = box->contentsRect();
        const int flags = int(box->alignment()) | (box->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect text =
            QFontMetrics(font).boundingRect(QRect(0, 0, room.width(), 10000), flags, box->text());
        return text.width() <= room.width() && text.height() <= room.height();
    };
    const int pixels = box->font().pixelSize();
    QVERIFY2(fitsAt(pixels), qPrintable(QStringLiteral("clipped at %1 px").arg(pixels)));
    if (fitsAt(designPixels)) {
        QCOMPARE(pixels, designPixels);
    } else {
        QVERIFY2(pixels < designPixels && !fitsAt(pixels + 1),
                 qPrintable(QStringLiteral("%1 px, drawn with %2 px").arg(pixels).arg(designPixels)));
    }
}

void FrmExitPromoTest::placeholderRules_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("placeholder");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("onFocus");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("onLeave");

    const QList<std::pair<const char*, QString>> fields{
        {"txtName", "Your Name"},
        {"txtEmail", "Your Email Address"},
        {"txtFriendName", "Friend's Name"},
        {"txtFriendEmail", "Friend's Email Address"},
    };
    for (const auto& [field, placeholder] : fields) {
        auto row = [&](const char* what) -> QTestData& { return QTest::addRow("%s: %s", field, what); };
        const QString p = placeholder;
        const QString name = QString::fromLatin1(field);
        row("placeholder cleared") << name << p << p << ""
                                   << "" << p;
        row("placeholder in spaces cleared") << name << p << "  " + p + " "
                                             << ""
                                             << "" << p;
        row("other case kept") << name << p << p.toLower() << p.toLower() << "" << p.toLower();
        row("tab counts as content") << name << p << p + "\t" << p + "\t"
                                     << "" << p + "\t";
        row("only spaces restored") << name << p << "   "
                                    << "   "
                                    << "" << p;
        row("own text kept with its spaces") << name << p << p << ""
                                             << "x.y@z"
                                             << "x.y@z";
        // Spaces around a typed text stay; the e-mail fields refuse typed
        // spaces, so the text is put there directly.
        row("typed text keeps surrounding spaces") << name << p << " ab "
                                                   << " ab "
                                                   << ""
                                                   << " ab ";
    }
}

void FrmExitPromoTest::placeholderRules() {
    QFETCH(QString, field);
    QFETCH(QString, placeholder);
    QFETCH(QString, before);
    QFETCH(QString, onFocus);
    QFETCH(QString, typed);
    QFETCH(QString, onLeave);
    openWindow();
    auto* edit = child<QLineEdit>(*window_, field);

    edit->setText(before);
    focusIn(edit);
    QCOMPARE(edit->text(), onFocus);
    QVERIFY2(!edit->isUndoAvailable(), "Ctrl+Z would bring the placeholder back");
    QTest::keyClicks(edit, typed);
    focusOut();
    QCOMPARE(edit->text(), onLeave);

    // Deleted and left, the field shows its prompt; back in, it is empty.
    focusIn(edit);
    edit->clear();
    focusOut();
    QCOMPARE(edit->text(), placeholder);
    focusIn(edit);
    QCOMPARE(edit->text(), QString());
    QVERIFY(platform_->messages.isEmpty());
}

void FrmExitPromoTest::placeholderGoesWhenTheWindowComesBackWithAFieldClicked() {
    openWindow();
    auto* name = child<QLineEdit>(*window_, "txtName");
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    // A click into the inactive window: the field gets the focus only as
    // the window comes forward, and must lose its placeholder all the same.
    name->setFocus(Qt::MouseFocusReason);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QCOMPARE(focusName(), QStringLiteral("txtName"));
    QTest::keyClicks(name, QStringLiteral("Ann"));
    QCOMPARE(name->text(), QStringLiteral("Ann"));
}

void FrmExitPromoTest::fieldsHoldARealNameOrAddressAndNoMore() {
    openWindow();
    for (const auto& [field, longest] : {std::pair{"txtName", 100}, std::pair{"txtEmail", 254},
                                         std::pair{"txtFriendName", 100}, std::pair{"txtFriendEmail", 254}}) {
        auto* edit = child<QLineEdit>(*window_, field);
        edit->selectAll();
        edit->insert(QString(1000, u'a'));  // as a paste does
        QCOMPARE(edit->text().size(), longest);
    }
}

void FrmExitPromoTest::messageFieldKeepsItsLineBreak() {
    openWindow();
    auto* message = child<QPlainTextEdit>(*window_, "txtMessage");
    QCOMPARE(messageText(*window_), QStringLiteral("Your Message\n"));

    // Its first text differs from the prompt, so the focus leaves it alone.
    focusIn(message);
    QCOMPARE(messageText(*window_), QStringLiteral("Your Message\n"));
    focusOut();
    QCOMPARE(messageText(*window_), QStringLiteral("Your Message\n"));

    // Emptied and left: the prompt without the line break, cleared on return.
    focusIn(message);
    message->clear();
    focusOut();
    QCOMPARE(messageText(*window_), QStringLiteral("Your Message"));
    focusIn(message);
    QCOMPARE(messageText(*window_), QString());

    // Typed line breaks are sent as CR LF; Tab leaves the field.
    QTest::keyClicks(message, QStringLiteral("Hi"));
    QTest::keyClick(message, Qt::Key_Return);
    QTest::keyClicks(message, QStringLiteral("there"));
    QTest::keyClick(message, Qt::Key_Tab);
    QCOMPARE(focusName(), QStringLiteral("cmdClose"));
    fill(QStringLiteral("Ann"), QStringLiteral("ann@home.example"), QStringLiteral("Bob"),
         QStringLiteral("bob@home.example"));
    QTest::mouseClick(child<QPushButton>(*window_, "cmdSubmit"), Qt::LeftButton);
    QCOMPARE(platform_->openedUrls.size(), 1);
    QCOMPARE(QUrlQuery(platform_->openedUrls.constFirst())
                 .queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
             QStringLiteral("Hi\r\nthere"));
}

void FrmExitPromoTest::emailFieldsRefuseSpaces_data() {
    QTest::addColumn<QString>("field");
    QTest::newRow("sender") << "txtEmail";
    QTest::newRow("friend") << "txtFriendEmail";
}

void FrmExitPromoTest::emailFieldsRefuseSpaces() {
    QFETCH(QString, field);
    openWindow();
    auto* edit = child<QLineEdit>(*window_, field);
    focusIn(edit);
    // While the message is up the focus is elsewhere, as with a real box.
    QStringList focusDuringMessage;
    platform_->onMessage = [this, &focusDuringMessage](const kivo::testing::RecordedMessage&) {
        focusDuringMessage.append(focusName());
        child<QCheckBox>(*window_, "Check1")->setFocus(Qt::TabFocusReason);
    };

    QTest::keyClicks(edit, QStringLiteral("a b c"));
    QTest::keyClick(edit, Qt::Key_Space, Qt::ShiftModifier);

    QCOMPARE(edit->text(), QStringLiteral("abc"));
    QCOMPARE(platform_->messageTexts(), QStringList(3, kSpaceRefused));
    for (const kivo::testing::RecordedMessage& message : platform_->messages) {
        QCOMPARE(message.icon, MessageIcon::Error);
        QCOMPARE(message.parent.data(), window_.get());
    }
    QCOMPARE(focusDuringMessage, QStringList(3, field));
    QCOMPARE(focusName(), field);

    // Pasted text is not examined.
    edit->insert(QStringLiteral(" d"));
    QCOMPARE(edit->text(), QStringLiteral("abc d"));
    QCOMPARE(platform_->messages.size(), 3);
}

void FrmExitPromoTest::nameFieldsAcceptSpaces() {
    openWindow();
    for (const char* name : {"txtName", "txtFriendName"}) {
        auto* edit = child<QLineEdit>(*window_, name);
        focusIn(edit);
        QTest::keyClicks(edit, QStringLiteral("Ann Lee "));
        QCOMPARE(edit->text(), QStringLiteral("Ann Lee "));
    }
    QVERIFY(platform_->messages.isEmpty());
}

void FrmExitPromoTest::checkBoxOpensHomePageAndUnticks() {
    openWindow();
    auto* box = child<QCheckBox>(*window_, "Check1");
    QTest::mouseClick(box, Qt::LeftButton);
    QVERIFY(!box->isChecked());
    QCOMPARE(platform_->openedUrls, QList<QUrl>{modHelp::homePageAddress()});

    // By the keyboard too, and every time.
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Space);
    QVERIFY(!box->isChecked());
    QCOMPARE(platform_->openedUrls, (QList<QUrl>{modHelp::homePageAddress(), modHelp::homePageAddress()}));
    QVERIFY(platform_->messages.isEmpty());
}

void FrmExitPromoTest::catalogueLinkOpensCataloguePage() {
    openWindow();
    QTest::mouseClick(child<QLabel>(*window_, "lblGoToHome"), Qt::LeftButton);
    QCOMPARE(platform_->openedUrls, QList<QUrl>{modHelp::softwaresPageAddress()});
}

void FrmExitPromoTest::submitChecks_data() {
    QTest::addColumn<QStringList>("fields");  // name, e-mail, friend's name, friend's e-mail
    QTest::addColumn<QString>("message");     // empty: the page is opened

    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    QTest::newRow("both e-mails still prompts")
        << QStringList{"Ann", "Your Email Address", "Bob", "Friend's Email Address"} << proper;
    QTest::newRow("same address") << QStringList{"Ann", "a@b.c", "Bob", "a@b.c"} << distinct;
    QTest::newRow("same address, extra spaces")
        << QStringList{"Ann", "  a@b.c", "Bob", "a@b.c   "} << distinct;
    QTest::newRow("two empty addresses") << QStringList{"Ann", "", "Bob", "   "} << distinct;
    QTest::newRow("case differs") << QStringList{"Ann", "A@b.c", "Bob", "a@b.c"} << "";
    QTest::newRow("sender without @") << QStringList{"Ann", "a.b.c", "Bob", "b@c.d"} << proper;
    QTest::newRow("friend without @") << QStringList{"Ann", "a@b.c", "Bob", "b.c.d"} << proper;
    QTest::newRow("sender without dot") << QStringList{"Ann", "a@b", "Bob", "b@c.d"} << proper;
    QTest::newRow("friend without dot") << QStringList{"Ann", "a@b.c", "Bob", "b@cd"} << proper;
    QTest::newRow("dot before @") << QStringList{"Ann", "a.b@c", "Bob", ".@"} << "";
    QTest::newRow("dot last") << QStringList{"Ann", "a@b.", "Bob", "@@.."} << "";
    QTest::newRow("e-mail checks before the name")
        << QStringList{"Your Name", "a@b", "Friend's Name", "b@c.d"} << proper;
    QTest::newRow("name still its prompt")
        << QStringList{"Your Name", "a@b.c", "Bob", "b@c.d"} << "Please Enter Your Name";
    QTest::newRow("name only spaces")
        << QStringList{"    ", "a@b.c", "Bob", "b@c.d"} << "Please Enter Your Name";
    QTest::newRow("friend's name still its prompt")
        << QStringList{"Ann", "a@b.c", "Friend's Name", "b@c.d"} << "Please Enter Your Friend's Name";
    QTest::newRow("name first of two failures")
        << QStringList{"", "a@b.c", "Friend's Name", "b@c.d"} << "Please Enter Your Name";
}

void FrmExitPromoTest::submitChecks() {
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    openWindow();
    fill(fields.at(0), fields.at(1), fields.at(2), fields.at(3));
    modTellAFriend::strTafName = QStringLiteral("stale");

    QTest::mouseClick(child<QPushButton>(*window_, "cmdSubmit"), Qt::LeftButton);

    // The values are taken before any check, trimmed.
    QCOMPARE(modTellAFriend::strTafName, trimSpaces(fields.at(0)));
    QCOMPARE(modTellAFriend::strTafFriendEmail, trimSpaces(fields.at(3)));
    if (message.isEmpty()) {
        QVERIFY(platform_->messages.isEmpty());
        QCOMPARE(platform_->openedUrls.size(), 1);
    } else {
        QCOMPARE(platform_->messageTexts(), QStringList{message});
        QCOMPARE(platform_->messages.constFirst().icon, MessageIcon::Error);
        QCOMPARE(platform_->messages.constFirst().parent.data(), window_.get());
        QVERIFY(platform_->openedUrls.isEmpty());
    }
    // The form keeps what it held.
    QCOMPARE(child<QLineEdit>(*window_, "txtName")->text(), fields.at(0));
    QCOMPARE(child<QLineEdit>(*window_, "txtFriendEmail")->text(), fields.at(3));
}

void FrmExitPromoTest::submitSendsTrimmedValuesAndTheDefaultMessage() {
    openWindow();
    fill(QStringLiteral("  Ann & Lee "), QStringLiteral(" ann+1@home.example"), QStringLiteral("\tBob "),
         QStringLiteral("bob@home.example  "));
    auto* submit = child<QPushButton>(*window_, "cmdSubmit");
    QTest::mouseClick(submit, Qt::LeftButton);
    QTest::mouseClick(submit, Qt::LeftButton);

    QVERIFY(platform_->messages.isEmpty());
    QCOMPARE(platform_->openedUrls.size(), 2);
    QCOMPARE(platform_->openedUrls.at(0), platform_->openedUrls.at(1));
    const QUrlQuery query(platform_->openedUrls.constFirst());
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), QStringLiteral("Ann & Lee"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf2"), QUrl::FullyDecoded),
             QStringLiteral("ann+1@home.example"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
             QStringLiteral("Your Message\r\n"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf4"), QUrl::FullyDecoded), QStringLiteral("\tBob"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf5"), QUrl::FullyDecoded),
             QStringLiteral("bob@home.example"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
             modTellAFriend::productHomeAddress().toString());
    // The fields are left as they were.
    QCOMPARE(child<QLineEdit>(*window_, "txtName")->text(), QStringLiteral("  Ann & Lee "));
    QCOMPARE(messageText(*window_), QStringLiteral("Your Message\n"));
}

QTEST_MAIN(FrmExitPromoTest)
#include "FrmExitPromoTest.moc"
