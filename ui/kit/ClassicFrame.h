#pragma once

#include <QColor>
#include <QWidget>

namespace kivo {

// The classic framed box: a filled panel with an etched border whose top edge
// is broken by the caption at the top left. Children are placed relative to
// the panel's top-left corner and clipped to it. The caption takes the
// frame's WindowText colour, like any text on it.
class ClassicFrame : public QWidget {
    Q_OBJECT
public:
    ClassicFrame(const QString& caption, const QColor& background, const QColor& captionColour,
                 QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor background_;
};

}  // namespace kivo
