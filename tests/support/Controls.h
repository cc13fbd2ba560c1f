#pragma once
// Tests and benchmarks reach a window's controls one way: by object name.

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <cstddef>
#include <functional>

namespace kivo::testing {

// The control of that name inside the window; a missing one ends the run,
// since every check after it would be about nothing.
template <typename T = QWidget>
T* child(const QObject& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    if (child == nullptr) {
        qFatal("%s has no %s %s", qPrintable(window.objectName()), T::staticMetaObject.className(),
               qPrintable(name));
    }
    return child;
}

template <typename T = QWidget>
T* child(const QObject& window, const char* name) {
    return child<T>(window, QString::fromLatin1(name));
}

// A control that exists once per person, or per result: "txtName", 1 is the
// control named "txtName_1".
template <typename T = QWidget>
T* child(const QObject& window, const char* name, std::size_t index) {
    return child<T>(window, QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index));
}

// The name of the control a click on the middle of `place` reaches: of
// controls stacked on one another, the one in front.
inline QString frontAt(const QWidget& place) {
    const QWidget* hit = place.parentWidget()->childAt(place.geometry().center());
    return hit != nullptr ? hit->objectName() : QString();
}

// The shown top-level window of that class, if there is one.
template <typename T>
T* shownWindowOf() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<T*>(w); found != nullptr && found->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

// The object name of the control with the keyboard focus.
inline QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus->objectName() : QStringLiteral("<none>");
}

// Runs open(), which shows a modal window and returns once that is closed,
// and inside() on the window while it is shown. True when inside() ran and
// the window was then closed by it; a window left open is closed by force
// after a while, so that a fault fails the test instead of hanging it.
inline bool whileModal(const std::function<void()>& open, const std::function<void(QWidget&)>& inside) {
    bool ranInside = false;
    QTimer::singleShot(0, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            ranInside = true;
            inside(*modal);
        }
    });
    bool rescued = false;
    QTimer rescue;
    QObject::connect(&rescue, &QTimer::timeout, &rescue, [&] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            rescued = true;
            modal->close();
        }
    });
    rescue.start(5000);
    open();
    return ranInside && !rescued;
}

}  // namespace kivo::testing
