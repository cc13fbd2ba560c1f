#include "ui/promo/frmExitPromo.h"

#include "app/EndApplication.h"
#include "app/modHelp.h"
#include "app/platform/Platform.h"
#include "ui/kit/ClassicFrame.h"
#include "ui/kit/ClassicLook.h"
#include "ui/kit/Labels.h"
#include "ui/kit/LinkLabel.h"
#include "ui/kit/TextRules.h"
#include "ui/promo/modTellAFriend.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

#include <algorithm>
#include <cmath>
#include <utility>

QPointer<frmExitPromo> frmExitPromo::instance_;

namespace {

using kivo::ClassicFrame;
using kivo::Family;
using kivo::LinkLabel;
using kivo::makeFont;
using kivo::setBackground;
using kivo::setTextColour;
using kivo::trimSpaces;
using modTellAFriend::Field;
using modTellAFriend::placeholder;

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

constexpr QSize kClientSize{741, 315};

// Room for any real full name, and for the longest e-mail address that can
// be delivered. Longer text would only lengthen the referral address.
constexpr int kLongestName = 100;
constexpr int kLongestEmail = 254;
constexpr int kSmallestFittedPixelSize = 7;

// The window's default font: the text fields and the Exit button use it.
QFont defaultFont() { return makeFont(8.25, false, Family::MsSansSerif); }

bool labelFits(const QLabel* label) {
    if (label->wordWrap()) {
        return label->heightForWidth(label->width()) <= label->height();
    }
    return label->sizeHint().width() <= label->width();
}

// The layout was drawn for Verdana and MS Sans Serif. Where only a wider
// replacement is installed, the text is made smaller by whole pixels until it
// fits its fixed box, instead of being clipped; with the real fonts nothing
// changes.
void fitLabel(QLabel* label) {
    QFont font = label->font();
    while (!labelFits(label) && font.pixelSize() > kSmallestFittedPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
        label->setFont(font);
    }
}

void fitCheckBox(QCheckBox* box) {
    const QStyle* style = box->style();
    const int room = box->width() - style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box) -
                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box) - 4;
    QFont font = box->font();
    while (QFontMetrics(font).horizontalAdvance(box->text()) > room &&
           font.pixelSize() > kSmallestFittedPixelSize) {
        font.setPixelSize(font.pixelSize() - 1);
    }
    box->setFont(font);
}

QLineEdit* makeField(QWidget* parent, const char* name, const QString& text, QRect place, int longest) {
    auto* field = new QLineEdit(text, parent);
    field->setMaxLength(longest);
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(place);
    field->setFont(defaultFont());
    field->setAccessibleName(text);
    return field;
}

void clearPlaceholder(QLineEdit* field, const QString& placeholder) {
    if (trimSpaces(field->text()) == placeholder) {
        // setText, not clear(): clear() is a change Ctrl+Z undoes, which
        // would bring the placeholder back in front of what is typed next.
        field->setText(QString());
    }
}

void restorePlaceholder(QLineEdit* field, const QString& placeholder) {
    if (trimSpaces(field->text()).isEmpty()) {
        field->setText(placeholder);
    }
}

// The two paragraphs of the catalogue. A line break starts the second one on
// a new line; a run of spaces would only do that for one font and width.
QString catalogueText() {
    return QCoreApplication::translate(
               "frmExitPromo",
               "If you have enjoyed this software you will surely be interested in our other Arvella "
               "Softwares. From a single software, we have now grown to become the world\u2019s largest "
               "resource of Arvella softwares. Be it astrology, psychic, tarot, numerology or occult, we "
               "have programs in all fields thus giving our users a wide choice depending on their "
               "interests.") +
           QLatin1Char('\n') +
           QCoreApplication::translate(
               "frmExitPromo",
               "All the programs in the Arvella Softwares suite are simple and easy to use. They are not "
               "only fun to use but also very informative. Try them out today and share your experience "
               "with your friends and family.");
}

}  // namespace

frmExitPromo::frmExitPromo()
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    instance_ = this;
    setObjectName(QStringLiteral("frmExitPromo"));
    setWindowTitle(kivo::programCaption());
    setWindowIcon(QGuiApplication::windowIcon());
    setFixedSize(kClientSize);
    setFont(defaultFont());
    setBackground(this, Qt::white);

    createControls();
    kivo::pressButtonsLikeWindows(this);
    setTabOrder();
    cmdClose_->setFocus();

    kivo::centreOnScreen(this);

    Form_Load();
}

frmExitPromo::~frmExitPromo() = default;

