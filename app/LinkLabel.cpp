#include "app/LinkLabel.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPixmap>

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(LinkCursor());
    setAccessibleName(text);
}

QCursor LinkLabel::LinkCursor() {
    const QPixmap image(QStringLiteral(":/cursors/link-hand.png"));
    if (image.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    // The fingertip is the hot spot (see resources/cursors/link-hand.svg).
    return QCursor(image, 8, 1);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}
