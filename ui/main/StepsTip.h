#pragma once
// The tip that shows how a result heading's numbers were reached, drawn by
// the program itself rather than by Qt's tooltip: a style may give Qt's
// tooltip colours of its own (under Wine, grey on white), and Qt's tooltip
// cannot be placed without reaching into its private widget.

#include <QLabel>
#include <QTimer>

#include <vector>

namespace kivo {

class StepsTip : public QLabel {
public:
    // A tip of `window`, closed and deleted with it.
    explicit StepsTip(QWidget* window);

    // Shows the heading's tooltip text through this tip whenever the pointer
    // rests on it; the heading's frame holds the short reading it explains.
    void watch(QLabel* heading);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showFor(QLabel* heading);

    std::vector<const QObject*> headings_;
    const QObject* shownFor_ = nullptr;
    QTimer expiry_;
};

}  // namespace kivo
