#pragma once
// The love-compatibility report of the third result tab, and the box that
// shows it.

#include <QCoreApplication>
#include <QTextEdit>

#include <string_view>

namespace modLoveCompatibility {
struct CalculationState;
}

namespace kivo {

// The report box: it shows the report and nothing more. The report is meant
// to stay in the program, so the box is read-only and offers no selection, no
// copy shortcut, no context menu and no drag; it never touches the clipboard,
// which keeps whatever the user or another program put there. Screen readers
// read the report's text and emphasis, but get no way to edit, select or copy
// it either.
class ReportBox : public QTextEdit {
    Q_OBJECT
public:
    explicit ReportBox(QWidget* parent = nullptr);

protected:
    // A read-only box would still hand out a drag of its document.
    QMimeData* createMimeDataFromSelection() const override;
};

// Replaces the whole content of the box with the report of the given state:
// seven lines (Life Path heading, rating, reading, an empty line, Destiny
// heading, rating, reading), headings and ratings bold, readings plain, and
// no line break after the last reading.
void writeReport(QTextEdit& box, const modLoveCompatibility::CalculationState& state);

}  // namespace kivo
