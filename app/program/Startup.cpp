#include "app/program/Startup.h"

#include "app/EndApplication.h"
#include "app/platform/Platform.h"
#include "app/program/Shutdown.h"
#include "ui/kit/ClassicLook.h"
#include "ui/main/frmMain.h"

#include <QApplication>
#include <QEvent>
#include <QIconEngine>
#include <QPointer>
#include <QProxyStyle>
#include <QTimer>

#include <cmath>

namespace {

// What the first frame does not need follows right after it: the program
// icon (reading every size of it and handing them to the window system takes
// longer than building half the main window) and the date lists' entries
// beyond the first of each (nearly a million instructions for entries
// nobody can pick before the window is up). A window that is not painted within a
// second (started minimised, say) gets them then.
class AfterFirstFrame : public QObject {
public:
    explicit AfterFirstFrame(frmMain& window) : QObject(&window), window_(window) {
        window.installEventFilter(this);
        QTimer::singleShot(1000, this, &AfterFirstFrame::finish);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            // Queued, so the frame being painted is finished and on screen first.
            QTimer::singleShot(0, this, &AfterFirstFrame::finish);
        }
        return false;
    }

private:
    void finish() {
        window_.completeDateLists();
        if (QApplication::windowIcon().isNull()) {
            QApplication::setWindowIcon(kivo::programIcon());
        }
        deleteLater();
    }

    frmMain& window_;
};

// A standard icon of a style, asked for from the style when first needed.
class StandardIconOnDemand : public QIconEngine {
public:
    StandardIconOnDemand(const QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("StandardIconOnDemand"); }
    QIconEngine* clone() const override { return new StandardIconOnDemand(*this); }

private:
    const QIcon& icon() {
        if (!read_) {
            read_ = true;
            if (!style_.isNull()) {
                icon_ = style_->standardIcon(which_);
            }
        }
        return icon_;
    }

    QPointer<const QStyle> style_;
    QStyle::StandardPixmap which_;
    bool read_ = false;
    QIcon icon_;
};

class IconsOnDemandStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        // Asked for without an option, the icon depends only on the style
        // and the layout direction, which the program never changes.
        if (option == nullptr &&
            (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)) {
            return QIcon(new StandardIconOnDemand(baseStyle(), which));
        }
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

}  // namespace

void useStyleWithIconsOnDemand() {
    // The proxy takes the style it wraps into its own keeping.
    QApplication::setStyle(new IconsOnDemandStyle(QApplication::style()));
}

int runProgram(QApplication& app, void (*mainWindowMade)()) {
    // Closing the main window opens the promotion window; only
    // EndApplication may end the program.
    QApplication::setQuitOnLastWindowClosed(false);

    kivo::platform::Platform& platform = kivo::platform::current();
    if (!platform.acquireSingleInstanceLock()) {
        QApplication::setWindowIcon(kivo::programIcon());
        kivo::platform::showMessage(nullptr,
                                    QApplication::translate("Startup", "Application is already running"),
                                    kivo::platform::MessageIcon::Information);
        EndApplication();
        return 0;
    }
    platform.seedRandomFromClock();
    useStyleWithIconsOnDemand();

    // Closing the main window discards its entries and results with it; the
    // guard tells the clean-up below whether it is still there.
    QPointer<frmMain> window = new frmMain(nullptr, frmMain::DateLists::FirstEntryOnly);
    if (mainWindowMade != nullptr) {
        mainWindowMade();
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    connectShutdown(*window);
    new AfterFirstFrame(*window);
    window->show();
    chooseBrandLabel(*window, drawBrandRoll());

    const int status = app.exec();
    delete window.data();
    return status;
}

int drawBrandRoll() {
    // In double so that the largest float below 1 still gives 6, not 7.
    const double r = static_cast<double>(kivo::platform::current().nextRandom());
    return static_cast<int>(std::floor(r * 6.0)) + 1;
}

void chooseBrandLabel(frmMain& window, int r) {
    using Label = frmMain::BrandLabel;
    window.bringBrandLabelForward(r % 2 == 0 ? Label::FullBrand : Label::CoBrand);
}
