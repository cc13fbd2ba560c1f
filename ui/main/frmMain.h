#pragma once
// The program's working window: a two-page wizard. The entry page collects a
// name and a birth date for the user (index 0) and the partner (index 1); the
// result page shows the Life Path and Destiny results and the report on three
// tabs. The window is laid out at fixed positions like a classic dialog.
//
// Object names are the control names. A control that exists once per person
// (a control array) carries its index as a suffix: "txtName_0", "txtName_1",
// "cboDate_0", "Frame1_1", "lblResult_3", "lblLabel_8" and so on. Menu entries
// are QActions named like the entries ("mnuExit", "mnuDonate").
//
// Pages and tabs are widgets of equal geometry stacked on one another; a
// switch raise()s one of them. Nothing is hidden or shown at run time, but
// the frames lying behind are disabled: a covered control must not take the
// focus or act, by its access key or any other way.

#include <QMainWindow>

#include <array>
#include <cstddef>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;
class QTextEdit;
class LinkLabel;
class NameKeyFilter;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    static constexpr std::size_t kPersons = 2;
    // The years the year lists offer.
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2050;

    // Builds every control, then runs Form_Load.
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // The controls, for start-up, shut-down and the tests.
    QLineEdit* txtName(std::size_t i) const { return txtName_.at(i); }
    QComboBox* cboDate(std::size_t i) const { return cboDate_.at(i); }
    QComboBox* cboMonth(std::size_t i) const { return cboMonth_.at(i); }
    QComboBox* cboYear(std::size_t i) const { return cboYear_.at(i); }
    QGroupBox* Frame1(std::size_t i) const { return Frame1_.at(i); }
    QLabel* lblResult(std::size_t i) const { return lblResult_.at(i); }
    QPushButton* cmdProceed() const { return cmdProceed_; }
    QPushButton* cmdBack() const { return cmdBack_; }
    QTabBar* TS() const { return TS_; }
    QTextEdit* RTB() const { return RTB_; }
    QWidget* fraMain() const { return fraMain_; }
    QWidget* fraResult() const { return fraResult_; }
    QWidget* fraLifePath() const { return fraLifePath_; }
    QWidget* fraDestiny() const { return fraDestiny_; }
    QWidget* fraLoveCompatibility() const { return fraLoveCompatibility_; }
    QWidget* fraFullBrand() const { return fraFullBrand_; }
    LinkLabel* Label14() const { return Label14_; }
    LinkLabel* lblCobrand() const { return lblCobrand_; }
    LinkLabel* lblFullBrand() const { return lblFullBrand_; }

    QAction* mnuCalculate() const { return mnuCalculate_; }
    QAction* mnuSep1() const { return mnuSep1_; }
    QAction* mnuExit() const { return mnuExit_; }
    QAction* mnuOnline() const { return mnuOnline_; }
    QAction* mnuVisit() const { return mnuVisit_; }
    QAction* mnuUpdate() const { return mnuUpdate_; }
    QAction* mnuAbout() const { return mnuAbout_; }
    QAction* mnuDonate() const { return mnuDonate_; }
    QAction* mnuMakeMoney() const { return mnuMakeMoney_; }

    // The entry check: true when both people's entries are acceptable; on
    // false it has already shown its one message and moved the focus.
    bool ValidateEntries();
    // Writes the report of the last calculation into RTB.
    void ComposeReport();

signals:
    // The window's Form_Unload: emitted as the window closes, which it never
    // refuses.
    void unloading();

public slots:
    void cmdProceed_Click();
    void cmdBack_Click();
    void mnuCalculate_Click();
    void mnuExit_Click();
    void TS_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // Builders, in frmMainLayout.cpp.
    void createMenus();
    void createEntryPage(QWidget* page);
    void createPersonFrame(QWidget* page, std::size_t i);
    void createResultPage(QWidget* page);
    void createBrandFrame(QWidget* client);
    void connectHandlers();
    void setKeyboardOrder();

    // Brings a page or a result frame to the front, ready for input, and
    // disables the frames it covers.
    void bringForward(QWidget* frame);

    void Form_Load();
    void SelectFirstDates();
    // The key filter of both name fields: KeyAscii is the typed character's
    // code; setting it to 0 discards the character.
    void txtName_KeyPress(std::size_t Index, int& KeyAscii);

    std::array<QLineEdit*, kPersons> txtName_{};
    std::array<QComboBox*, kPersons> cboDate_{};
    std::array<QComboBox*, kPersons> cboMonth_{};
    std::array<QComboBox*, kPersons> cboYear_{};
    std::array<QGroupBox*, kPersons> Frame1_{};
    std::array<QLabel*, 9> lblLabel_{};
    std::array<QLabel*, 4> lblResult_{};

    QWidget* fraMain_ = nullptr;
    QWidget* fraResult_ = nullptr;
    QWidget* fraLifePath_ = nullptr;
    QWidget* fraDestiny_ = nullptr;
    QWidget* fraLoveCompatibility_ = nullptr;
    QWidget* fraFullBrand_ = nullptr;
    QLabel* Picture1_ = nullptr;
    QPushButton* cmdProceed_ = nullptr;
    QPushButton* cmdBack_ = nullptr;
    QTabBar* TS_ = nullptr;
    QTextEdit* RTB_ = nullptr;
    LinkLabel* Label14_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuHelp_ = nullptr;
    QAction* mnuCalculate_ = nullptr;
    QAction* mnuSep1_ = nullptr;
    QAction* mnuExit_ = nullptr;
    QAction* mnuOnline_ = nullptr;
    QAction* mnuVisit_ = nullptr;
    QAction* mnuUpdate_ = nullptr;
    QAction* mnuAbout_ = nullptr;
    QAction* mnuDonate_ = nullptr;
    QAction* mnuMakeMoney_ = nullptr;

    NameKeyFilter* nameKeyFilter_ = nullptr;
};
