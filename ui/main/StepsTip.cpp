#include "ui/main/StepsTip.h"

#include "ui/kit/ClassicLook.h"

#include <QApplication>
#include <QKeyEvent>
#include <QToolTip>

#include <algorithm>

namespace {

// Black on the pale yellow of classic tooltips: 20.6 : 1.
const QColor kOwnTipBase{255, 255, 225};

// The system's tooltip colours where they read well enough for small text,
// the program's own otherwise.
QPalette tipPalette() {
    QPalette palette = QToolTip::palette();
    QColor base = palette.color(QPalette::Inactive, QPalette::ToolTipBase);
    QColor text = palette.color(QPalette::Inactive, QPalette::ToolTipText);
    if (kivo::contrastRatio(text, base) < 4.5) {
        base = kOwnTipBase;
        text = Qt::black;
    }
    palette.setColor(QPalette::Window, base);
    palette.setColor(QPalette::WindowText, text);
    return palette;
}

}  // namespace

namespace kivo {

StepsTip::StepsTip(QWidget* window) : QLabel(window, Qt::ToolTip) {
    setObjectName(QStringLiteral("stepsTip"));
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setMargin(3);
    setAutoFillBackground(true);
    expiry_.setSingleShot(true);
    connect(&expiry_, &QTimer::timeout, this, &QWidget::hide);
}

void StepsTip::watch(QLabel* heading) {
    headings_.push_back(heading);
    heading->installEventFilter(this);
}

void StepsTip::showFor(QLabel* heading) {
    QWidget* frame = heading->parentWidget();
    setFont(QToolTip::font());
    setPalette(tipPalette());
    setText(heading->toolTip());
    adjustSize();
    // Below the short reading, the frame's other label, with a gap: at the
    // pointer the tip would hide the very text the steps explain, and above
    // the heading it would lie over the tab strip and take the click of a
    // user moving up to the next tab. Kept inside the frame when the reading
    // runs long.
    int textBottom = heading->geometry().bottom();
    for (const QLabel* label : frame->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label != heading) {
            textBottom = label->y() + std::min(label->height(), label->heightForWidth(label->width()));
        }
    }
    const int top = std::max(0, std::min(textBottom + 8, frame->height() - height() - 4));
    move(frame->mapToGlobal(QPoint(heading->x(), top)));
    shownFor_ = heading;
    // Dismissed as tooltips are: by any click, key, wheel turn or change of
    // the active window, and after a while that grows with the text.
    qApp->installEventFilter(this);
    expiry_.start(10000 + 40 * std::max<int>(0, static_cast<int>(text().size()) - 100));
    show();
}

bool StepsTip::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ToolTip:
        if (std::find(headings_.begin(), headings_.end(), watched) != headings_.end()) {
            auto* heading = static_cast<QLabel*>(watched);
            if (heading->toolTip().isEmpty()) {
                return false;
            }
            showFor(heading);
            return true;
        }
        break;
    case QEvent::Leave:
        if (watched == shownFor_) {
            hide();
        }
        break;
    case QEvent::KeyPress: {
        // A modifier alone, as on its way to a shortcut, leaves it up.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key < Qt::Key_Shift || key > Qt::Key_ScrollLock) {
            hide();
        }
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::Close:
        hide();
        break;
    default:
        break;
    }
    return false;
}

void StepsTip::hideEvent(QHideEvent* event) {
    qApp->removeEventFilter(this);
    expiry_.stop();
    shownFor_ = nullptr;
    QLabel::hideEvent(event);
}

}  // namespace kivo
