#pragma once
// What the main-window tests share: a shown, active frmMain with the recording
// platform installed, ways to fill in a person, to tell which stacked frame
// is in front, and to read the report back line by line.

#include "tests/support/Controls.h"
#include "tests/support/RecordingPlatform.h"
#include "ui/main/frmMain.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

#include <initializer_list>
#include <memory>

namespace kivo::testing {

struct ShownWindow {
    RecordingPlatform platform;
    std::unique_ptr<frmMain> window = std::make_unique<frmMain>();

    // Shows the window and waits until it has the keyboard.
    bool show() {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    // Fills one person's entries the way pasting and picking would; month is
    // 1 for January.
    void setPerson(std::size_t i, const QString& name, int day, int month, int year) const {
        child<QLineEdit>(*window, "txtName", i)->setText(name);
        child<QComboBox>(*window, "cboDate", i)->setCurrentIndex(day - 1);
        child<QComboBox>(*window, "cboMonth", i)->setCurrentIndex(month - 1);
        auto* years = child<QComboBox>(*window, "cboYear", i);
        years->setCurrentIndex(years->findText(QString::number(year)));
    }

    // Clicks the proceed button.
    void proceed() const { QTest::mouseClick(child<QPushButton>(*window, "cmdProceed"), Qt::LeftButton); }
};

// The name of the frame of the group that its parent shows in front: the
// one that comes last among the parent's children, since raise() moves a
// widget there.
inline QString frontOf(const QWidget& window, std::initializer_list<const char*> group) {
    QString front;
    qsizetype best = -1;
    for (const char* name : group) {
        const QWidget* frame = child(window, name);
        const qsizetype at = frame->parentWidget()->children().indexOf(frame);
        if (at > best) {
            best = at;
            front = frame->objectName();
        }
    }
    return front;
}

inline QString frontPage(const QWidget& w) { return frontOf(w, {"fraMain", "fraResult"}); }

inline QString frontResultFrame(const QWidget& w) {
    return frontOf(w, {"fraLifePath", "fraDestiny", "fraLoveCompatibility"});
}

// One line of the report: its text and its emphasis, -1 for an empty line
// (no characters to judge), 0 plain, 1 bold, 2 mixed.
struct ReportLine {
    QString text;
    int bold = -1;
    bool operator==(const ReportLine&) const = default;
};

inline QList<ReportLine> reportLines(const QTextDocument& document) {
    QList<ReportLine> lines;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ReportLine line{block.text(), -1};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const int bold = it.fragment().charFormat().fontWeight() >= QFont::Bold ? 1 : 0;
            line.bold = line.bold == -1 || line.bold == bold ? bold : 2;
        }
        lines.append(line);
    }
    return lines;
}

}  // namespace kivo::testing

inline char* toString(const kivo::testing::ReportLine& line) {
    return QTest::toString(QStringLiteral("[bold %1] %2").arg(line.bold).arg(line.text));
}
