#pragma once

#include <QLabel>

// A label that acts as a web link: it shows the program's hand pointer while
// pointed at and reports a left click. It is not a push button on purpose: it
// keeps the look of the text it carries.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

    // The program's own hand-shaped pointer, shared by every link.
    static QCursor linkCursor();

signals:
    void clicked();

protected:
    bool event(QEvent* event) override;
    // A double-click is one click: the release that ends it opens nothing.
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool endsDoubleClick_ = false;
};
