// The main window as the user meets it: its start state, keyboard order and
// looks, the proceed, back and tab actions, and where every menu entry and
// link label leads.

#include "app/modHelp.h"
#include "engine/modLoveCompatibility.h"
#include "tests/support/WindowDriver.h"
#include "ui/kit/LinkLabel.h"
#include "ui/kit/TextRules.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabBar>
#include <QTextEdit>

using kivo::engineText;
using kivo::testing::child;
using kivo::testing::focusName;
using kivo::testing::frontPage;
using kivo::testing::frontResultFrame;
using kivo::testing::ReportLine;
using kivo::testing::reportLines;
using kivo::testing::ShownWindow;
using modLoveCompatibility::kPersonCount;

namespace {

QStringList itemsOf(const QComboBox* list) {
    QStringList items;
    for (int k = 0; k < list->count(); ++k) {
        items.append(list->itemText(k));
    }
    return items;
}

// One person's day, month and year lists.
std::array<QComboBox*, 3> dateLists(const QWidget& w, std::size_t i) {
    return {child<QComboBox>(w, "cboDate", i), child<QComboBox>(w, "cboMonth", i),
            child<QComboBox>(w, "cboYear", i)};
}

// Every entry of the day, month and year lists, in order.
std::array<QStringList, 3> allDateEntries() {
    QStringList days, years;
    for (int d = 1; d <= 31; ++d) days.append(QString::number(d));
    for (int y = 1900; y <= 2050; ++y) years.append(QString::number(y));
    return {days,
            {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
             "November", "December"},
            years};
}

QString resultText(const QWidget& w, std::size_t k) { return child<QLabel>(w, "lblResult", k)->text(); }

QStringList visibleTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        if (action->isVisible()) {
            texts.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        }
    }
    return texts;
}

// Types the example couple of the program's documentation and proceeds.
void enterAnnAndCatherine(const ShownWindow& shown) {
    shown.setPerson(1, QString(), 9, 9, 1998);
    QTest::keyClicks(child(*shown.window, "txtName", 0), QStringLiteral("Ann"));
    QTest::keyClicks(child(*shown.window, "txtName", 1), QStringLiteral("Catherine"));
    shown.proceed();
}

// A control inside a page or result frame that another one covers. The
// result frames exist from the first proceed on.
bool covered(const frmMain& w, const QWidget* control) {
    const bool results = w.findChild<QWidget*>(QStringLiteral("fraLifePath")) != nullptr;
    const QStringList front{frontPage(w), results ? frontResultFrame(w) : QString()};
    for (const char* frame : {"fraMain", "fraResult", "fraLifePath", "fraDestiny", "fraLoveCompatibility"}) {
        const QWidget* covering = w.findChild<QWidget*>(QLatin1String(frame));
        if (covering != nullptr && !front.contains(QLatin1String(frame)) && covering->isAncestorOf(control)) {
            return true;
        }
    }
    return false;
}

// Presses a button the way a screen reader does.
void pressByAccessibility(QWidget* button) {
    QAccessible::queryAccessibleInterface(button)->actionInterface()->doAction(
        QAccessibleActionInterface::pressAction());
}

// The numbers of a result heading, "... is 3 + 9" -> {"3", "9"}.
QStringList headingNumbers(const QLabel* heading) {
    const QString text = heading->text();
    return text.mid(text.lastIndexOf(QStringLiteral(" is ")) + 4).split(QStringLiteral(" + "));
}

// What a screen reader gets for a label: its name and its description.
QPair<QString, QString> announced(QLabel* label) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    return {iface->text(QAccessible::Name), iface->text(QAccessible::Description)};
}

// Both headings explain exactly their own numbers: each step line belongs to
// one person, in order, and ends with that person's number in the heading.
void checkStepsEndAtTheHeadingNumbers(const frmMain& w) {
    for (const std::size_t k : {0, 2}) {
        const QLabel* heading = child<QLabel>(w, "lblResult", k);
        const QStringList lines = heading->toolTip().split(QLatin1Char('\n'));
        const QStringList numbers = headingNumbers(heading);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(numbers.size(), 2);
        QVERIFY2(lines[0].startsWith(QStringLiteral("You: ")), qPrintable(lines[0]));
        QVERIFY2(lines[1].startsWith(QStringLiteral("Your partner: ")), qPrintable(lines[1]));
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(lines[i].section(QLatin1Char(' '), -1), numbers[i]);
        }
    }
}

}  // namespace

