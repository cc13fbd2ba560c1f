// The entry check and the name fields' key filter, driven through the real
// window: which message comes, with which icon, and where the focus goes.

#include "engine/modLoveCompatibility.h"
#include "tests/support/WindowDriver.h"
#include "ui/main/EntryValidation.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QPushButton>

using kivo::platform::MessageIcon;
using kivo::testing::child;
using kivo::testing::focusName;
using kivo::testing::frontPage;
using kivo::testing::ShownWindow;

namespace {

const QString kYourName = QStringLiteral("Please Enter Your Name");
const QString kPartnerName = QStringLiteral("Please Enter Your Partner's Name");
const QString kFebruary = QStringLiteral("Please Enter Correct Date Or Month!");
const QString kThirtyFirst = QStringLiteral("Please Enter Correct Date Or Month !");
const QString kTextOnly = QStringLiteral("Name Can Accept Text Only");

}  // namespace

class EntryValidationTest : public QObject {
    Q_OBJECT

private slots:
    void twentyNinthOfFebruaryOnlyInGregorianLeapYears() {
        for (int year = 1900; year <= 2050; ++year) {
            const bool leap = year % 4 == 0 && year != 1900;
            QCOMPARE(kivo::checkBirthDate(29, 2, year),
                     leap ? kivo::Problem::None : kivo::Problem::NoSuchFebruaryDay);
        }
        QCOMPARE(kivo::checkBirthDate(29, 2, 2000), kivo::Problem::None);
        QCOMPARE(kivo::checkBirthDate(29, 2, 2100), kivo::Problem::NoSuchFebruaryDay);
    }

    void namesAreCheckedFirstAndMissingOrLetterlessNamesRefused_data() {
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("partner");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("focusedName");

        QTest::newRow("both empty: only the user's message") << ""
                                                             << "" << kYourName << 0;
        QTest::newRow("user only spaces") << "   "
                                          << "Cat" << kYourName << 0;
        QTest::newRow("partner only spaces") << "Ann"
                                             << "    " << kPartnerName << 1;
        QTest::newRow("pasted digits as user name") << "1234"
                                                    << "Cat" << kYourName << 0;
        QTest::newRow("pasted dashes as partner name") << "Ann"
                                                       << "--" << kPartnerName << 1;
    }

    void namesAreCheckedFirstAndMissingOrLetterlessNamesRefused() {
        QFETCH(QString, user);
        QFETCH(QString, partner);
        QFETCH(QString, message);
        QFETCH(int, focusedName);

        ShownWindow shown;
        QVERIFY(shown.show());
        shown.setPerson(0, user, 31, 2, 1901);  // an impossible date: names come first
        shown.setPerson(1, partner, 1, 1, 1900);
        child(*shown.window, "cboYear", 1)->setFocus();

        QWidget* focusWhileShown = nullptr;
        shown.platform.onMessage = [&](const auto&) { focusWhileShown = QApplication::focusWidget(); };
        shown.proceed();

        QCOMPARE(shown.platform.messageTexts(), QStringList{message});
        QCOMPARE(shown.platform.messages.first().icon, MessageIcon::Error);
        QCOMPARE(QApplication::focusWidget(), child(*shown.window, "txtName", focusedName));
        QVERIFY(focusWhileShown != child(*shown.window, "txtName", focusedName));  // moved after the message
        QCOMPARE(frontPage(*shown.window), QStringLiteral("fraMain"));
        QCOMPARE(child<QLineEdit>(*shown.window, "txtName", 0)->text(), user);
    }

