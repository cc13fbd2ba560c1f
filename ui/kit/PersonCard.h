#pragma once

#include <QGroupBox>

// A rounded grey card with its title inside the top edge. Painted here
// rather than through a style sheet, which would bring the style-sheet style
// and its parser into the start-up. The rim is drawn the way a 1 px, 6 px
// radius style-sheet border is, so the card looks the same to the pixel.
class PersonCard : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};