class FrmMainTest : public QObject {
    Q_OBJECT

private slots:
    void opensOnAnEmptyEntryPageWithTheListsFilled() {
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Kivo Love Numerology v1.0"));
        QCOMPARE(frontPage(w), QStringLiteral("fraMain"));
        QCOMPARE(focusName(), QStringLiteral("txtName_0"));

        const auto all = allDateEntries();
        for (std::size_t i = 0; i < kPersonCount; ++i) {
            QVERIFY(child<QLineEdit>(w, "txtName", i)->text().isEmpty());
            const auto lists = dateLists(w, i);
            for (std::size_t k = 0; k < lists.size(); ++k) {
                QCOMPARE(itemsOf(lists[k]), all[k]);
                QCOMPARE(lists[k]->currentIndex(), 0);
                QVERIFY(!lists[k]->isEditable());
            }
        }
        QVERIFY(shown.platform.messages.isEmpty());
    }

    void tabWalksTheEntryPageInOrderAndSkipsCoveredControls() {
        ShownWindow shown;
        QVERIFY(shown.show());
        for (const char* next : {"cboDate_0", "cboMonth_0", "cboYear_0", "txtName_1", "cboDate_1",
                                 "cboMonth_1", "cboYear_1", "cmdProceed", "txtName_0"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(focusName(), QLatin1String(next));
        }
        QVERIFY(shown.platform.messages.isEmpty());  // Tab is no typed character
    }

    void everyInputSaysWhatItIs() {
        ShownWindow shown;
        const QList<QPair<const char*, QString>> named{{"txtName_0", "Your name"},
                                                       {"cboDate_0", "Your birth day"},
                                                       {"cboMonth_0", "Your birth month"},
                                                       {"cboYear_0", "Your birth year"},
                                                       {"txtName_1", "Partner's name"},
                                                       {"cboDate_1", "Partner's birth day"},
                                                       {"cboMonth_1", "Partner's birth month"},
                                                       {"cboYear_1", "Partner's birth year"}};
        for (const auto& [control, name] : named) {
            QWidget* widget = child(*shown.window, control);
            QCOMPARE(widget->accessibleName(), name);
            // What a screen reader is told, not only what the widget holds:
            // a combo box would otherwise go by its current entry.
            QCOMPARE(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), name);
        }
    }

