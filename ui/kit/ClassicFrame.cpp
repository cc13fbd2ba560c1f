#include "ui/kit/ClassicFrame.h"

#include <QPainter>

namespace kivo {

ClassicFrame::ClassicFrame(const QString& caption, const QColor& background, const QColor& captionColour,
                           QWidget* parent)
    : QWidget(parent), caption_(caption), background_(background) {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, captionColour);
    setPalette(colours);
    setAccessibleName(caption);
    setFocusPolicy(Qt::NoFocus);
}

void ClassicFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);

    const QFontMetrics metrics(font());
    // The border runs through the middle of the caption's line.
    const int top = metrics.height() / 2;
    const QRect border(0, top, width() - 2, height() - top - 2);

    // Etched: a shadow line with a highlight line one pixel below and right.
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(border);
    painter.setPen(Qt::white);
    painter.drawRect(border.translated(1, 1));

    if (!caption_.isEmpty()) {
        const int textWidth = metrics.horizontalAdvance(caption_);
        const QRect captionRect(8, 0, textWidth + 4, metrics.height());
        // The caption breaks the border: clear the line behind it first.
        painter.fillRect(captionRect.adjusted(-2, 0, 0, 0), background_);
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(captionRect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                         caption_);
    }
}

}  // namespace kivo
