#pragma once
// The program's working window: a two-page wizard. The entry page collects a
// name and a birth date for the user (index 0) and the partner (index 1); the
// result page shows the Life Path and Destiny results and the report on three
// tabs. The window is laid out at fixed positions like a classic dialog.
//
// Object names are the control names, and the way tests reach a control from
// outside. A control that exists once per person (a control array) carries
// its index as a suffix: "txtName_0", "txtName_1", "cboDate_0", "Frame1_1",
// "lblResult_3", "lblLabel_8" and so on. Menu entries are QActions named like
// the entries ("mnuExit", "mnuDonate").
//
// Pages and tabs are widgets of equal geometry stacked on one another; a
// switch raise()s one of them and disables the frames lying behind: a
// covered control must not take the focus or act, by its access key or any
// other way. No switch hides or shows a control. The result page's controls
// are made by the first proceed that gets through, and shown as they are
// made, since a child added to a shown window stays hidden until shown.

#include "engine/modLoveCompatibility.h"

#include <QMainWindow>

#include <array>
#include <cstddef>

class QAction;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabBar;
class QTextEdit;

namespace kivo {
class DateList;
class LinkLabel;
}  // namespace kivo

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    // Builds the menus and the entry page, then runs Form_Load; the result
    // page gets its controls on the first proceed.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The two promotional labels share one place; start-up picks the one in
    // front.
    enum class BrandLabel { CoBrand, FullBrand };
    void bringBrandLabelForward(BrandLabel label);

signals:
    // The window's Form_Unload: emitted as the window closes, which it never
    // refuses.
    void unloading();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The years the year lists offer.
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2050;

    void cmdProceed_Click();
    void cmdBack_Click();
    void mnuCalculate_Click();
    void mnuExit_Click();
    void TS_Click();

    // The entry check: true when both people's entries are acceptable; on
    // false it has already shown its one message and moved the focus.
    bool ValidateEntries();
    // Writes the report of the last calculation into RTB.
    void ComposeReport();

    // Builders, in frmMainLayout.cpp.
    void createMenus();
    void createEntryPage(QWidget* page);
    void createPersonFrame(QWidget* page, std::size_t i);
    // Fills the result page; run by the first proceed that gets through.
    void createResultPage();
    void createBrandFrame(QWidget* client);
    void connectHandlers();
    void setKeyboardOrder();

    // Brings a page or a result frame to the front, ready for input, and
    // disables the frames it covers.
    void bringForward(QWidget* frame);

    void Form_Load();
    // Fills every date list with all its entries.
    void addDateEntries();
    void selectFirstDates();
    // The key filter of both name fields: KeyAscii is the typed character's
    // code; setting it to 0 discards the character.
    void txtName_KeyPress(std::size_t Index, int& KeyAscii);

    std::array<QLineEdit*, modLoveCompatibility::kPersonCount> txtName_{};
    std::array<kivo::DateList*, modLoveCompatibility::kPersonCount> cboDate_{};
    std::array<kivo::DateList*, modLoveCompatibility::kPersonCount> cboMonth_{};
    std::array<kivo::DateList*, modLoveCompatibility::kPersonCount> cboYear_{};
    std::array<QLabel*, 4> lblResult_{};

    QWidget* fraMain_ = nullptr;
    QWidget* fraResult_ = nullptr;
    QWidget* fraLifePath_ = nullptr;
    QWidget* fraDestiny_ = nullptr;
    QWidget* fraLoveCompatibility_ = nullptr;
    QPushButton* cmdProceed_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QTabBar* TS_ = nullptr;     // the result page's three tabs: Life Path, Destiny, Love Compatibility
    QTextEdit* RTB_ = nullptr;  // the love-compatibility report on the third tab
    kivo::LinkLabel* Label14_ = nullptr;  // the forum link across the top of the window
    kivo::LinkLabel* lblCobrand_ = nullptr;
    kivo::LinkLabel* lblFullBrand_ = nullptr;

    QAction* mnuCalculate_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;
};