    void dateListsTellAndTakeTheirEntryThroughAccessibility() {
        ShownWindow shown;
        shown.setPerson(1, QStringLiteral("Catherine"), 9, 9, 1998);
        struct Expected {
            QString entry;
            int value, minimum, maximum;
        };
        const auto lists = dateLists(*shown.window, 1);
        const std::array<Expected, 3> expected{
            {{"9", 9, 1, 31}, {"September", 9, 1, 12}, {"1998", 1998, 1900, 2050}}};
        for (std::size_t k = 0; k < lists.size(); ++k) {
            QComboBox* list = lists[k];
            const Expected& e = expected[k];
            QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
            QCOMPARE(iface->role(), QAccessible::ComboBox);
            QCOMPARE(iface->text(QAccessible::Description), e.entry);
            QAccessibleValueInterface* value = iface->valueInterface();
            QVERIFY(value != nullptr);
            QCOMPARE(value->currentValue().toInt(), e.value);
            QCOMPARE(value->minimumValue().toInt(), e.minimum);
            QCOMPARE(value->maximumValue().toInt(), e.maximum);

            // Setting the value picks that entry; no number of an entry, no change.
            value->setCurrentValue(e.maximum);
            QCOMPARE(list->currentIndex(), list->count() - 1);
            for (const QVariant& refused : {QVariant(e.minimum - 1), QVariant(e.maximum + 1),
                                            QVariant(e.minimum + 0.5), QVariant(QStringLiteral("many"))}) {
                value->setCurrentValue(refused);
                QCOMPARE(list->currentIndex(), list->count() - 1);
            }
            value->setCurrentValue(e.minimum);
            QCOMPARE(list->currentIndex(), 0);
            QCOMPARE(iface->text(QAccessible::Description), list->itemText(0));

            // The drop-down list is its one child, and its actions open it.
            QCOMPARE(iface->childCount(), 1);
            QCOMPARE(iface->child(0)->object(), static_cast<QObject*>(list->view()));
            QVERIFY(
                iface->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        }
    }

    void dateListsDropDownAtMostFifteenRowsWithAScrollBar_data() {
        QTest::addColumn<QString>("style");
        for (const QString& key : QStyleFactory::keys()) {
            QTest::newRow(qPrintable(key)) << key;
        }
    }

    void dateListsDropDownAtMostFifteenRowsWithAScrollBar() {
        QFETCH(QString, style);
        struct StyleFor {
            const QString before = QApplication::style()->name();
            explicit StyleFor(const QString& key) { QApplication::setStyle(key); }
            ~StyleFor() { QApplication::setStyle(before); }
        } styled(style);
        ShownWindow shown;
        QVERIFY(shown.show());
        shown.setPerson(1, QStringLiteral("Cat"), 31, 12, 2050);  // the last entries: shown by scrolling
        for (std::size_t i = 0; i < kPersonCount; ++i) {
            for (QComboBox* list : dateLists(*shown.window, i)) {
                // The drop-down may exist before it is first shown (a screen
                // reader asks for it, and the window system may too).
                QVERIFY(list->view() != nullptr);
                list->showPopup();
                const QAbstractItemView* view = list->view();
                QTRY_VERIFY(view->isVisible());
                const int rows = view->viewport()->height() / view->sizeHintForRow(0);
                const QString where = list->objectName() + QStringLiteral(": %1 rows").arg(rows);
                QVERIFY2(rows >= std::min(12, list->count()) && rows <= 15, qPrintable(where));
                QCOMPARE(view->verticalScrollBar()->isVisible(), list->count() > rows);
                QVERIFY2(view->viewport()->rect().contains(view->visualRect(view->currentIndex())),
                         qPrintable(where));
                list->hidePopup();
            }
        }
    }

    void accessKeysActOnThePageInFrontOnly_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");  // each pressed with Alt, one right after the other
        QTest::addColumn<QString>("frontAfter");
        QTest::addColumn<int>("donations");
        QTest::newRow("entry page: Alt+D donates, every time") << "entry"
                                                               << "DD"
                                                               << "fraMain" << 2;
        QTest::newRow("result page: Alt+D does it once again") << "result"
                                                               << "D"
                                                               << "fraMain" << 0;
        QTest::newRow("result page: Alt+G does not proceed") << "result"
                                                             << "GG"
                                                             << "fraResult" << 0;
        // Typed ahead: the second key meets the page the first one brought.
        QTest::newRow("Alt+G then at once Alt+D: proceed, then do it once again") << "filled entry"
                                                                                  << "GD"
                                                                                  << "fraMain" << 0;
    }

