// The main window's handlers: load, proceed, back, tab switch, the key filter
// of the name fields, the entry check, the report and the window's own close.
// The controls themselves are built in frmMainLayout.cpp.

#include "ui/main/frmMain.h"

#include "app/platform/Platform.h"
#include "ui/kit/LinkLabel.h"
#include "ui/kit/TextRules.h"
#include "ui/main/DateList.h"
#include "ui/main/EntryValidation.h"
#include "ui/main/ReadingReport.h"
#include "ui/main/ReductionText.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTabBar>

#include <string>

using kivo::DateList;
using kivo::engineText;
using kivo::ReductionText;
using modLoveCompatibility::kPersonCount;

frmMain::~frmMain() = default;

void frmMain::Form_Load() {
    addDateEntries();
    selectFirstDates();
    bringForward(fraMain_);
}

void frmMain::addDateEntries() {
    static constexpr std::array<const char*, 12> kMonths{
        QT_TR_NOOP("January"),   QT_TR_NOOP("February"), QT_TR_NOOP("March"),    QT_TR_NOOP("April"),
        QT_TR_NOOP("May"),       QT_TR_NOOP("June"),     QT_TR_NOOP("July"),     QT_TR_NOOP("August"),
        QT_TR_NOOP("September"), QT_TR_NOOP("October"),  QT_TR_NOOP("November"), QT_TR_NOOP("December")};
    // The `count` entries of a list.
    const auto entries = [](int count, const auto& text) {
        QStringList list;
        for (int k = 0; k < count; ++k) {
            list.append(text(k));
        }
        return list;
    };
    const QStringList days = entries(31, [](int k) { return QString::number(1 + k); });
    const QStringList months = entries(static_cast<int>(kMonths.size()),
                                       [](int k) { return tr(kMonths[static_cast<std::size_t>(k)]); });
    const QStringList years =
        entries(kLastYear - kFirstYear + 1, [](int k) { return QString::number(kFirstYear + k); });
    // Each list gets its entries in one insertion: one at a time, every
    // entry is a separate change for the list's model and view to follow.
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        cboDate_[i]->addItems(days);
        cboMonth_[i]->addItems(months);
        cboYear_[i]->addItems(years);
    }
}

void frmMain::selectFirstDates() {
    // "1", "January", "1900" for both people.
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        cboDate_[i]->setCurrentIndex(0);
        cboMonth_[i]->setCurrentIndex(0);
        cboYear_[i]->setCurrentIndex(0);
    }
}

bool frmMain::ValidateEntries() {
    std::array<kivo::PersonEntry, kPersonCount> people;
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        people[i] = {txtName_[i]->text(), cboDate_[i]->value(), cboMonth_[i]->value(), cboYear_[i]->value()};
    }
    const kivo::Problem problem = kivo::findFirstProblem(people);
    if (problem == kivo::Problem::None) {
        return true;
    }
    kivo::platform::showMessage(this, kivo::problemMessage(problem), kivo::problemIcon(problem));
    // A missing name takes the user to its field; a wrong date leaves the
    // focus where it was, since the message does not say whose date it is.
    if (problem == kivo::Problem::MissingUserName) {
        txtName_[0]->setFocus();
    } else if (problem == kivo::Problem::MissingPartnerName) {
        txtName_[1]->setFocus();
    }
    return false;
}

void frmMain::txtName_KeyPress(std::size_t Index, int& KeyAscii) {
    if (kivo::isNameCharacterAccepted(KeyAscii)) {
        return;
    }
    kivo::platform::showMessage(this, kivo::refusedCharacterMessage(), kivo::platform::MessageIcon::Error);
    KeyAscii = 0;
    txtName_.at(Index)->setFocus();
}

