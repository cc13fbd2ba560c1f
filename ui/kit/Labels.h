#pragma once
// The labels of the program's fixed-layout windows: plain text (a "&" shows
// as itself, no markup is read) at a fixed place, named for the tests and
// screen readers.

#include <QAnyStringView>
#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class LinkLabel;
class QLabel;
class QWidget;

namespace kivo {

QLabel* makeLabel(QWidget* parent, QAnyStringView name, const QString& text, const QRect& place,
                  const QFont& font, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

// A web link: the label above with the font underlined and the text in the
// given colour.
LinkLabel* makeLink(QWidget* parent, QAnyStringView name, const QString& text, const QRect& place, QFont font,
                    const QColor& colour, Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);

}  // namespace kivo