    void datesAreCheckedUserFirstAndLeaveTheFocusAlone_data() {
        QTest::addColumn<QList<int>>("user");  // day, month, year
        QTest::addColumn<QList<int>>("partner");
        QTest::addColumn<QString>("message");  // empty: the check passes

        QTest::newRow("29 Feb 2000 passes") << QList{29, 2, 2000} << QList{1, 1, 1900} << QString();
        QTest::newRow("29 Feb 1900 never existed") << QList{29, 2, 1900} << QList{1, 1, 1900} << kFebruary;
        QTest::newRow("29 Feb 1901") << QList{29, 2, 1901} << QList{1, 1, 1900} << kFebruary;
        QTest::newRow("30 Feb 2000") << QList{30, 2, 2000} << QList{1, 1, 1900} << kFebruary;
        QTest::newRow("31 Feb 2048") << QList{31, 2, 2048} << QList{1, 1, 1900} << kFebruary;
        QTest::newRow("31 Apr") << QList{31, 4, 1980} << QList{1, 1, 1900} << kThirtyFirst;
        QTest::newRow("31 Jun") << QList{31, 6, 1980} << QList{1, 1, 1900} << kThirtyFirst;
        QTest::newRow("31 Sep") << QList{31, 9, 1980} << QList{1, 1, 1900} << kThirtyFirst;
        QTest::newRow("31 Nov") << QList{31, 11, 1980} << QList{1, 1, 1900} << kThirtyFirst;
        QTest::newRow("30 Apr passes") << QList{30, 4, 1980} << QList{1, 1, 1900} << QString();
        QTest::newRow("31 May passes") << QList{31, 5, 1980} << QList{31, 12, 2050} << QString();
        QTest::newRow("partner's 29 Feb 1900") << QList{1, 1, 1900} << QList{29, 2, 1900} << kFebruary;
        QTest::newRow("partner's 31 Nov") << QList{1, 1, 1900} << QList{31, 11, 1999} << kThirtyFirst;
        QTest::newRow("user's date reported before partner's")
            << QList{31, 4, 1980} << QList{30, 2, 1980} << kThirtyFirst;
    }

    void datesAreCheckedUserFirstAndLeaveTheFocusAlone() {
        QFETCH(QList<int>, user);
        QFETCH(QList<int>, partner);
        QFETCH(QString, message);

        ShownWindow shown;
        QVERIFY(shown.show());
        shown.setPerson(0, QStringLiteral("Ann"), user[0], user[1], user[2]);
        shown.setPerson(1, QStringLiteral("Catherine"), partner[0], partner[1], partner[2]);
        child(*shown.window, "cboMonth", 1)->setFocus();

        child<QAction>(*shown.window, "mnuCalculate")->trigger();

        if (message.isEmpty()) {
            QVERIFY(shown.platform.messages.isEmpty());
            QCOMPARE(frontPage(*shown.window), QStringLiteral("fraResult"));
            return;
        }
        QCOMPARE(shown.platform.messageTexts(), QStringList{message});
        QCOMPARE(shown.platform.messages.first().icon, MessageIcon::Information);
        QCOMPARE(focusName(), QStringLiteral("cboMonth_1"));
        QCOMPARE(frontPage(*shown.window), QStringLiteral("fraMain"));
    }

    void nameFieldsTakeLettersSpaceAndBackspaceOnly_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("cursor");  // where the cursor stands in "Ab" before the key
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QString>("result");

