// The main window's controls at their fixed places. Places are pixels in the
// client area below the menu bar, drawn for 96 dots per inch.

#include "ui/main/frmMain.h"

#include "app/frmAbout.h"
#include "app/modHelp.h"
#include "ui/kit/ClassicLook.h"
#include "ui/kit/Labels.h"
#include "ui/kit/LinkLabel.h"
#include "ui/kit/PersonCard.h"
#include "ui/main/DateList.h"
#include "ui/main/EntryValidation.h"
#include "ui/main/ReadingReport.h"
#include "ui/main/StepsTip.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>

namespace {

constexpr QSize kClientSize{640, 452};
constexpr QRect kLabel14Place{8, 5, 624, 18};
constexpr QRect kPagePlace{8, 28, 624, 362};
constexpr QRect kBrandFramePlace{0, 396, 640, 56};

// The two pages are light grey on the window's card grey.
const QColor kPageGrey{214, 214, 218};

using kivo::DateList;
using kivo::kCardGrey;
using kivo::LinkLabel;
using kivo::makeLabel;
using kivo::NameKeyFilter;
using kivo::PersonCard;
using kivo::ReportBox;
using kivo::setTextColour;
using kivo::standardFont;
using kivo::StepsTip;
using modLoveCompatibility::kPersonCount;

void paintColours(QWidget* widget, const QColor& background, const QColor& text) {
    kivo::setBackground(widget, background);
    setTextColour(widget, text);
}

QFrame* makeFrame(QWidget* parent, const char* name, const QRect& place, const QColor& background) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(place);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    paintColours(frame, background, Qt::black);
    return frame;
}

constexpr int kPictureSide = 196;

QString indexed(const char* name, std::size_t index) {
    return QStringLiteral("%1_%2").arg(QLatin1String(name)).arg(index);
}

LinkLabel* makeLink(QWidget* parent, const char* name, const QString& text, const QRect& place) {
    return kivo::makeLink(parent, name, text, place, standardFont(true), Qt::white);
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(kivo::programCaption());
    setFont(standardFont());

    createMenus();

    // The client area carries the window's grey; the menu bar keeps the
    // system's colours.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(kClientSize);
    paintColours(client, kCardGrey, Qt::white);
    setCentralWidget(client);

    Label14_ = makeLink(client, "Label14",
                        tr("Join our online love forum!") + QStringLiteral(" ") +
                            tr("Click Here To Visit %1 Now.").arg(modHelp::makerSiteDisplayName()),
                        kLabel14Place);
    Label14_->setAlignment(Qt::AlignCenter);

    // The result page's controls are built on the first proceed: nobody
    // sees them before, and they cost more than the rest of the window.
    fraResult_ = makeFrame(client, "fraResult", kPagePlace, kPageGrey);
    fraMain_ = makeFrame(client, "fraMain", kPagePlace, kPageGrey);
    createEntryPage(fraMain_);
    createBrandFrame(client);

    connectHandlers();
    kivo::pressButtonsLikeWindows(this);
    setKeyboardOrder();
    setFixedSize(kClientSize.width(), kClientSize.height() + menuBar()->sizeHint().height());

    Form_Load();
}

