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
    setWindowTitle(kivo::look::ProgramCaption());
    setWindowIcon(QGuiApplication::windowIcon());
    setFixedSize(kClientSize);
    setFont(kivo::look::StandardFont());
    kivo::look::SetBackground(this, kivo::look::kDarkGrey);
    createControls();
    kivo::look::PressButtonsLikeWindows(this);

    kivo::look::CentreOnScreen(this);
}

void frmAbout::createControls() {
    using namespace kivo::look;

    picIcon_ = new QLabel(this);
    picIcon_->setObjectName(QStringLiteral("picIcon"));
    picIcon_->setGeometry(6, 8, 32, 32);
    picIcon_->setPixmap(kivo::look::ProgramIconPixmap(picIcon_));
    picIcon_->setAccessibleName(tr("Program icon"));

    // As wide as the text below it: 228 pixels only hold the title in the
    // narrowest Verdana, and a clipped "v1." is worse than a wider label.
    Label2_ = MakeLabel(this, "Label2", ProgramCaption(), {50, 8, 351, 18}, Font(12, true), kTopLeft);
    SetTextColour(Label2_, kYellow);
    Label1_ = MakeLabel(this, "Label1",
                        tr("Kivo Love Numerology calculates the numerology compatibility between two "
                           "individuals based on numbers. This compatibility is calculated on the "
                           "basis of the lifepath and destiny numbers of the partners."),
                        {50, 26, 351, 65}, StandardFont(), kTopLeft);
    Label1_->setWordWrap(true);
    SetTextColour(Label1_, Qt::white);

    lblHomePage_ =
        MakeLink(this, "lblHomePage", tr("Click here to visit %1").arg(modHelp::MakerSiteDisplayName()),
                 {131, 91, 270, 13}, StandardFont(), kLightYellow);

    Label3_ = MakeLabel(this, "Label3",
                        tr("Home Business Opportunity. Start your own Internet business and make money "
                           "online. Get this software fully branded for your website."),
                        {6, 120, 395, 45}, StandardFont(true), kTopLeft);
    Label3_->setWordWrap(true);
    SetTextColour(Label3_, kYellow);

    lblCoBrand_ = MakeLink(this, "lblCoBrand", tr("Click here for more details"), {248, 165, 153, 13},
                           StandardFont(), kLightYellow);

    Line2_ = new QWidget(this);
    Line2_->setObjectName(QStringLiteral("Line2"));
    Line2_->setGeometry(0, 194, kClientSize.width(), 1);
    SetBackground(Line2_, kYellow);

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

void frmAbout::ShowModal() {
    frmAbout about;
    about.setWindowModality(Qt::ApplicationModal);
    about.exec();
}
