#include "ui/main/ReadingReport.h"

#include "engine/modLoveCompatibility.h"

#include <QTextCharFormat>
#include <QTextCursor>

ReportBox::ReportBox(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    // Keyboard focus stays useful for scrolling a long report.
    setFocusPolicy(Qt::StrongFocus);
}

QMimeData* ReportBox::createMimeDataFromSelection() const { return nullptr; }

namespace report {
namespace {

QString Text(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One run of the report: its text and the line breaks behind it, inserted at
// once so that the breaks carry the run's emphasis.
void InsertRun(QTextCursor& cursor, const QString& text, bool emphasis, int lineBreaks) {
    QTextCharFormat format;
    format.setFontWeight(emphasis ? QFont::Bold : QFont::Normal);
    cursor.insertText(text + QString(lineBreaks, QLatin1Char('\n')), format);
}

}  // namespace

void ComposeReport(QTextEdit& box, const modLoveCompatibility::CalculationState& state) {
    box.clear();
    QTextCursor cursor = box.textCursor();
    InsertRun(cursor, QCoreApplication::translate("ReadingReport",
                                                  "Your Love Numerology Reading Based on Life Path Number"),
              true, 1);
    InsertRun(cursor, Text(state.strLifePathRating), true, 1);
    InsertRun(cursor, Text(state.strLifePathReading), false, 2);
    InsertRun(cursor, QCoreApplication::translate("ReadingReport",
                                                  "Your Love Numerology Reading Based on Destiny Number"),
              true, 1);
    InsertRun(cursor, Text(state.strDestinyRating), true, 1);
    InsertRun(cursor, Text(state.strDestinyReading), false, 0);
}

}  // namespace report
