#include "ui/main/ReadingReport.h"

#include "engine/modLoveCompatibility.h"
#include "ui/kit/TextRules.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>

#include <algorithm>

namespace kivo {

namespace {

// Qt's own interface for text boxes also offers editing, selecting and
// copying to assistive tools, read-only box or not. This one only reads.
class ReportBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReportBoxAccessible(ReportBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.editable = false;
        s.multiLine = true;
        return s;
    }

    QString text(int startOffset, int endOffset) const override {
        const QString all = plainText();
        const int start = std::clamp(startOffset, 0, int(all.size()));
        const int end = endOffset < 0 ? int(all.size()) : std::clamp(endOffset, start, int(all.size()));
        return all.mid(start, end - start);
    }
    QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }
    int characterCount() const override { return int(plainText().size()); }

    // The caret may move for reading; nothing can be selected.
    int cursorPosition() const override { return box()->textCursor().position(); }
    void setCursorPosition(int position) override {
        QTextCursor cursor = box()->textCursor();
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        box()->setTextCursor(cursor);
    }
    void selection(int, int* startOffset, int* endOffset) const override { *startOffset = *endOffset = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    QRect characterRect(int offset) const override {
        QTextCursor cursor(box()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        QRect place = box()->cursorRect(cursor);
        const QString ch = text(offset, offset + 1);
        place.setWidth(ch.isEmpty() || ch == QLatin1String("\n")
                           ? 1
                           : QFontMetrics(cursor.charFormat().font()).horizontalAdvance(ch));
        place.moveTopLeft(box()->viewport()->mapToGlobal(place.topLeft()));
        return place;
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QPoint local = box()->viewport()->mapFromGlobal(point);
        return box()->viewport()->rect().contains(local) ? box()->cursorForPosition(local).position() : -1;
    }
    void scrollToSubstring(int startIndex, int) override {
        setCursorPosition(startIndex);
        box()->ensureCursorVisible();
    }

    // Headings and ratings are bold, readings plain: the run around the offset.
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = offset;
        const QTextBlock block = box()->document()->findBlock(offset);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment run = it.fragment();
            if (offset >= run.position() && offset < run.position() + run.length()) {
                *startOffset = run.position();
                *endOffset = run.position() + run.length();
                const bool bold = run.charFormat().fontWeight() >= QFont::Bold;
                return bold ? QStringLiteral("font-weight:bold;") : QStringLiteral("font-weight:normal;");
            }
        }
        return QString();
    }

private:
    ReportBox* box() const { return static_cast<ReportBox*>(object()); }
    QString plainText() const { return box()->document()->toPlainText(); }
};

QAccessibleInterface* makeReportBoxAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(ReportBox::staticMetaObject.className())) {
        return new ReportBoxAccessible(static_cast<ReportBox*>(object));
    }
    return nullptr;
}

}  // namespace

ReportBox::ReportBox(QWidget* parent) : QTextEdit(parent) {
    // Installing again does nothing; a later application gets it anew.
    QAccessible::installFactory(&makeReportBoxAccessible);
    setReadOnly(true);
    setTextInteractionFlags(Qt::NoTextInteraction);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setUndoRedoEnabled(false);
    // Keyboard focus stays useful for scrolling a long report.
    setFocusPolicy(Qt::StrongFocus);
}

QMimeData* ReportBox::createMimeDataFromSelection() const { return nullptr; }

namespace {

// One run of the report: its text and the line breaks behind it, inserted at
// once so that the breaks carry the run's emphasis.
void insertRun(QTextCursor& cursor, const QString& text, bool emphasis, int lineBreaks) {
    QTextCharFormat format;
    format.setFontWeight(emphasis ? QFont::Bold : QFont::Normal);
    cursor.insertText(text + QString(lineBreaks, QLatin1Char('\n')), format);
}

}  // namespace

void writeReport(QTextEdit& box, const modLoveCompatibility::CalculationState& state) {
    box.clear();
    QTextCursor cursor = box.textCursor();
    insertRun(cursor,
              QCoreApplication::translate("ReadingReport",
                                          "Your Love Numerology Reading Based on Life Path Number"),
              true, 1);
    insertRun(cursor, engineText(state.strLifePathRating), true, 1);
    insertRun(cursor, engineText(state.strLifePathReading), false, 2);
    insertRun(
        cursor,
        QCoreApplication::translate("ReadingReport", "Your Love Numerology Reading Based on Destiny Number"),
        true, 1);
    insertRun(cursor, engineText(state.strDestinyRating), true, 1);
    insertRun(cursor, engineText(state.strDestinyReading), false, 0);
}

}  // namespace kivo
