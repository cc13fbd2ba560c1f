// Every text the user can see in the program's three windows stands out from
// what lies behind it by at least 4.5 : 1 (WCAG AA), on each page and tab of
// the main window. The text colour is the palette colour the widget draws its
// text in; the background is what the window really shows there, read back
// from a picture of the window, so painted cards and frames count as well.

#include "app/frmAbout.h"
#include "tests/support/WindowDriver.h"
#include "ui/kit/ClassicFrame.h"
#include "ui/promo/frmExitPromo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTextEdit>
#include <QToolTip>

#include <algorithm>
#include <cmath>

using kivo::testing::child;
using kivo::testing::ShownWindow;

namespace {

double luminance(const QColor& colour) {
    const auto linear = [](int channel) {
        const double v = channel / 255.0;
        return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

double contrast(const QColor& a, const QColor& b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The palette colour a widget draws its own text in; invalid for widgets
// that show no text of their own.
QColor textColour(const QWidget* w) {
    const QPalette::ColorGroup group = w->isEnabled() ? QPalette::Active : QPalette::Disabled;
    const QPalette& p = w->palette();
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        return label->text().isEmpty() ? QColor() : p.color(group, label->foregroundRole());
    }
    if (qobject_cast<const QPushButton*>(w) != nullptr || qobject_cast<const QComboBox*>(w) != nullptr ||
        qobject_cast<const QMenuBar*>(w) != nullptr) {
        return p.color(group, QPalette::ButtonText);
    }
    if (qobject_cast<const QCheckBox*>(w) != nullptr || qobject_cast<const QTabBar*>(w) != nullptr ||
        qobject_cast<const QGroupBox*>(w) != nullptr ||
        qobject_cast<const kivo::ClassicFrame*>(w) != nullptr) {
        return p.color(group, QPalette::WindowText);
    }
    if (qobject_cast<const QLineEdit*>(w) != nullptr || qobject_cast<const QTextEdit*>(w) != nullptr) {
        return p.color(group, QPalette::Text);
    }
    return {};
}

// The colour the window shows most over the part of the widget that is
// seen, inside any frame or outline along its edges.
QColor backgroundSeen(const QImage& window, const QWidget* top, const QWidget* w) {
    const QRect seen =
        w->visibleRegion().boundingRect().adjusted(3, 3, -3, -3).translated(w->mapTo(top, QPoint(0, 0)));
    QHash<QRgb, int> count;
    for (int y = seen.top(); y <= seen.bottom(); ++y) {
        for (int x = seen.left(); x <= seen.right(); ++x) {
            ++count[window.pixel(x, y)];
        }
    }
    QRgb most = 0;
    int best = -1;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        if (it.value() > best) {
            best = it.value();
            most = it.key();
        }
    }
    return QColor::fromRgb(most);
}

// A picture's text against its background, three pixels inside its edges:
// the pixel that stands out most from the colour seen most.
double drawnContrast(const QImage& picture) {
    QHash<QRgb, int> count;
    for (int y = 3; y < picture.height() - 3; ++y) {
        for (int x = 3; x < picture.width() - 3; ++x) {
            ++count[picture.pixel(x, y)];
        }
    }
    const QColor background = QColor::fromRgb(std::max_element(count.cbegin(), count.cend()).key());
    double most = 1.0;
    for (auto it = count.cbegin(); it != count.cend(); ++it) {
        most = std::max(most, contrast(QColor::fromRgb(it.key()), background));
    }
    return most;
}

// Adds every text of the shown window that falls short to `faults`, and
// the names of the widgets whose text was judged to `judged`.
void judgeWindow(QWidget* top, const QString& state, QStringList& faults, QSet<QString>& judged) {
    const QImage picture = top->grab().toImage();
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (const QWidget* w : widgets) {
        const QColor text = textColour(w);
        if (!text.isValid() || !w->isVisible() || w->visibleRegion().isEmpty()) {
            continue;
        }
        const QColor background = backgroundSeen(picture, top, w);
        judged.insert(w->objectName());
        const double ratio = contrast(text, background);
        if (ratio < 4.5) {
            faults.append(QStringLiteral("%1, %2: %3 on %4 is %5 : 1")
                              .arg(state, w->objectName(), text.name(), background.name())
                              .arg(ratio, 0, 'f', 2));
        }
    }
}

}  // namespace

class ContrastTest : public QObject {
    Q_OBJECT

private slots:
    void everySeenTextReachesFourAndAHalfToOne() {
        QStringList faults;
        QSet<QString> judged;

        ShownWindow shown;
        QVERIFY(shown.show());
        frmMain& w = *shown.window;
        judgeWindow(&w, QStringLiteral("entry page"), faults, judged);
        shown.setPerson(0, QStringLiteral("Ann"), 1, 1, 1900);
        shown.setPerson(1, QStringLiteral("Catherine"), 9, 9, 1998);
        shown.proceed();
        child(w, "lblCobrand")->raise();  // the other promotional label, over the result pages
        auto* tabs = child<QTabBar>(w, "TS");
        for (int tab = 0; tab < tabs->count(); ++tab) {
            tabs->setCurrentIndex(tab);
            judgeWindow(&w, QStringLiteral("result tab %1").arg(tab), faults, judged);
        }

        QVERIFY(kivo::testing::whileModal(&frmAbout::showModal, [&](QWidget& about) {
            judgeWindow(&about, QStringLiteral("About"), faults, judged);
            about.close();
        }));

        frmExitPromo promotion;
        promotion.show();
        QVERIFY(QTest::qWaitForWindowExposed(&promotion));
        judgeWindow(&promotion, QStringLiteral("exit promotion"), faults, judged);

        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        // Each kind of text was reached: a covered widget is skipped, not
        // judged against the page in front of it.
        for (const char* name : {"menuBar",     "Label14",     "lblCobrand",     "lblFullBrand", "Frame1_0",
                                 "lblLabel_3",  "txtName_1",   "cboYear_0",      "cmdProceed",   "lblLabel_8",
                                 "TS",          "lblResult_0", "lblResult_3",    "RTB",          "cmdBack",
                                 "lblHomePage", "Label3",      "cmdOK",          "Check1",       "Frame2",
                                 "Frame6",      "lblGoToHome", "txtFriendEmail", "cmdSubmit"}) {
            QVERIFY2(judged.contains(QString::fromLatin1(name)), name);
        }
        QVERIFY(!judged.contains(QStringLiteral("txtMessage")));
    }

