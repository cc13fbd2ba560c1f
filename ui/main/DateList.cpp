#include "ui/main/DateList.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QStylePainter>

#include <cmath>

namespace {

class DateListAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit DateListAccessible(DateList* list) : QAccessibleWidget(list, QAccessible::ComboBox) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override {
        switch (t) {
        case QAccessible::Name: {
            const QString name = list()->accessibleName();
            return name.isEmpty() ? list()->currentText() : name;
        }
        case QAccessible::Description:
        case QAccessible::Value:
            return list()->currentText();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    // The drop-down list is the only child, as with any combo box.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child->object() == list()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }

    QStringList actionNames() const override {
        return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override {
        if (!list()->isEnabled()) {
            return;  // a list on a page that lies behind
        }
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view()->isVisible()) {
                list()->hidePopup();
            } else {
                list()->showPopup();
            }
            return;
        }
        QAccessibleWidget::doAction(action);
    }

    QVariant currentValue() const override {
        return list()->currentIndex() < 0 ? QVariant() : QVariant(list()->value());
    }
    // Only the number of an entry is taken, and only by a list that takes
    // input; anything else leaves the list as it is.
    void setCurrentValue(const QVariant& value) override {
        bool ok = false;
        const double number = value.toDouble(&ok);
        const double index = number - list()->firstValue();
        if (ok && list()->isEnabled() && index == std::floor(index) && index >= 0 &&
            index < list()->count()) {
            list()->setCurrentIndex(static_cast<int>(index));
        }
    }
    QVariant maximumValue() const override { return list()->firstValue() + list()->count() - 1; }
    QVariant minimumValue() const override { return list()->firstValue(); }
    QVariant minimumStepSize() const override { return 1; }

private:
    DateList* list() const { return static_cast<DateList*>(object()); }
};

// The application's style, except that a combo box drops down as a list.
class DropDownListStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        return hint == SH_ComboBox_Popup ? 0 : QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// The name of the style that draws, behind any proxies.
QString drawingStyleName(const QStyle* style) {
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) {
        style = proxy->baseStyle();
    }
    return style->name();
}

// One for all lists, made anew only when the application's style changes.
QStyle* sharedDropDownListStyle() {
    static QPointer<DropDownListStyle> shared;
    const QString base = drawingStyleName(QApplication::style());
    if (shared.isNull() || shared->baseStyle()->name() != base) {
        shared = new DropDownListStyle(QStyleFactory::create(base));
        shared->setParent(qApp);
    }
    return shared;
}

QAccessibleInterface* makeDateListAccessible(const QString& className, QObject* object) {
    if (className == QLatin1String(DateList::staticMetaObject.className())) {
        return new DateListAccessible(static_cast<DateList*>(object));
    }
    return nullptr;
}

}  // namespace

DateList::DateList(int firstValue, QWidget* parent) : QComboBox(parent), firstValue_(firstValue) {
    // Installing again does nothing; a later application gets it anew.
    QAccessible::installFactory(&makeDateListAccessible);
    connect(this, &QComboBox::currentIndexChanged, this, [this] {
        if (QAccessible::isActive()) {
            QAccessibleEvent event(this, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&event);
        }
    });
}

void DateList::paintEvent(QPaintEvent* /*event*/) {
    // As a combo box paints itself, except that lists of equal colours hand
    // the style one and the same palette: styles that keep the drawn box for
    // reuse know it by its size, state and palette, and every widget's
    // palette is a copy of its own.
    static QPalette shared;
    QStyleOptionComboBox option;
    initStyleOption(&option);
    if (option.palette == shared) {
        option.palette = shared;
    } else {
        shared = option.palette;
    }
    QStylePainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

void DateList::showPopup() {
    // Set at the first drop-down, not at start-up: a change of style makes
    // a combo box rebuild its drop-down, and six lists would pay for it
    // before the window is first shown.
    QStyle* dropDown = sharedDropDownListStyle();
    if (style() != dropDown) {
        setStyle(dropDown);
        // A drop-down built before, for the menu, was given no scroll bar.
        view()->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
    QComboBox::showPopup();
}
