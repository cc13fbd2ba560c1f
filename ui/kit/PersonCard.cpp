#include "ui/kit/PersonCard.h"

#include "ui/kit/ClassicLook.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyle>

void PersonCard::paintEvent(QPaintEvent* /*event*/) {
    static constexpr qreal kRadius = 6.0;
    const QColor rim{150, 154, 164};
    const qreal w = width();
    const qreal h = height();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath inside;
    inside.addRoundedRect(QRectF(0.5, 0.5, w - 1.0, h - 1.0), kRadius - 0.5, kRadius - 0.5);
    painter.fillPath(inside, kivo::kCardGrey);

    // The straight parts of the rim, then each corner as two eighths of a
    // circle through the middle of the rim's pixels; bottom, right, left,
    // top, as the overlapping anti-aliased ends must blend in that order.
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawRect(QRectF(kRadius, h - 1.0, w - 2 * kRadius, 1.0));
    painter.drawRect(QRectF(w - 1.0, kRadius, 1.0, h - 2 * kRadius));
    painter.drawRect(QRectF(0.0, kRadius, 1.0, h - 2 * kRadius));
    painter.drawRect(QRectF(kRadius, 0.0, w - 2 * kRadius, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(rim, 1.0, Qt::SolidLine, Qt::SquareCap));
    const qreal d = 2 * kRadius - 1.0;
    const QRectF topLeft{0.5, 0.5, d, d};
    const QRectF topRight{w - 2 * kRadius + 0.5, 0.5, d, d};
    const QRectF bottomLeft{0.5, h - 2 * kRadius + 0.5, d, d};
    const QRectF bottomRight{w - 2 * kRadius + 0.5, h - 2 * kRadius + 0.5, d, d};
    // Angles in sixteenths of a degree, counter-clockwise from 3 o'clock.
    painter.drawArc(bottomLeft, -90 * 16, -45 * 16);
    painter.drawArc(bottomRight, -90 * 16, 45 * 16);
    painter.drawArc(topRight, 45 * 16, -45 * 16);
    painter.drawArc(bottomRight, 315 * 16, 45 * 16);
    painter.drawArc(topLeft, 135 * 16, 45 * 16);
    painter.drawArc(bottomLeft, 180 * 16, 45 * 16);
    painter.drawArc(topLeft, 135 * 16, -45 * 16);
    painter.drawArc(topRight, 45 * 16, 45 * 16);

    // Centred in a box of its rounded width and not clipped to it, so the
    // glyphs fall on the same fractions of a pixel as a style sheet's
    // title.
    QFont titleFont = font();
    titleFont.setBold(true);
    painter.setFont(titleFont);
    const QFontMetrics metrics(titleFont);
    style()->drawItemText(
        &painter, QRect(13, 6, metrics.horizontalAdvance(title()), metrics.height()),
        Qt::AlignLeft | Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextShowMnemonic | Qt::TextDontClip,
        palette(), isEnabled(), title(), QPalette::WindowText);
}
