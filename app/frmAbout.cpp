#include "app/frmAbout.h"

#include "app/modHelp.h"
#include "ui/kit/ClassicLook.h"
#include "ui/kit/Labels.h"
#include "ui/kit/LinkLabel.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kClientSize{407, 226};
constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(kivo::programCaption());
    setWindowIcon(QGuiApplication::windowIcon());
    setFixedSize(kClientSize);
    setFont(kivo::standardFont());
    kivo::setBackground(this, kivo::kDarkGrey);
    createControls();
    kivo::pressButtonsLikeWindows(this);

    kivo::centreOnScreen(this);
}

void frmAbout::createControls() {
    using namespace kivo;

    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(6, 8, 32, 32);
    picIcon_->setPixmap(kivo::programIconPixmap(picIcon_));
    picIcon_->setAccessibleName(tr("Program icon"));

    // As wide as the text below it: 228 pixels only hold the title in the
    // narrowest Verdana, and a clipped "v1." is worse than a wider label.
    Label2_ = makeLabel(this, "Label2", programCaption(), {50, 8, 351, 18}, makeFont(12, true), kTopLeft);
    setTextColour(Label2_, kYellow);
    Label1_ = makeLabel(this, "Label1",
                        tr("Kivo Love Numerology calculates the numerology compatibility between two "
                           "individuals based on numbers. This compatibility is calculated on the "
                           "basis of the lifepath and destiny numbers of the partners."),
                        {50, 26, 351, 65}, standardFont(), kTopLeft);
    Label1_->setWordWrap(true);
    setTextColour(Label1_, Qt::white);

    lblHomePage_ =
        makeLink(this, "lblHomePage", tr("Click here to visit %1").arg(modHelp::makerSiteDisplayName()),
                 {131, 91, 270, 13}, standardFont(), kLightYellow);

    Label3_ = makeLabel(this, "Label3",
                        tr("Home Business Opportunity. Start your own Internet business and make money "
                           "online. Get this software fully branded for your website."),
                        {6, 120, 395, 45}, standardFont(true), kTopLeft);
    Label3_->setWordWrap(true);
    setTextColour(Label3_, kYellow);

    lblCoBrand_ = makeLink(this, "lblCoBrand", tr("Click here for more details"), {248, 165, 153, 13},
                           standardFont(), kLightYellow);

    Line2_ = new QWidget(this);
    Line2_->setObjectName(QStringLiteral("Line2"));
    Line2_->setGeometry(0, 194, kClientSize.width(), 1);
    setBackground(Line2_, kYellow);

    cmdOK_ = new QPushButton(tr("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(317, 200, 84, 23);
    cmdOK_->setDefault(true);

    connect(lblHomePage_, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand_, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
}

void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }

void frmAbout::lblCoBrand_Click() { modHelp::OpenFullBrandPage(); }

void frmAbout::cmdOK_Click() { close(); }

void frmAbout::showModal() {
    frmAbout about;
    about.setWindowModality(Qt::ApplicationModal);
    about.exec();
}