    void accessKeysActOnThePageInFrontOnly() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        QFETCH(QString, frontAfter);
        QFETCH(int, donations);
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        if (start == QStringLiteral("result")) {
            enterAnnAndCatherine(shown);
            child<QLineEdit>(w, "txtName", 0)->clear();  // proceeding now would be refused with a message
        } else if (start == QStringLiteral("filled entry")) {
            shown.setPerson(0, QStringLiteral("Ann"), 1, 1, 1900);
            shown.setPerson(1, QStringLiteral("Catherine"), 9, 9, 1998);
        }
        for (const QChar key : keys) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(key.unicode()), Qt::AltModifier);
            QVERIFY2(!covered(w, QApplication::focusWidget()), qPrintable(focusName()));
        }
        QTest::qWait(250);  // a click Qt animates would land only now
        QCOMPARE(frontPage(w), frontAfter);
        QCOMPARE(shown.platform.openedUrls, QList<QUrl>(donations, modHelp::donatePageAddress()));
        QVERIFY(shown.platform.messages.isEmpty());
        if (start != QStringLiteral("entry") && frontAfter == QStringLiteral("fraMain")) {
            QCOMPARE(focusName(), QStringLiteral("txtName_0"));
        }
    }

    void coveredControlsNeitherTakeTheFocusNorAct() {
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        auto* userName = child<QLineEdit>(w, "txtName", 0);
        // Entry page: the back button behind it does not empty the name. It
        // exists from the first proceed on.
        enterAnnAndCatherine(shown);
        QTest::mouseClick(child(w, "cmdBack"), Qt::LeftButton);
        QCOMPARE(frontPage(w), QStringLiteral("fraMain"));
        QTest::keyClicks(userName, QStringLiteral("Ann"));
        pressByAccessibility(child(w, "cmdBack"));
        child(w, "cmdBack")->setFocus();
        QCOMPARE(userName->text(), QStringLiteral("Ann"));
        QCOMPARE(focusName(), QStringLiteral("txtName_0"));

        // Result page: the entry controls behind it neither proceed nor change.
        QTest::keyClicks(child(w, "txtName", 1), QStringLiteral("Cat"));
        shown.proceed();
        QCOMPARE(frontPage(w), QStringLiteral("fraResult"));
        userName->clear();  // proceeding now would be refused with a message
        const QString focus = focusName();
        for (const char* control : {"txtName_1", "cboYear_0", "cmdProceed", "RTB"}) {
            child(w, control)->setFocus();
            QCOMPARE(focusName(), focus);
        }
        pressByAccessibility(child(w, "cmdProceed"));
        QAccessibleInterface* year = QAccessible::queryAccessibleInterface(child(w, "cboYear", 1));
        year->valueInterface()->setCurrentValue(2000);
        QVERIFY(shown.platform.messages.isEmpty());
        QCOMPARE(child<QComboBox>(w, "cboYear", 1)->currentIndex(), 0);
        QCOMPARE(frontPage(w), QStringLiteral("fraResult"));
    }

    void personCardsAreRoundedGreyCardsWithWhiteTitles() {
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        const QColor page{214, 214, 218};
        const QColor card{96, 100, 108};
        const QColor rim{150, 154, 164};
        for (std::size_t i = 0; i < kPersonCount; ++i) {
            QGroupBox* frame = child<QGroupBox>(w, "Frame1", i);
            const QImage image = child(w, "fraMain")->grab(frame->geometry()).toImage();
            QCOMPARE(image.size(), QSize(298, 134));
            // Rounded: the page shows in the corners, the rim runs along the edges.
            for (const QPoint corner : {QPoint(0, 0), QPoint(297, 0), QPoint(0, 133), QPoint(297, 133)}) {
                QCOMPARE(image.pixelColor(corner), page);
            }
            for (const QPoint edge : {QPoint(149, 0), QPoint(149, 133), QPoint(0, 66), QPoint(297, 66)}) {
                QCOMPARE(image.pixelColor(edge), rim);
            }
            QCOMPARE(image.pixelColor(292, 66), card);
            // The title is drawn in white inside the top edge, left of the middle.
            int white = 0;
            for (int y = 4; y < 22; ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (image.pixelColor(x, y) == Qt::white) {
                        QVERIFY2(x > 10 && x < 260,
                                 qPrintable(QStringLiteral("white at %1,%2").arg(x).arg(y)));
                        ++white;
                    }
                }
            }
            QVERIFY(white > 50);
            for (QLabel* caption : frame->findChildren<QLabel*>()) {
                QCOMPARE(caption->palette().color(QPalette::WindowText), QColor(Qt::white));
            }
            // The boxes shade their frames from the application's window
            // colour, as on any page, not from the card's grey.
            QCOMPARE(child(w, "txtName", i)->palette().color(QPalette::Window),
                     QApplication::palette().color(QPalette::Window));
            QVERIFY(frame->styleSheet().isEmpty());
        }
    }

    void brandLabelsFillTheirFrameAndTakeEveryClickOnIt() {
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        QVERIFY(child<QLabel>(w, "Label14")
                    ->text()
                    .endsWith(
                        QStringLiteral("Click Here To Visit %1 Now.").arg(modHelp::makerSiteDisplayName())));
        QWidget* frame = child(w, "fraFullBrand");
        const QRect edge = frame->rect().adjusted(0, 0, -1, -1);
        for (const auto& [name, page] : {std::pair{"lblCobrand", modHelp::coBrandPageAddress()},
                                         std::pair{"lblFullBrand", modHelp::fullBrandPageAddress()}}) {
            QWidget* front = child(w, name);
            front->raise();
            QCOMPARE(front->parentWidget(), frame);
            QVERIFY(front->autoFillBackground());
            // Clicks in the frame's corners reach the label in front.
            shown.platform.openedUrls.clear();
            for (const QPoint corner : {edge.topLeft(), edge.bottomRight()}) {
                QTest::mouseClick(w.windowHandle(), Qt::LeftButton, {}, frame->mapTo(&w, corner));
            }
            QCOMPARE(shown.platform.openedUrls, QList<QUrl>(2, page));
        }
    }

    void annAndCatherineGetTheirNumbersAndReport() {
        ShownWindow shown;
        QVERIFY(shown.show());
        enterAnnAndCatherine(shown);
        frmMain& w = *shown.window;

        QVERIFY(shown.platform.messages.isEmpty());
        QCOMPARE(frontPage(w), QStringLiteral("fraResult"));
        QCOMPARE(frontResultFrame(w), QStringLiteral("fraLifePath"));
        QCOMPARE(resultText(w, 0), QStringLiteral("LifePath Compatibility Number is 3 + 9"));
        QCOMPARE(resultText(w, 2), QStringLiteral("Destiny Compatibility Number is 2 + 2"));
        QCOMPARE(resultText(w, 1), engineText(modLoveCompatibility::GetShortReading("39")));
        QCOMPARE(resultText(w, 3), engineText(modLoveCompatibility::GetShortReading("22")));
        QVERIFY(!resultText(w, 1).isEmpty() && !resultText(w, 3).isEmpty());

        const QList<ReportLine> expected{
            {QStringLiteral("Your Love Numerology Reading Based on Life Path Number"), 1},
            {QStringLiteral("Very Compatible"), 1},
            {engineText(modLoveCompatibility::GetPairReading(3, 9)), 0},
            {QString(), -1},
            {QStringLiteral("Your Love Numerology Reading Based on Destiny Number"), 1},
            {QStringLiteral("Very Compatible"), 1},
            {engineText(modLoveCompatibility::GetPairReading(2, 2)), 0},
        };
        auto* box = child<QTextEdit>(w, "RTB");
        QCOMPARE(reportLines(*box->document()), expected);

        // A screen reader finds the report by its name, can move there and
        // reads it whole.
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
        QVERIFY(reader->state().focusable);
        QCOMPARE(reader->role(), QAccessible::EditableText);
        QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Love compatibility report"));
        QAccessibleTextInterface* text = reader->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->text(0, text->characterCount()), box->toPlainText());

        // Again, through the hidden File entry: the same labels, one report.
        const QString report = box->toHtml();
        child<QAction>(w, "mnuCalculate")->trigger();
        QCOMPARE(box->toHtml(), report);
        QCOMPARE(resultText(w, 0), QStringLiteral("LifePath Compatibility Number is 3 + 9"));
    }

    void headingsExplainHowTheirNumbersWereReached() {
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        // Ann on 1 January 1900, Catherine on 9 September 1998.
        enterAnnAndCatherine(shown);
        QLabel* lifePathHeading = child<QLabel>(w, "lblResult", 0);
        QLabel* destinyHeading = child<QLabel>(w, "lblResult", 2);

        const QString lifePath = QStringLiteral(
            "You: 1 + 1 + 1900 = 1902 \u2192 1 + 9 + 0 + 2 = 12 \u2192 1 + 2 = 3\n"
            "Your partner: 9 + 9 + 1998 = 2016 \u2192 2 + 0 + 1 + 6 = 9");
        const QString destiny = QStringLiteral(
            "You: letter total 11 \u2192 1 + 1 = 2\n"
            "Your partner: letter total 47 \u2192 4 + 7 = 11 \u2192 11 counts as 1 + 1 = 2");
        QCOMPARE(lifePathHeading->toolTip(), lifePath);
        QCOMPARE(destinyHeading->toolTip(), destiny);
        // The heading keeps its text as its name; the steps come after it.
        QCOMPARE(announced(lifePathHeading),
                 qMakePair(QStringLiteral("LifePath Compatibility Number is 3 + 9"), lifePath));
        QCOMPARE(announced(destinyHeading),
                 qMakePair(QStringLiteral("Destiny Compatibility Number is 2 + 2"), destiny));
        for (const std::size_t reading : {1, 3}) {
            QVERIFY(child(w, "lblResult", reading)->toolTip().isEmpty());
        }
        checkStepsEndAtTheHeadingNumbers(w);

        // Another couple: Zed on 31 December 2050; Catherine's date went back
        // to 1 January 1900 with the lists. The steps are replaced, not added.
        QTest::mouseClick(child(w, "cmdBack"), Qt::LeftButton);
        shown.setPerson(0, QStringLiteral("Zed"), 31, 12, 2050);
        shown.proceed();
        QVERIFY(shown.platform.messages.isEmpty());
        const QString lifePathAgain = QStringLiteral(
            "You: 31 + 12 + 2050 = 2093 \u2192 2 + 0 + 9 + 3 = 14 \u2192 1 + 4 = 5\n"
            "Your partner: 1 + 1 + 1900 = 1902 \u2192 1 + 9 + 0 + 2 = 12 \u2192 1 + 2 = 3");
        const QString destinyAgain = QStringLiteral(
            "You: letter total 17 \u2192 1 + 7 = 8\n"
            "Your partner: letter total 47 \u2192 4 + 7 = 11 \u2192 11 counts as 1 + 1 = 2");
        QCOMPARE(lifePathHeading->text(), QStringLiteral("LifePath Compatibility Number is 5 + 3"));
        QCOMPARE(announced(lifePathHeading).second, lifePathAgain);
        QCOMPARE(lifePathHeading->toolTip(), lifePathAgain);
        QCOMPARE(announced(destinyHeading).second, destinyAgain);
        QCOMPARE(destinyHeading->toolTip(), destinyAgain);
        checkStepsEndAtTheHeadingNumbers(w);
    }

    void stepsTooltipLeavesTheHeadingItsReadingAndTheTabsInSight() {
        ShownWindow shown;
        QVERIFY(shown.show());
        enterAnnAndCatherine(shown);
        frmMain& w = *shown.window;
        auto* strip = child<QTabBar>(w, "TS");
        const auto globalRect = [](const QWidget* widget) {
            return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
        };
        // The pointer rests in the middle of the heading; the tip comes up.
        auto* tip = w.findChild<QLabel*>(QStringLiteral("stepsTip"));
        QVERIFY(tip != nullptr);
        const auto showTip = [&](QLabel* heading) -> QLabel* {
            const QPoint at = heading->rect().center();
            QHelpEvent hover(QEvent::ToolTip, at, heading->mapToGlobal(at));
            QApplication::sendEvent(heading, &hover);
            return QTest::qWaitFor([&] { return tip->isVisible(); }) ? tip : nullptr;
        };
        for (const std::size_t tab : {0, 1}) {
            QLabel* heading = child<QLabel>(w, "lblResult", 2 * tab);
            QLabel* reading = child<QLabel>(w, "lblResult", 2 * tab + 1);
            const QString where = QStringLiteral("tab %1").arg(tab);
            strip->setCurrentIndex(int(tab));
            QVERIFY2(showTip(heading) != nullptr, qPrintable(where));
            QCOMPARE(tip->text(), heading->toolTip());
            const QRect readingText(reading->mapToGlobal(QPoint(0, 0)),
                                    QSize(reading->width(), reading->heightForWidth(reading->width())));
            QVERIFY2(!tip->geometry().intersects(readingText), qPrintable(where));
            QVERIFY2(!tip->geometry().intersects(globalRect(heading)), qPrintable(where));
            // The pointer leaving the heading takes the tip away.
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(heading, &leave);
            QVERIFY2(!tip->isVisible(), qPrintable(where));

            // A click on any tab, the tip still up, lands on the tab: the
            // click goes to whatever lies in front at that point.
            for (int other = 0; other < strip->count(); ++other) {
                strip->setCurrentIndex(int(tab));
                QVERIFY2(showTip(heading) != nullptr, qPrintable(where));
                const QPoint point = strip->mapToGlobal(strip->tabRect(other).center());
                QWidget* hit = QApplication::widgetAt(point);
                QVERIFY2(hit == strip,
                         qPrintable(where +
                                    QStringLiteral(": tab %1 lies under %2")
                                        .arg(other)
                                        .arg(hit != nullptr ? hit->metaObject()->className() : "nothing")));
                QTest::mouseClick(hit->window()->windowHandle(), Qt::LeftButton, {},
                                  hit->window()->mapFromGlobal(point));
                QCOMPARE(strip->currentIndex(), other);
                QVERIFY2(!tip->isVisible(), qPrintable(where));
            }
        }
    }

    void tabsRaiseTheirOwnFrame_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("frame");
        QTest::addColumn<QStringList>("tabWalk");  // where Tab goes from the strip
        QTest::newRow("life path") << 0 << "fraLifePath" << QStringList{"cmdBack", "TS"};
        QTest::newRow("destiny") << 1 << "fraDestiny" << QStringList{"cmdBack", "TS"};
        // The keyboard reaches the reading, not only the mouse.
        QTest::newRow("report") << 2 << "fraLoveCompatibility" << QStringList{"RTB", "cmdBack", "TS"};
    }

    void tabsRaiseTheirOwnFrame() {
        QFETCH(int, tab);
        QFETCH(QString, frame);
        QFETCH(QStringList, tabWalk);
        ShownWindow shown;
        QVERIFY(shown.show());
        enterAnnAndCatherine(shown);
        QTabBar* strip = child<QTabBar>(*shown.window, "TS");
        // Start from another tab, so every row sees a real switch.
        strip->setCurrentIndex((tab + 1) % 3);
        QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(tab).center());
        QCOMPARE(frontResultFrame(*shown.window), frame);
        QCOMPARE(frontPage(*shown.window), QStringLiteral("fraResult"));

        strip->setFocus(Qt::TabFocusReason);
        QStringList walked;
        for (qsizetype k = 0; k < tabWalk.size(); ++k) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked.append(focusName());
        }
        QCOMPARE(walked, tabWalk);
    }

    void backResetsTheUserAndTheListsOnlyAndKeepsTheResults() {
        ShownWindow shown;
        QVERIFY(shown.show());
        enterAnnAndCatherine(shown);
        frmMain& w = *shown.window;
        const auto labels = [&w] {
            return resultText(w, 0) + resultText(w, 1) + resultText(w, 2) + resultText(w, 3);
        };
        auto* tabs = child<QTabBar>(w, "TS");
        tabs->setCurrentIndex(2);
        const QString labelsBefore = labels();
        const QString report = child<QTextEdit>(w, "RTB")->toHtml();
        const modLoveCompatibility::CalculationState before = modLoveCompatibility::state();

        QTest::mouseClick(child(w, "cmdBack"), Qt::LeftButton);

        QCOMPARE(frontPage(w), QStringLiteral("fraMain"));
        QVERIFY(child<QLineEdit>(w, "txtName", 0)->text().isEmpty());
        QCOMPARE(focusName(), QStringLiteral("txtName_0"));
        // Emptied for good: no undo (the field's context menu offers one)
        // brings the last person's name back.
        QVERIFY(!child<QLineEdit>(w, "txtName", 0)->isUndoAvailable());
        child<QLineEdit>(w, "txtName", 0)->undo();
        QVERIFY(child<QLineEdit>(w, "txtName", 0)->text().isEmpty());
        QCOMPARE(child<QLineEdit>(w, "txtName", 1)->text(), QStringLiteral("Catherine"));
        for (std::size_t i = 0; i < kPersonCount; ++i) {
            for (const QComboBox* list : dateLists(w, i)) {
                QCOMPARE(list->currentIndex(), 0);
            }
        }
        QCOMPARE(labels(), labelsBefore);
        QCOMPARE(child<QTextEdit>(w, "RTB")->toHtml(), report);
        const modLoveCompatibility::CalculationState& after = modLoveCompatibility::state();
        QCOMPARE(after.strName, before.strName);
        QCOMPARE(after.intYear, before.intYear);
        QCOMPARE(after.strDestinyReading, before.strDestinyReading);

        // Proceeding without a user name is refused; with one, the Life Path
        // frame comes first again whatever tab was chosen before.
        child<QAction>(w, "mnuCalculate")->trigger();
        QCOMPARE(shown.platform.messageTexts(), QStringList{QStringLiteral("Please Enter Your Name")});
        QTest::keyClicks(child(w, "txtName", 0), QStringLiteral("Ann"));
        child<QAction>(w, "mnuCalculate")->trigger();
        QCOMPARE(frontPage(w), QStringLiteral("fraResult"));
        QCOMPARE(frontResultFrame(w), QStringLiteral("fraLifePath"));
        QCOMPARE(tabs->currentIndex(), 0);
    }

    void menuBarShowsOnlyItsVisibleEntries() {
        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        QCOMPARE(visibleTexts(w.menuBar()->actions()), (QStringList{"&File", "&Help", "&Donate"}));
        QCOMPARE(visibleTexts(child<QMenu>(w, "mnuFile")->actions()), QStringList{"E&xit"});
        QCOMPARE(visibleTexts(child<QMenu>(w, "mnuHelp")->actions()),
                 (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update", "-",
                              "&About Software"}));
        for (const char* hidden : {"mnuCalculate", "mnuSep1", "mnuMakeMoney"}) {
            QVERIFY2(!child<QAction>(w, hidden)->isVisible(), hidden);
        }
        QCOMPARE(child<QAction>(w, "mnuDonate")->menu(), nullptr);
        for (const QAction* action : w.findChildren<QAction*>()) {
            QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
        }
    }

    void everyLinkOpensExactlyItsPage_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QUrl>("address");
        QTest::newRow("mnuOnline") << "mnuOnline" << modHelp::onlineHelpAddress();
        QTest::newRow("mnuVisit") << "mnuVisit" << modHelp::homePageAddress();
        QTest::newRow("mnuUpdate") << "mnuUpdate" << modHelp::downloadPageAddress();
        QTest::newRow("mnuDonate") << "mnuDonate" << modHelp::donatePageAddress();
        QTest::newRow("mnuMakeMoney") << "mnuMakeMoney" << modHelp::fullBrandPageAddress();
        QTest::newRow("Label14") << "Label14" << modHelp::homePageAddress();
        QTest::newRow("lblCobrand") << "lblCobrand" << modHelp::coBrandPageAddress();
        QTest::newRow("lblFullBrand") << "lblFullBrand" << modHelp::fullBrandPageAddress();
    }

    void everyLinkOpensExactlyItsPage() {
        QFETCH(QString, control);
        QFETCH(QUrl, address);
        ShownWindow shown;
        QVERIFY(shown.show());
        if (control.startsWith(QStringLiteral("mnu"))) {
            child<QAction>(*shown.window, control)->trigger();
        } else {
            auto* label = child<kivo::LinkLabel>(*shown.window, control);
            label->raise();  // the two brand labels share one place
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QCOMPARE(shown.platform.openedUrls, QList<QUrl>{address});
        QVERIFY(shown.platform.messages.isEmpty());
        QCOMPARE(frontPage(*shown.window), QStringLiteral("fraMain"));
    }

    void aboutEntryOpensTheAboutWindowModally() {
        ShownWindow shown;
        QVERIFY(shown.show());
        QString opened;
        QVERIFY(kivo::testing::whileModal([&] { child<QAction>(*shown.window, "mnuAbout")->trigger(); },
                                          [&](QWidget& modal) {
                                              opened = modal.objectName();
                                              modal.close();
                                          }));
        QCOMPARE(opened, QStringLiteral("frmAbout"));
        QVERIFY(shown.platform.openedUrls.isEmpty());
    }

    void exitClosesTheWindowAndAnnouncesTheUnload() {
        ShownWindow shown;
        QVERIFY(shown.show());
        QSignalSpy unloading(shown.window.get(), &frmMain::unloading);
        child<QAction>(*shown.window, "mnuExit")->trigger();
        QCOMPARE(unloading.count(), 1);
        QVERIFY(!shown.window->isVisible());
    }
};

QTEST_MAIN(FrmMainTest)
#include "FrmMainTest.moc"