void frmMain::cmdProceed_Click() {
    if (!ValidateEntries()) {
        return;
    }
    modLoveCompatibility::CalculationState& state = modLoveCompatibility::state();
    for (std::size_t i = 0; i < kPersonCount; ++i) {
        state.strName[i] = kivo::trimSpaces(txtName_[i]->text()).toStdString();
        state.intDay[i] = static_cast<std::int16_t>(cboDate_[i]->value());
        state.intMonth[i] = static_cast<std::int16_t>(cboMonth_[i]->value());
        state.intYear[i] = static_cast<std::int16_t>(cboYear_[i]->value());
    }
    modLoveCompatibility::CalculateCompatibility();
    if (TS_ == nullptr) {
        createResultPage();
    }

    lblResult_[0]->setText(
        tr("LifePath Compatibility Number is %1 + %2").arg(state.intLifePath[0]).arg(state.intLifePath[1]));
    lblResult_[1]->setText(engineText(state.strLifePathShort));
    lblResult_[2]->setText(
        tr("Destiny Compatibility Number is %1 + %2").arg(state.intDestiny[0]).arg(state.intDestiny[1]));
    lblResult_[3]->setText(engineText(state.strDestinyShort));

    // How each heading's numbers were reached, from the entries the engine
    // used: on hover, and read out by screen readers after the heading.
    const auto stepLines = [](const QString& user, const QString& partner) {
        return tr("You: %1").arg(user) + QLatin1Char('\n') + tr("Your partner: %1").arg(partner);
    };
    const QString lifePathSteps =
        stepLines(ReductionText::lifePath(state.intDay[0], state.intMonth[0], state.intYear[0]),
                  ReductionText::lifePath(state.intDay[1], state.intMonth[1], state.intYear[1]));
    const QString destinySteps =
        stepLines(ReductionText::destiny(state.strName[0]), ReductionText::destiny(state.strName[1]));
    lblResult_[0]->setToolTip(lifePathSteps);
    lblResult_[0]->setAccessibleDescription(lifePathSteps);
    lblResult_[2]->setToolTip(destinySteps);
    lblResult_[2]->setAccessibleDescription(destinySteps);

    ComposeReport();

    {
        // The strip shows the first tab as selected, so it agrees with the
        // frame in front; the frame itself is raised right below.
        const QSignalBlocker quiet(TS_);
        TS_->setCurrentIndex(0);
    }
    bringForward(fraLifePath_);
    bringForward(fraResult_);
    // The button just pressed now lies behind the result page.
    TS_->setFocus();
}

void frmMain::mnuCalculate_Click() { cmdProceed_Click(); }

void frmMain::cmdBack_Click() {
    // The entry page comes forward first: the focus can only go into a
    // page that takes input.
    bringForward(fraMain_);
    // setText, not clear(): clear() keeps the name in the field's undo
    // history, where Ctrl+Z brings the last person's name back and every
    // round of pasted names adds to the memory held.
    txtName_[0]->setText(QString());
    txtName_[0]->setFocus();
    selectFirstDates();
}

void frmMain::TS_Click() {
    switch (TS_->currentIndex()) {
    case 0:
        bringForward(fraLifePath_);
        break;
    case 1:
        bringForward(fraDestiny_);
        break;
    default:
        bringForward(fraLoveCompatibility_);
        break;
    }
}

void frmMain::ComposeReport() { kivo::writeReport(*RTB_, modLoveCompatibility::state()); }

void frmMain::bringBrandLabelForward(BrandLabel label) {
    (label == BrandLabel::FullBrand ? lblFullBrand_ : lblCobrand_)->raise();
}

void frmMain::mnuExit_Click() { close(); }

void frmMain::closeEvent(QCloseEvent* event) {
    emit unloading();
    event->accept();
}

void frmMain::bringForward(QWidget* frame) {
    const bool page = frame == fraMain_ || frame == fraResult_;
    const QList<QWidget*> stacked = page ? QList<QWidget*>{fraMain_, fraResult_}
                                         : QList<QWidget*>{fraLifePath_, fraDestiny_, fraLoveCompatibility_};
    frame->setEnabled(true);
    frame->raise();
    for (QWidget* other : stacked) {
        if (other != frame) {
            other->setEnabled(false);
        }
    }
    if (page) {
        // "&Donate" and "&Do It Once Again" share Alt+D. On the result page
        // the key belongs to the page's own button; Donate stays on the
        // mouse and on the menu bar's keyboard navigation.
        mnuDonate_->setText(frame == fraResult_ ? tr("Donate") : tr("&Donate"));
    }
}
