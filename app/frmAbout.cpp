#include "app/frmAbout.h"

#include "app/ClassicLook.h"
#include "app/LinkLabel.h"
#include "app/modHelp.h"
#include "app/platform/Platform.h"

#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr QSize kClientSize{407, 226};

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QRect place,
                  const QFont& font, const QColor& colour, bool wrap = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(place);
    label->setFont(font);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    kivo::look::SetTextColour(label, colour);
    return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(tr("Kivo Love Numerology v1.0"));
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
    Label2_ = MakeLabel(this, "Label2", tr("Kivo Love Numerology v1.0"), {50, 8, 351, 18},
                        Font(12, true), kYellow);
    Label1_ = MakeLabel(this, "Label1",
                        tr("Kivo Love Numerology calculates the numerology compatibility between two "
                           "individuals based on numbers. This compatibility is calculated on the "
                           "basis of the lifepath and destiny numbers of the partners."),
                        {50, 26, 351, 65}, StandardFont(), Qt::white, true);

    lblHomePage_ = new LinkLabel(tr("Click here to visit %1").arg(modHelp::MakerSiteDisplayName()), this);
    lblHomePage_->setObjectName(QStringLiteral("lblHomePage"));
    lblHomePage_->setGeometry(131, 91, 270, 13);
    QFont underlined = StandardFont();
    underlined.setUnderline(true);
    lblHomePage_->setFont(underlined);
    SetTextColour(lblHomePage_, kLightYellow);

    Label3_ = MakeLabel(this, "Label3",
                        tr("Home Business Opportunity. Start your own Internet business and make money "
                           "online. Get this software fully branded for your website."),
                        {6, 120, 395, 45}, StandardFont(true), kYellow, true);

    lblCoBrand_ = new LinkLabel(tr("Click here for more details"), this);
    lblCoBrand_->setObjectName(QStringLiteral("lblCoBrand"));
    lblCoBrand_->setGeometry(248, 165, 153, 13);
    lblCoBrand_->setFont(underlined);
    SetTextColour(lblCoBrand_, kLightYellow);

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