frmExitPromo* frmExitPromo::showExitPromotion() {
    if (instance_ == nullptr) {
        auto* window = new frmExitPromo;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    frmExitPromo* window = instance_;
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

QString frmExitPromo::supportText(int number) {
    const QString site = modHelp::makerSiteDisplayName();
    switch (number) {
    case 0:
        return tr("Arvella Softwares can be created and maintained only with your support. The best "
                  "way to support us is to visit %1 regularly and take part in its discussions and "
                  "other activities. Every visit helps us keep going.")
            .arg(site);
    case 1:
        return tr("Please visit %1 regularly and take part in the discussions there. Without your "
                  "visits we cannot support and maintain these programs, so please do drop by whenever "
                  "you have a moment to spare")
            .arg(site);
    case 2:
        return tr("%1 is a free online discussion forum for all things Arvella. Visiting it regularly "
                  "helps us develop and maintain this program for all of you.")
            .arg(site);
    default:
        return tr("%1 needs your help. Visit it regularly and take part in its discussions: your "
                  "visits are what let us maintain this program and develop many more Arvella "
                  "Softwares for you.")
            .arg(site);
    }
}

void frmExitPromo::createControls() {
    using namespace kivo;

    cmdClose_ = new QPushButton(tr("E&xit"), this);
    cmdClose_->setObjectName(QStringLiteral("cmdClose"));
    cmdClose_->setGeometry(400, 184, 83, 25);
    cmdClose_->setFont(defaultFont());

    Check1_ = new QCheckBox(tr("Click Here To Visit %1 Now").arg(modHelp::makerSiteDisplayName()), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setGeometry(2, 136, 479, 37);
    Check1_->setFont(makeFont(14.25));
    Check1_->setCursor(LinkLabel::linkCursor());
    setTextColour(Check1_, kLinkBlue);
    setBackground(Check1_, Check1_->palette().color(QPalette::Button));
    fitCheckBox(Check1_);

    Picture1_ = new QLabel(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    Picture1_->setGeometry(24, 8, 36, 36);
    Picture1_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture1_->setLineWidth(2);
    Picture1_->setAlignment(Qt::AlignCenter);
    Picture1_->setPixmap(kivo::programIconPixmap(Picture1_));
    Picture1_->setAccessibleName(tr("Program icon"));

    Label1_ = makeLabel(this, "Label1", programCaption(), {72, 16, 281, 29},
                        makeFont(18, false, Family::MsSansSerif), kTopLeft);
    fitLabel(Label1_);

    Label2_ = makeLabel(this, "Label2", supportText(1), {8, 56, 465, 73}, makeFont(9.75, true), kTopLeft);
    Label2_->setWordWrap(true);
    setBackground(Label2_, Qt::white);

    Frame2_ = new ClassicFrame(tr("Refer A Friend"), kNavy, Qt::white, this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    Frame2_->setGeometry(8, 216, 471, 97);
    Frame2_->setFont(makeFont(9.75, true));

    txtName_ = makeField(Frame2_, "txtName", placeholder(Field::Name), {6, 24, 225, 19}, kLongestName);

    cmdSubmit_ = new QPushButton(tr("Refer A Friend &Now"), Frame2_);
    cmdSubmit_->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit_->setGeometry(128, 72, 225, 19);
    cmdSubmit_->setFont(makeFont(8.25, true));

    txtEmail_ = makeField(Frame2_, "txtEmail", placeholder(Field::Email), {240, 24, 225, 19}, kLongestEmail);
    txtFriendEmail_ = makeField(Frame2_, "txtFriendEmail", placeholder(Field::FriendEmail),
                                {240, 48, 225, 19}, kLongestEmail);
    txtFriendName_ =
        makeField(Frame2_, "txtFriendName", placeholder(Field::FriendName), {6, 48, 225, 19}, kLongestName);

    // Deliberately placed below the frame's bottom edge: the frame clips it,
    // so it is never seen, yet Tab still reaches it.
    txtMessage_ = new QPlainTextEdit(Frame2_);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setGeometry(320, 240, 121, 33);
    txtMessage_->setFont(defaultFont());
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->setTabChangesFocus(true);
    txtMessage_->setAccessibleName(placeholder(Field::Message));
    setTxtMessageText(placeholder(Field::Message) + QStringLiteral("\r\n"));

    Frame6_ = new ClassicFrame(tr("Download Arvella Softwares"), kNavy, Qt::white, this);
    Frame6_->setObjectName(QStringLiteral("Frame6"));
    Frame6_->setGeometry(488, 8, 249, 305);
    Frame6_->setFont(makeFont(9.75, true));

    Label3_ = makeLabel(Frame6_, "Label3", catalogueText(), {8, 24, 233, 257}, makeFont(9), kTopLeft);
    Label3_->setWordWrap(true);
    setTextColour(Label3_, Qt::white);
    fitLabel(Label3_);

    lblGoToHome_ = makeLink(Frame6_, "lblGoToHome", tr("Click Here To Visit Arvella Softwares"),
                            {5, 283, 239, 14}, makeFont(9, true), kYellow, kTopLeft);
    fitLabel(lblGoToHome_);

    for (QWidget* field : {static_cast<QWidget*>(txtName_), static_cast<QWidget*>(txtEmail_),
                           static_cast<QWidget*>(txtMessage_), static_cast<QWidget*>(txtFriendName_),
                           static_cast<QWidget*>(txtFriendEmail_)}) {
        field->installEventFilter(this);
    }
    Check1_->installEventFilter(this);

    connect(cmdClose_, &QPushButton::clicked, this, &frmExitPromo::cmdClose_Click);
    // toggled also fires when the handler itself unticks the box, as a click
    // event on a changed value would.
    connect(Check1_, &QCheckBox::toggled, this, &frmExitPromo::Check1_Click);
    connect(lblGoToHome_, &LinkLabel::clicked, this, &frmExitPromo::lblGoToHome_Click);
    connect(cmdSubmit_, &QPushButton::clicked, this, &frmExitPromo::cmdSubmit_Click);
}

void frmExitPromo::setTabOrder() {
    for (QWidget* passive :
         {static_cast<QWidget*>(Picture1_), static_cast<QWidget*>(Label1_), static_cast<QWidget*>(Label2_),
          static_cast<QWidget*>(Frame2_), static_cast<QWidget*>(Frame6_), static_cast<QWidget*>(Label3_),
          static_cast<QWidget*>(lblGoToHome_)}) {
        passive->setFocusPolicy(Qt::NoFocus);
    }
    const QWidget* order[] = {cmdClose_, Check1_,         txtName_,       cmdSubmit_,
                              txtEmail_, txtFriendEmail_, txtFriendName_, txtMessage_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        QWidget::setTabOrder(const_cast<QWidget*>(order[i - 1]), const_cast<QWidget*>(order[i]));
    }
}

QString frmExitPromo::txtMessageText() const {
    // The text document keeps paragraphs, not line-break characters; the
    // form's values carry Windows line breaks, so each break reads as CR LF.
    QString text = txtMessage_->toPlainText();
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

void frmExitPromo::setTxtMessageText(const QString& text) {
    // setPlainText takes CR LF as one paragraph break, so the text reads back
    // unchanged through txtMessageText.
    txtMessage_->setPlainText(text);
}

void frmExitPromo::Form_Load() {
    kivo::platform::Platform& platform = kivo::platform::current();
    platform.seedRandomFromClock();
    const float r = platform.nextRandom();
    // Clamped so a generator that ever returned 1 still picks a text.
    const int i = std::clamp(static_cast<int>(std::floor(r * 4.0F)), 0, kSupportTextCount - 1);
    Label2_->setFont(makeFont(9.75, true));
    Label2_->setText(supportText(i));
    fitLabel(Label2_);
    platform.makeTopmost(this);
}

void frmExitPromo::Form_Unload() { EndApplication(); }

void frmExitPromo::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmExitPromo::cmdClose_Click() { EndApplication(); }

void frmExitPromo::Check1_Click() {
    if (Check1_->isChecked()) {
        Check1_->setChecked(false);
        modHelp::OpenHomePage();
    }
}

void frmExitPromo::lblGoToHome_Click() { modHelp::OpenSoftwaresPage(); }

void frmExitPromo::cmdSubmit_Click() {
    using namespace modTellAFriend;
    strTafName = trimSpaces(txtName_->text());
    strTafEmail = trimSpaces(txtEmail_->text());
    strTafMessage = trimSpaces(txtMessageText());
    strTafFriendName = trimSpaces(txtFriendName_->text());
    strTafFriendEmail = trimSpaces(txtFriendEmail_->text());

    if (strTafEmail == strTafFriendEmail) {
        kivo::platform::showMessage(this, tr("Please Enter Distinct Email Addresses"),
                                    kivo::platform::MessageIcon::Error);
        return;
    }
    // Only the presence of "@" and "." is asked for, anywhere in the text.
    const QLatin1Char at('@');
    const QLatin1Char dot('.');
    if (!strTafEmail.contains(at) || !strTafFriendEmail.contains(at) || !strTafEmail.contains(dot) ||
        !strTafFriendEmail.contains(dot)) {
        kivo::platform::showMessage(this, tr("Please Enter Proper Email Address"),
                                    kivo::platform::MessageIcon::Error);
        return;
    }
    SubmitReferral();
}

void frmExitPromo::txtName_GotFocus() { clearPlaceholder(txtName_, placeholder(Field::Name)); }
void frmExitPromo::txtName_LostFocus() { restorePlaceholder(txtName_, placeholder(Field::Name)); }
void frmExitPromo::txtEmail_GotFocus() { clearPlaceholder(txtEmail_, placeholder(Field::Email)); }
void frmExitPromo::txtEmail_LostFocus() { restorePlaceholder(txtEmail_, placeholder(Field::Email)); }
void frmExitPromo::txtFriendName_GotFocus() {
    clearPlaceholder(txtFriendName_, placeholder(Field::FriendName));
}
void frmExitPromo::txtFriendName_LostFocus() {
    restorePlaceholder(txtFriendName_, placeholder(Field::FriendName));
}
void frmExitPromo::txtFriendEmail_GotFocus() {
    clearPlaceholder(txtFriendEmail_, placeholder(Field::FriendEmail));
}
void frmExitPromo::txtFriendEmail_LostFocus() {
    restorePlaceholder(txtFriendEmail_, placeholder(Field::FriendEmail));
}

void frmExitPromo::txtMessage_GotFocus() {
    if (trimSpaces(txtMessageText()) == placeholder(Field::Message)) {
        setTxtMessageText(QString());
    }
}

void frmExitPromo::txtMessage_LostFocus() {
    if (trimSpaces(txtMessageText()).isEmpty()) {
        setTxtMessageText(placeholder(Field::Message));
    }
}

bool frmExitPromo::txtEmail_KeyPress(const QString& typed) {
    if (typed != QLatin1String(" ")) {
        return false;
    }
    refuseSpace(txtEmail_);
    return true;
}

bool frmExitPromo::txtFriendEmail_KeyPress(const QString& typed) {
    if (typed != QLatin1String(" ")) {
        return false;
    }
    refuseSpace(txtFriendEmail_);
    return true;
}

void frmExitPromo::refuseSpace(QWidget* field) {
    kivo::platform::showMessage(this, tr("Email Address Cannot Contain Space"),
                                kivo::platform::MessageIcon::Error);
    field->setFocus(Qt::OtherFocusReason);
}

bool frmExitPromo::isField(const QObject* control) const {
    return control == txtName_ || control == txtEmail_ || control == txtMessage_ ||
           control == txtFriendName_ || control == txtFriendEmail_;
}

void frmExitPromo::focusMovedTo(QWidget* field) {
    if (field == focusedField_) {
        return;
    }
    const auto handle = [this](QWidget* which, bool gained) {
        if (which == txtName_) {
            gained ? txtName_GotFocus() : txtName_LostFocus();
        } else if (which == txtEmail_) {
            gained ? txtEmail_GotFocus() : txtEmail_LostFocus();
        } else if (which == txtMessage_) {
            gained ? txtMessage_GotFocus() : txtMessage_LostFocus();
        } else if (which == txtFriendName_) {
            gained ? txtFriendName_GotFocus() : txtFriendName_LostFocus();
        } else if (which == txtFriendEmail_) {
            gained ? txtFriendEmail_GotFocus() : txtFriendEmail_LostFocus();
        }
    };
    QWidget* before = std::exchange(focusedField_, field);
    if (before != nullptr) {
        handle(before, false);
    }
    if (field != nullptr) {
        handle(field, true);
    }
}

void frmExitPromo::changeEvent(QEvent* event) {
    // While the window was inactive the focus may have moved without a word
    // to the fields: a click on a button, say. Caught up with here.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QWidget* now = focusWidget();
        focusMovedTo(isField(now) ? now : nullptr);
    }
    QWidget::changeEvent(event);
}

bool frmExitPromo::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonDblClick:
        // The box is a link: a double-click opens the page once, as one
        // click does, instead of ticking it a second time.
        return watched == Check1_;
    case QEvent::FocusIn:
        // Whatever brought it, the window coming forward included: a field
        // clicked while the window was inactive gets the focus only when the
        // window is activated, and must lose its placeholder all the same.
        if (isField(watched)) {
            focusMovedTo(static_cast<QWidget*>(watched));
        }
        break;
    case QEvent::FocusOut: {
        // Another window coming forward, a message box included, or a context
        // menu opening is not a move between the form's controls.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            watched == focusedField_) {
            focusMovedTo(nullptr);
        }
        break;
    }
    case QEvent::KeyPress: {
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (watched == txtEmail_ && txtEmail_KeyPress(typed)) {
            return true;
        }
        if (watched == txtFriendEmail_ && txtFriendEmail_KeyPress(typed)) {
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