    // The steps tip of a result heading, measured from its picture: in the
    // system's tooltip colours where they read well, in the program's own
    // where they do not (Wine's theme writes grey on white).
    void stepsTipReadsWhateverTheSystemsTooltipColours_data() {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<bool>("systemColoursKept");
        QTest::newRow("black on pale yellow") << QColor(255, 255, 220) << QColor(Qt::black) << true;
        QTest::newRow("white on dark blue") << QColor(0, 0, 96) << QColor(Qt::white) << true;
        QTest::newRow("grey on white") << QColor(Qt::white) << QColor(166, 166, 166) << false;
    }

    void stepsTipReadsWhateverTheSystemsTooltipColours() {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(bool, systemColoursKept);
        const QPalette before = QToolTip::palette();
        QPalette tips = before;
        tips.setColor(QPalette::ToolTipBase, base);
        tips.setColor(QPalette::ToolTipText, text);
        QToolTip::setPalette(tips);
        ShownWindow shown;
        QVERIFY(shown.show());
        shown.setPerson(0, QStringLiteral("Ann"), 1, 1, 1900);
        shown.setPerson(1, QStringLiteral("Catherine"), 9, 9, 1998);
        shown.proceed();
        QWidget* heading = child(*shown.window, "lblResult", 0);
        QHelpEvent hover(QEvent::ToolTip, QPoint(4, 4), heading->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(heading, &hover);
        QToolTip::setPalette(before);

        auto* tip = shown.window->findChild<QLabel*>(QStringLiteral("stepsTip"));
        QVERIFY(tip != nullptr && tip->isVisible());
        const QImage picture = tip->grab().toImage();
        QVERIFY2(drawnContrast(picture) >= 4.5, qPrintable(QString::number(drawnContrast(picture))));
        const QColor background = picture.pixelColor(picture.width() / 2, 2);
        QCOMPARE(background == base, systemColoursKept);
    }
};

QTEST_MAIN(ContrastTest)
#include "ContrastTest.moc"
