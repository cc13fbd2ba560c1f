#include "ui/kit/Labels.h"

#include "ui/kit/ClassicLook.h"
#include "ui/kit/LinkLabel.h"

namespace kivo {
namespace {

template <typename Label>
Label* placeLabel(Label* label, QAnyStringView name, const QRect& place, const QFont& font,
                  Qt::Alignment alignment) {
    label->setObjectName(name);
    label->setGeometry(place);
    label->setFont(font);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment);
    return label;
}

}  // namespace

QLabel* makeLabel(QWidget* parent, QAnyStringView name, const QString& text, const QRect& place,
                  const QFont& font, Qt::Alignment alignment) {
    return placeLabel(new QLabel(text, parent), name, place, font, alignment);
}

LinkLabel* makeLink(QWidget* parent, QAnyStringView name, const QString& text, const QRect& place, QFont font,
                    const QColor& colour, Qt::Alignment alignment) {
    font.setUnderline(true);
    LinkLabel* link = placeLabel(new LinkLabel(text, parent), name, place, font, alignment);
    setTextColour(link, colour);
    return link;
}

}  // namespace kivo
