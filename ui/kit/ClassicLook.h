#pragma once
// Fonts, colours and button habits of the program's fixed-layout windows. Sizes are given in
// points at 96 dots per inch and turned into pixels, so that text keeps the
// size the layouts were drawn for whatever DPI the X server reports.

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

class QWidget;

namespace kivo {

enum class Family { Verdana, MsSansSerif };

// Verdana (or MS Sans Serif) where installed, a metric-alike sans-serif
// otherwise.
QFont makeFont(double points, bool bold = false, Family family = Family::Verdana);

// The program's standard text: Verdana 8.25 pt.
inline QFont standardFont(bool bold = false) { return makeFont(8.25, bold); }

// Colours set through the widget's palette, so styles draw with them.
void setTextColour(QWidget* widget, const QColor& colour);
// Fills the widget's background with the colour.
void setBackground(QWidget* widget, const QColor& colour);
// How far two colours stand apart, as WCAG reckons it: from 1 to 21, and
// small text reads well from 4.5.
double contrastRatio(const QColor& a, const QColor& b);

// "Kivo Love Numerology v1.0": the caption of the program's windows, and the
// title the About and promotion windows show inside.
QString programCaption();

// The program's icon in the sizes a window uses, 16 to 64 pixels.
QIcon programIcon();

// The icon for a 32 x 32 picture box, drawn at the box's screen scale rather
// than the 32-pixel one blown up.
QPixmap programIconPixmap(const QWidget* box);

// Where a window of `size` goes in a screen's free `area`: in the middle,
// but on a smaller screen moved so that its top-left corner and as much of
// it as fits are on the screen.
QPoint placeOnScreen(const QSize& size, const QRect& area);

// Moves a fixed-size window to the middle of the primary screen's free area
// (placeOnScreen).
void centreOnScreen(QWidget* window);

// Gives the window's push buttons the keyboard habits of Windows: Enter or
// Return presses the focused button, and a button's access key first moves
// the focus to it, as a click does, so the control left behind hears of it
// before the button acts, which it does at once. Call once the buttons exist.
void pressButtonsLikeWindows(QWidget* window);

// The About window's background.
inline const QColor kDarkGrey{64, 64, 64};
// The main window, its person cards and its result frames.
inline const QColor kCardGrey{96, 100, 108};
// The promotional frame's grey: the lightest grey on which the links' small
// white text keeps a contrast of 4.5 : 1, the least that reads well (see
// "Deliberate behaviour" in the README).
inline const QColor kBrandGrey{118, 118, 118};
inline const QColor kYellow{255, 255, 0};
inline const QColor kLightYellow{255, 255, 128};
inline const QColor kNavy{0, 0, 128};
inline const QColor kLinkBlue{0, 0, 192};

}  // namespace kivo
