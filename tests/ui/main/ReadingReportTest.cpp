// The love-compatibility report and its box: seven lines in order with their
// emphasis, a full replacement on each run, and a box that gives nothing away
// and leaves the clipboard alone, also to screen readers.

#include "engine/modLoveCompatibility.h"
#include "tests/support/WindowDriver.h"
#include "ui/main/ReadingReport.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>

using kivo::testing::ReportLine;
using kivo::testing::reportLines;

namespace {

const QString kLifePathHeading = QStringLiteral("Your Love Numerology Reading Based on Life Path Number");
const QString kDestinyHeading = QStringLiteral("Your Love Numerology Reading Based on Destiny Number");

}  // namespace

class ReadingReportTest : public QObject {
    Q_OBJECT

private slots:
    void reportHasSevenLinesWithHeadingsAndRatingsBold_data() {
        QTest::addColumn<QString>("lifePathRating");
        QTest::addColumn<QString>("lifePathReading");
        QTest::addColumn<QString>("destinyRating");
        QTest::addColumn<QString>("destinyReading");

        QTest::newRow("full texts") << "Neutral"
                                    << "Steady and warm."
                                    << "Difficult"
                                    << "Talk more, often.";
        QTest::newRow("empty rating and reading still take their lines") << ""
                                                                         << ""
                                                                         << "Compatible"
                                                                         << "";
    }

    void reportHasSevenLinesWithHeadingsAndRatingsBold() {
        QFETCH(QString, lifePathRating);
        QFETCH(QString, lifePathReading);
        QFETCH(QString, destinyRating);
        QFETCH(QString, destinyReading);

        // The state's views must outlive the composition.
        const std::string texts[4] = {lifePathRating.toStdString(), lifePathReading.toStdString(),
                                      destinyRating.toStdString(), destinyReading.toStdString()};
        modLoveCompatibility::CalculationState state;
        state.strLifePathRating = texts[0];
        state.strLifePathReading = texts[1];
        state.strDestinyRating = texts[2];
        state.strDestinyReading = texts[3];

        kivo::ReportBox box;
        box.setPlainText(QStringLiteral("an earlier report\nthat must go"));
        kivo::writeReport(box, state);

        const auto weight = [](const QString& text, int bold) { return text.isEmpty() ? -1 : bold; };
        const QList<ReportLine> expected{
            {kLifePathHeading, 1},
            {lifePathRating, weight(lifePathRating, 1)},
            {lifePathReading, weight(lifePathReading, 0)},
            {QString(), -1},
            {kDestinyHeading, 1},
            {destinyRating, weight(destinyRating, 1)},
            {destinyReading, weight(destinyReading, 0)},
        };
        // A line break after the last reading would make an eighth line.
        QCOMPARE(reportLines(*box.document()), expected);
    }

    void boxGivesNothingAwayAndLeavesTheClipboardAlone() {
        kivo::ReportBox box;
        box.resize(300, 200);
        box.setPlainText(QStringLiteral("A report\nthat stays here"));
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        QGuiApplication::clipboard()->setText(QStringLiteral("the user's own text"));

        QWidget* surface = box.viewport();
        // The box takes no mouse input at all: each event goes unanswered.
        for (const char* event : {"MousePress", "MouseMove", "MouseRelease", "MouseDClick"}) {
            QTest::ignoreMessage(
                QtWarningMsg, qPrintable(QStringLiteral("Mouse event \"%1\" not accepted by receiving widget")
                                             .arg(QLatin1String(event))));
        }
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(surface, QPoint(120, 40));
        QTest::mouseRelease(surface, Qt::LeftButton, {}, QPoint(120, 40));
        QTest::mouseDClick(surface, Qt::LeftButton, {}, QPoint(20, 8));
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
        QTest::keyClick(&box, Qt::Key_Insert, Qt::ControlModifier);

        QVERIFY(!box.textCursor().hasSelection());
        QCOMPARE(box.contextMenuPolicy(), Qt::NoContextMenu);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own text"));
        QCOMPARE(box.toPlainText(), QStringLiteral("A report\nthat stays here"));
    }

    void screenReadersReadTheReportButCannotChangeSelectOrCopyIt() {
        const std::string reading = "Steady and warm.";
        modLoveCompatibility::CalculationState state;
        state.strLifePathRating = "Neutral";
        state.strLifePathReading = reading;
        state.strDestinyRating = "Compatible";
        state.strDestinyReading = "Talk more.";
        kivo::ReportBox box;
        kivo::writeReport(box, state);
        const QString all = box.toPlainText();

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&box);
        QVERIFY(iface->editableTextInterface() == nullptr);
        QVERIFY(iface->state().readOnly && !iface->state().editable);
        QAccessibleTextInterface* text = iface->textInterface();
        QVERIFY(text != nullptr);
        QCOMPARE(text->characterCount(), int(all.size()));
        QCOMPARE(text->text(0, text->characterCount()), all);
        QCOMPARE(text->text(0, int(kLifePathHeading.size())), kLifePathHeading);

        // The emphasis comes with the text: a bold heading, a plain reading.
        int start = -1;
        int end = -1;
        QCOMPARE(text->attributes(3, &start, &end), QStringLiteral("font-weight:bold;"));
        QCOMPARE(start, 0);
        QCOMPARE(end, int(kLifePathHeading.size()));
        const int at = int(all.indexOf(QString::fromStdString(reading)));
        QVERIFY(at > 0);
        QCOMPARE(text->attributes(at + 2, &start, &end), QStringLiteral("font-weight:normal;"));
        QCOMPARE(start, at);
        QCOMPARE(end, at + int(reading.size()));

        // Without a selection there is nothing to copy.
        text->addSelection(0, 10);
        text->setSelection(0, 5, 20);
        QCOMPARE(text->selectionCount(), 0);
        QVERIFY(!box.textCursor().hasSelection());
        QCOMPARE(box.toPlainText(), all);
    }
};

QTEST_MAIN(ReadingReportTest)
#include "ReadingReportTest.moc"