void frmMain::createMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu* mnuFile = bar->addMenu(tr("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuCalculate_ = mnuFile->addAction(tr("&Calculate"));
    mnuCalculate_->setObjectName(QStringLiteral("mnuCalculate"));
    mnuCalculate_->setVisible(false);
    QAction* mnuSep1 = mnuFile->addSeparator();
    mnuSep1->setObjectName(QStringLiteral("mnuSep1"));
    mnuSep1->setVisible(false);
    mnuExit_ = mnuFile->addAction(tr("E&xit"));
    mnuExit_->setObjectName(QStringLiteral("mnuExit"));

    QMenu* mnuHelp = bar->addMenu(tr("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuOnline_ = mnuHelp->addAction(tr("&Online Help"));
    mnuOnline_->setObjectName(QStringLiteral("mnuOnline"));
    mnuVisit_ = mnuHelp->addAction(tr("&Visit Us Online"));
    mnuVisit_->setObjectName(QStringLiteral("mnuVisit"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep2"));
    mnuUpdate_ = mnuHelp->addAction(tr("Check for Software &Update"));
    mnuUpdate_->setObjectName(QStringLiteral("mnuUpdate"));
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuSep3"));
    mnuAbout_ = mnuHelp->addAction(tr("&About Software"));
    mnuAbout_->setObjectName(QStringLiteral("mnuAbout"));

    // Entries of the bar itself: they act at once, without a drop-down.
    mnuDonate_ = bar->addAction(tr("&Donate"));
    mnuDonate_->setObjectName(QStringLiteral("mnuDonate"));
    mnuMakeMoney_ = bar->addAction(tr("Make Money &Online"));
    mnuMakeMoney_->setObjectName(QStringLiteral("mnuMakeMoney"));
    mnuMakeMoney_->setVisible(false);
}

void frmMain::createEntryPage(QWidget* page) {
    auto* picture = new QLabel(page);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setGeometry(58, 14, kPictureSide, kPictureSide);
    // Drawn at the box's size, and at twice that for scaled screens: the icon
    // takes the "@2x" copy beside the file where the screen needs it.
    picture->setPixmap(QIcon(QStringLiteral(":/images/picture1.png"))
                           .pixmap(QSize(kPictureSide, kPictureSide), picture->devicePixelRatioF()));
    picture->setAccessibleName(tr("Two interlocking hearts"));

    QLabel* intro = makeLabel(page, indexed("lblLabel", 8),
                              tr("Know more about the love of your life with Kivo Love Numerology. Know more "
                                 "about the level of your compatibility based on numerological calculations. "
                                 "Be the first to analyze your relationship and make it work!"),
                              {14, 226, 284, 124}, standardFont(true), Qt::AlignHCenter | Qt::AlignTop);
    intro->setWordWrap(true);

    for (std::size_t i = 0; i < kPersonCount; ++i) {
        createPersonFrame(page, i);
    }

    cmdProceed_ = new QPushButton(tr("&Get Our Love Numerology Reading"), page);
    cmdProceed_->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed_->setGeometry(312, 306, 298, 40);
    cmdProceed_->setFont(standardFont(true));
}

void frmMain::createPersonFrame(QWidget* page, std::size_t i) {
    static constexpr std::array<const char*, kPersonCount> kTitles{
        QT_TR_NOOP("Your Personal Details"), QT_TR_NOOP("Your Partner's Personal Details")};
    // The captions of each frame, in the order Name, Date, Month, Year.
    static constexpr std::array<std::array<std::size_t, 4>, kPersonCount> kCaptionIndex{
        {{3, 0, 1, 2}, {4, 5, 6, 7}}};
    static constexpr std::array<std::array<const char*, 4>, kPersonCount> kAccessible{{
        {QT_TR_NOOP("Your name"), QT_TR_NOOP("Your birth day"), QT_TR_NOOP("Your birth month"),
         QT_TR_NOOP("Your birth year")},
        {QT_TR_NOOP("Partner's name"), QT_TR_NOOP("Partner's birth day"), QT_TR_NOOP("Partner's birth month"),
         QT_TR_NOOP("Partner's birth year")},
    }};

    auto* frame = new PersonCard(tr(kTitles[i]), page);
    frame->setObjectName(indexed("Frame1", i));
    frame->setGeometry(312, 12 + static_cast<int>(i) * 144, 298, 134);
    // The card paints its own grey. The boxes inside shade their frames from
    // the window colour, which stays the application's, not the page's.
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, QGuiApplication::palette().color(QPalette::Window));
    palette.setColor(QPalette::WindowText, Qt::white);
    frame->setPalette(palette);
    // The card and everything in it keep the window's standard font: a combo
    // box given a font of its own builds its whole drop-down anew.

    const std::array<QString, 4> captions{tr("Name"), tr("Date"), tr("Month"), tr("Year")};
    const std::array<QRect, 4> captionPlaces{QRect{12, 26, 120, 16}, QRect{12, 78, 60, 16},
                                             QRect{80, 78, 112, 16}, QRect{200, 78, 86, 16}};
    for (std::size_t k = 0; k < 4; ++k) {
        makeLabel(frame, indexed("lblLabel", kCaptionIndex[i][k]), captions[k], captionPlaces[k],
                  standardFont());
    }

    txtName_[i] = new QLineEdit(frame);
    txtName_[i]->setObjectName(indexed("txtName", i));
    txtName_[i]->setGeometry(12, 44, 274, 24);

    const auto makeList = [&](const char* name, int firstValue, const QRect& place) {
        auto* list = new DateList(firstValue, frame);
        list->setObjectName(indexed(name, i));
        list->setGeometry(place);
        // Pick-only: the user chooses an entry, never types one.
        list->setEditable(false);
        list->setMaxVisibleItems(15);
        return list;
    };
    cboDate_[i] = makeList("cboDate", 1, {12, 96, 60, 24});
    cboMonth_[i] = makeList("cboMonth", 1, {80, 96, 112, 24});
    cboYear_[i] = makeList("cboYear", kFirstYear, {200, 96, 86, 24});

    txtName_[i]->setAccessibleName(tr(kAccessible[i][0]));
    cboDate_[i]->setAccessibleName(tr(kAccessible[i][1]));
    cboMonth_[i]->setAccessibleName(tr(kAccessible[i][2]));
    cboYear_[i]->setAccessibleName(tr(kAccessible[i][3]));
}

void frmMain::createResultPage() {
    QWidget* page = fraResult_;
    TS_ = new QTabBar(page);
    TS_->setObjectName(QStringLiteral("TS"));
    TS_->setFont(standardFont());
    TS_->setDrawBase(false);
    TS_->setExpanding(true);
    TS_->addTab(tr("LifePath Compatibility Number"));
    TS_->addTab(tr("Destiny Compatibility Number"));
    TS_->addTab(tr("Love Compatibility"));
    TS_->setAccessibleName(tr("Result tabs"));
    const int tabHeight = TS_->sizeHint().height();
    TS_->setGeometry(10, 10, 600, tabHeight);

    const QRect framePlace{10, 10 + tabHeight, 600, 290 - tabHeight};
    const QRect headingPlace{14, 14, framePlace.width() - 28, 28};
    const QRect readingPlace{14, 54, framePlace.width() - 28, framePlace.height() - 68};

    const auto makeResultFrame = [&](const char* name) {
        QFrame* frame = makeFrame(page, name, framePlace, kCardGrey);
        frame->setFrameShadow(QFrame::Plain);
        return frame;
    };
    auto* stepsTip = new StepsTip(this);
    const auto makeHeading = [&](QWidget* frame, std::size_t k) {
        QLabel* label = makeLabel(frame, indexed("lblResult", k), tr("Compatibility Number"), headingPlace,
                                  kivo::makeFont(14.25, true));
        setTextColour(label, kivo::kYellow);
        stepsTip->watch(label);
        lblResult_[k] = label;
    };
    const auto makeReading = [&](QWidget* frame, std::size_t k) {
        QLabel* label = makeLabel(frame, indexed("lblResult", k), tr("Reading"), readingPlace, standardFont(),
                                  Qt::AlignLeft | Qt::AlignTop);
        label->setWordWrap(true);
        setTextColour(label, kivo::kLightYellow);
        lblResult_[k] = label;
    };

    fraLifePath_ = makeResultFrame("fraLifePath");
    makeHeading(fraLifePath_, 0);
    makeReading(fraLifePath_, 1);
    fraDestiny_ = makeResultFrame("fraDestiny");
    makeHeading(fraDestiny_, 2);
    makeReading(fraDestiny_, 3);
    fraLoveCompatibility_ = makeResultFrame("fraLoveCompatibility");

    RTB_ = new ReportBox(fraLoveCompatibility_);
    RTB_->setObjectName(QStringLiteral("RTB"));
    RTB_->setGeometry(6, 6, framePlace.width() - 12, framePlace.height() - 12);
    RTB_->setFont(standardFont());
    RTB_->setAccessibleName(tr("Love compatibility report"));
    // The first tab's frame in front, so the strip and the frames agree from the start.
    bringForward(fraLifePath_);

    cmdBack_ = new QPushButton(tr("&Do It Once Again"), page);
    cmdBack_->setObjectName(QStringLiteral("cmdBack"));
    cmdBack_->setGeometry(440, 310, 170, 36);
    cmdBack_->setFont(standardFont(true));

    connect(cmdBack_, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(TS_, &QTabBar::currentChanged, this, &frmMain::TS_Click);
    kivo::pressButtonsLikeWindows(page);
    QWidget::setTabOrder(cmdProceed_, TS_);
    QWidget::setTabOrder(TS_, RTB_);
    QWidget::setTabOrder(RTB_, cmdBack_);
    // The page is on screen already, and a control added to a shown widget
    // stays hidden until shown itself.
    for (QWidget* control : page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        control->show();
    }
}

void frmMain::createBrandFrame(QWidget* client) {
    auto* fraFullBrand = new QFrame(client);
    fraFullBrand->setObjectName(QStringLiteral("fraFullBrand"));
    fraFullBrand->setGeometry(kBrandFramePlace);
    paintColours(fraFullBrand, kivo::kBrandGrey, Qt::white);

    // Both labels fill the frame, so the whole frame is the click area of the
    // one in front; the margins keep the text off the frame's edges.
    const QRect place{QPoint(0, 0), kBrandFramePlace.size()};
    // A single "&" stands for itself in a label.
    lblCobrand_ = makeLink(fraFullBrand, "lblCobrand",
                           tr("Co-brand this software for your site.  Increase loyalty and traffic to your "
                              "site. Put your site's name &  link here. See \"Help\" for details. Click Here "
                              "for more info on co-branding."),
                           place);
    lblFullBrand_ = makeLink(fraFullBrand, "lblFullBrand",
                             tr("Home Business Opportunity. Start your own Internet business and make money "
                                "online. Get this software fully branded for your website. Click here for "
                                "more details."),
                             place);
    for (LinkLabel* link : {lblCobrand_, lblFullBrand_}) {
        link->setWordWrap(true);
        link->setAlignment(Qt::AlignCenter);
        link->setContentsMargins(10, 4, 10, 4);
        // Opaque, so the label in front covers the other one completely.
        paintColours(link, kivo::kBrandGrey, Qt::white);
    }
}

void frmMain::connectHandlers() {
    connect(cmdProceed_, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
    connect(mnuCalculate_, &QAction::triggered, this, &frmMain::mnuCalculate_Click);
    connect(mnuExit_, &QAction::triggered, this, &frmMain::mnuExit_Click);

    connect(mnuOnline_, &QAction::triggered, this, [] { modHelp::OpenOnlineHelp(); });
    connect(mnuVisit_, &QAction::triggered, this, [] { modHelp::OpenHomePage(); });
    connect(mnuUpdate_, &QAction::triggered, this, [] { modHelp::OpenDownloadPage(); });
    connect(mnuAbout_, &QAction::triggered, this, [] { frmAbout::showModal(); });
    connect(mnuDonate_, &QAction::triggered, this, [] { modHelp::OpenDonatePage(); });
    connect(mnuMakeMoney_, &QAction::triggered, this, [] { modHelp::OpenFullBrandPage(); });
    connect(Label14_, &LinkLabel::clicked, this, [] { modHelp::OpenHomePage(); });
    connect(lblCobrand_, &LinkLabel::clicked, this, [] { modHelp::OpenCoBrandPage(); });
    connect(lblFullBrand_, &LinkLabel::clicked, this, [] { modHelp::OpenFullBrandPage(); });

    auto* nameKeyFilter = new NameKeyFilter(
        [this](std::size_t index, int& keyAscii) { txtName_KeyPress(index, keyAscii); }, this);
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        nameKeyFilter->watch(txtName_[i], i);
    }
}

void frmMain::setKeyboardOrder() {
    const std::array<QWidget*, 9> order{txtName_[0], cboDate_[0],  cboMonth_[0], cboYear_[0], txtName_[1],
                                        cboDate_[1], cboMonth_[1], cboYear_[1],  cmdProceed_};
    for (std::size_t k = 1; k < order.size(); ++k) {
        QWidget::setTabOrder(order[k - 1], order[k]);
    }
    txtName_[0]->setFocus();
}
