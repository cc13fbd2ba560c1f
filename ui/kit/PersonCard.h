#pragma once

#include <QGroupBox>

namespace kivo {

// A rounded grey card with its title inside the top edge. Painted here
// rather than through a style sheet, which would bring the style-sheet style
// and its parser into the start-up. The rim is drawn the way a 1 px, 6 px
// radius style-sheet border is, so the card looks the same to the pixel.
// The title is the card's font in bold; the card keeps its font as it is,
// for the controls inside to take as their own.
class PersonCard : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kivo
