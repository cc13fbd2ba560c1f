#include "ui/kit/ClassicLook.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcutEvent>
#include <QStringList>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kivo {

namespace {

// The families a layout was drawn for, in order of preference, keeping only
// those installed. Fontconfig answers a missing family with a search through
// every font for a fallback, several times at start-up; the installed ones
// are what Qt would settle on anyway. With none of them installed the list
// stays whole, so the usual fallback still happens.
QStringList installedFamilies(const QStringList& all, std::initializer_list<QString> wanted) {
    QStringList installed;
    for (const QString& family : wanted) {
        if (all.contains(family, Qt::CaseInsensitive)) {
            installed.append(family);
        }
    }
    return installed.isEmpty() ? QStringList(wanted) : installed;
}

class WindowsButtonKeys : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Shortcut && event->type() != QEvent::KeyPress) {
            return false;
        }
        // Not a cast that trusts the watched object: a button being destroyed
        // is no longer a button when its last events arrive.
        auto* button = qobject_cast<QPushButton*>(watched);
        if (button == nullptr) {
            return false;
        }
        if (event->type() == QEvent::Shortcut) {
            const auto* shortcut = static_cast<QShortcutEvent*>(event);
            if (shortcut->isAmbiguous() || !button->isEnabled()) {
                return false;  // the button's own handling: the focus, no press
            }
            // Pressed at once, not by Qt's animated click 100 ms later: a
            // second access key typed within that time would still meet the
            // page the first one is about to leave. One press per key press,
            // as with Enter below.
            button->setShortcutAutoRepeat(shortcut->shortcutId(), false);
            if (button->focusPolicy() != Qt::NoFocus) {
                button->setFocus(Qt::ShortcutFocusReason);
            }
            button->click();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
            if (enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
                // One press, one click, however long the key is held.
                if (!key->isAutoRepeat()) {
                    button->click();
                }
                return true;
            }
        }
        return false;
    }
};

}  // namespace

QFont makeFont(double points, bool bold, Family family) {
    // Looked up once: the set of installed fonts does not change while we run.
    static const QStringList kAll = QFontDatabase::families();
    static const QStringList kVerdana =
        installedFamilies(kAll, {QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")});
    static const QStringList kMsSansSerif =
        installedFamilies(kAll, {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                                 QStringLiteral("DejaVu Sans")});

    QFont font;
    font.setFamilies(family == Family::Verdana ? kVerdana : kMsSansSerif);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    return font;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

double contrastRatio(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QString programCaption() { return QCoreApplication::translate("ClassicLook", "Kivo Love Numerology v1.0"); }

QIcon programIcon() {
    // Window frames, task bars and window lists ask for 64 pixels at most.
    // The 128 and 256 pixel renderings (three quarters of all the pixels)
    // are for the desktop's launchers and the installer.
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {
        icon.addFile(QStringLiteral(":/icons/kivo-%1.png").arg(size), QSize(size, size));
    }
    return icon;
}

QPixmap programIconPixmap(const QWidget* box) {
    return programIcon().pixmap(QSize(32, 32), box->devicePixelRatioF());
}

QPoint placeOnScreen(const QSize& size, const QRect& area) {
    const QPoint centred = area.center() - QPoint(size.width() / 2, size.height() / 2);
    // The far edges first, then the near ones, which win where the window
    // is the larger: its title bar and top-left corner stay reachable.
    return {std::max(area.left(), std::min(centred.x(), area.x() + area.width() - size.width())),
            std::max(area.top(), std::min(centred.y(), area.y() + area.height() - size.height()))};
}

void centreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window->move(placeOnScreen(window->size(), screen->availableGeometry()));
    }
}

void pressButtonsLikeWindows(QWidget* window) {
    auto* keys = new WindowsButtonKeys(window);
    for (QPushButton* button : window->findChildren<QPushButton*>()) {
        button->installEventFilter(keys);
    }
}

}  // namespace kivo
