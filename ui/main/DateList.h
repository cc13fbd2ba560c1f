#pragma once
// The day, month and year lists of the entry page: pick-only lists whose
// entries stand for consecutive numbers (days 1-31, January = 1, the years).
//
// On Linux, Qt names a combo box after its current entry for screen readers
// and leaves the label to relations; here that relation is only the frame of
// the person, so a person's three lists would sound alike. A DateList is
// announced by its accessible name ("Your birth month") instead, tells its
// current entry as its description, and offers the entry's number as a value
// that assistive tools can read and set.

#include <QComboBox>

namespace kivo {

class DateList : public QComboBox {
    Q_OBJECT
public:
    // firstValue is the number of the first entry: 1 for days and months,
    // the first year for years.
    explicit DateList(int firstValue, QWidget* parent = nullptr);

    int firstValue() const { return firstValue_; }
    // The number the selected entry stands for.
    int value() const { return firstValue_ + currentIndex(); }

    // Drops the entries down below the box as a list of at most
    // maxVisibleItems() rows, with a scroll bar for the rest, whatever the
    // style: styles that show a pick-only list as a menu (Fusion does) make
    // the menu as tall as all its entries, and the 151 years then cover the
    // whole screen.
    void showPopup() override;

private:
    int firstValue_;
};

}  // namespace kivo
