#include "ui/kit/LinkLabel.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>

#include <utility>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) { setAccessibleName(text); }

namespace {

QCursor makeLinkCursor() {
    // The window system shows a cursor image pixel for pixel, so a scaled
    // screen gets the hand drawn at its scale (from the 64-pixel rendering)
    // rather than a 32-pixel hand half the size of everything around it.
    const qreal scale = qGuiApp->devicePixelRatio();
    QPixmap image(scale > 1.0 ? QStringLiteral(":/cursors/link-hand-64.png")
                              : QStringLiteral(":/cursors/link-hand.png"));
    if (image.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    if (scale > 1.0) {
        const int side = qRound(32 * scale);
        if (image.width() != side) {
            image = image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        }
        image.setDevicePixelRatio(scale);
    }
    // The fingertip is the hot spot (see resources/cursors/link-hand.svg),
    // counted in the image's own pixels.
    return QCursor(image, qRound(8 * scale), qRound(1 * scale));
}

// Holds the one hand cursor for as long as the application lives: one
// picture decoded, and one cursor for the window system to make, however
// many links there are.
class LinkCursorKeeper : public QObject {
public:
    explicit LinkCursorKeeper(QObject* application) : QObject(application), cursor(makeLinkCursor()) {}
    const QCursor cursor;
};

}  // namespace

QCursor LinkLabel::linkCursor() {
    static QPointer<LinkCursorKeeper> keeper;
    if (keeper.isNull()) {
        keeper = new LinkCursorKeeper(qGuiApp);
    }
    return keeper->cursor;
}

bool LinkLabel::event(QEvent* event) {
    // The hand is made when a link is first pointed at: the pointer takes
    // the shape of the widget it enters only after the widget has heard of
    // it, and a start-up that made it for links nobody points at yet would
    // pay for a picture and a cursor of the window system before the first
    // frame.
    if (event->type() == QEvent::Enter && !testAttribute(Qt::WA_SetCursor)) {
        setCursor(linkCursor());
    }
    return QLabel::event(event);
}

void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        endsDoubleClick_ = true;
    }
    QLabel::mouseDoubleClickEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && !std::exchange(endsDoubleClick_, false) &&
        rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}