        const auto none = Qt::KeyboardModifiers();
        const auto ctrl = Qt::KeyboardModifiers(Qt::ControlModifier);
        QTest::newRow("lower letter") << int(Qt::Key_Z) << "z" << none << 2 << false << "Abz";
        QTest::newRow("capital letter")
            << int(Qt::Key_Q) << "Q" << Qt::KeyboardModifiers(Qt::ShiftModifier) << 2 << false << "AbQ";
        QTest::newRow("space") << int(Qt::Key_Space) << " " << none << 2 << false << "Ab ";
        QTest::newRow("backspace") << int(Qt::Key_Backspace) << "\b" << none << 2 << false << "A";
        QTest::newRow("digit") << int(Qt::Key_5) << "5" << none << 2 << true << "Ab";
        QTest::newRow("dash") << int(Qt::Key_Minus) << "-" << none << 2 << true << "Ab";
        QTest::newRow("apostrophe") << int(Qt::Key_Apostrophe) << "'" << none << 2 << true << "Ab";
        QTest::newRow("accented letter") << int(Qt::Key_Eacute) << "\u00e9" << none << 2 << true << "Ab";
        QTest::newRow("enter") << int(Qt::Key_Return) << "\r" << none << 2 << true << "Ab";
        QTest::newRow("escape") << int(Qt::Key_Escape) << "\x1b" << none << 2 << true << "Ab";
        QTest::newRow("ctrl+c") << int(Qt::Key_C) << "\x03" << ctrl << 0 << true << "Ab";
        QTest::newRow("ctrl+v") << int(Qt::Key_V) << "\x16" << ctrl << 2 << true << "Ab";
        QTest::newRow("ctrl+x") << int(Qt::Key_X) << "\x18" << ctrl << 0 << true << "Ab";
        QTest::newRow("ctrl+x with the letter as text") << int(Qt::Key_X) << "x" << ctrl << 0 << true << "Ab";
        // With Alt a key that is no access key types its character all the same.
        const auto alt = Qt::KeyboardModifiers(Qt::AltModifier);
        QTest::newRow("alt+digit") << int(Qt::Key_1) << "1" << alt << 2 << true << "Ab";
        QTest::newRow("alt+dash") << int(Qt::Key_Minus) << "-" << alt << 2 << true << "Ab";
        QTest::newRow("alt+letter") << int(Qt::Key_Q) << "q" << alt << 2 << false << "Abq";
        QTest::newRow("left arrow") << int(Qt::Key_Left) << "" << none << 2 << false << "Ab";
        QTest::newRow("home") << int(Qt::Key_Home) << "" << none << 2 << false << "Ab";
        QTest::newRow("delete") << int(Qt::Key_Delete) << "\x7f" << none << 0 << false << "b";
    }

    void nameFieldsTakeLettersSpaceAndBackspaceOnly() {
        QFETCH(int, key);
        QFETCH(QString, text);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, cursor);
        QFETCH(bool, refused);
        QFETCH(QString, result);

        ShownWindow shown;
        QVERIFY(shown.show());
        QLineEdit* field = child<QLineEdit>(*shown.window, "txtName", 1);
        field->setText(QStringLiteral("Ab"));
        field->setFocus();
        field->setCursorPosition(cursor);
        if (modifiers & Qt::ControlModifier) {
            field->selectAll();  // something for a copy, cut or paste to act on
        }
        QGuiApplication::clipboard()->setText(QStringLiteral("zz"));

        QTest::sendKeyEvent(QTest::Click, field, Qt::Key(key), text, modifiers);

        QCOMPARE(field->text(), result);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("zz"));
        if (refused) {
            QCOMPARE(shown.platform.messageTexts(), QStringList{kTextOnly});
            QCOMPARE(shown.platform.messages.first().icon, MessageIcon::Error);
            QCOMPARE(QApplication::focusWidget(), field);
        } else {
            QVERIFY(shown.platform.messages.isEmpty());
        }
    }

    void refusedClipboardKeysFireNoShortcutOfTheWindow() {
        ShownWindow shown;
        QVERIFY(shown.show());
        QAction paste;
        paste.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
        shown.window->addAction(&paste);
        QSignalSpy fired(&paste, &QAction::triggered);
        QWidget* name = child(*shown.window, "txtName", 0);
        name->setFocus();

        QTest::keyClick(name, Qt::Key_V, Qt::ControlModifier);

        QCOMPARE(fired.count(), 0);
        QCOMPARE(shown.platform.messageTexts(), QStringList{kTextOnly});
    }

    void composedCharactersAreFilteredLikeTypedOnes() {
        ShownWindow shown;
        QVERIFY(shown.show());
        QLineEdit* field = child<QLineEdit>(*shown.window, "txtName", 0);
        field->setFocus();
        for (const QString& composed : {QStringLiteral("\u00e9"), QStringLiteral("a")}) {
            QInputMethodEvent event;
            event.setCommitString(composed);
            QApplication::sendEvent(field, &event);
        }
        QCOMPARE(field->text(), QStringLiteral("a"));
        QCOMPARE(shown.platform.messageTexts(), QStringList{kTextOnly});
    }

    void typedNameWithSpacesAroundIsUsedWithoutThemAndKeptInTheField() {
        ShownWindow shown;
        QVERIFY(shown.show());
        QTest::keyClicks(child(*shown.window, "txtName", 0), QStringLiteral("  Ann "));
        QTest::keyClicks(child(*shown.window, "txtName", 1), QStringLiteral("Cat"));
        shown.proceed();
        QVERIFY(shown.platform.messages.isEmpty());
        QCOMPARE(modLoveCompatibility::state().strName[0], std::string("Ann"));
        QCOMPARE(child<QLineEdit>(*shown.window, "txtName", 0)->text(), QStringLiteral("  Ann "));
    }
};

QTEST_MAIN(EntryValidationTest)
#include "EntryValidationTest.moc"
