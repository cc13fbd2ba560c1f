#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kivo {
class ClassicFrame;
class LinkLabel;
}  // namespace kivo

// The exit promotion window: the last window of a run. It shows one of four
// appeals for the maker's forum site, the maker's catalogue and the
// refer-a-friend form; leaving it in any way ends the program.
class frmExitPromo : public QWidget {
    Q_OBJECT
public:
    frmExitPromo();
    ~frmExitPromo() override;

    // Shut-down entry point: creates the window if there is none yet and shows
    // it non-modal, with no owner. The window deletes itself when it closes.
    static frmExitPromo* showExitPromotion();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The appeals for the forum site, numbered 0 to 3.
    static constexpr int kSupportTextCount = 4;
    static QString supportText(int number);

    // The message field's text with each line break as CR LF, the way the
    // form hands it on.
    QString txtMessageText() const;

    void createControls();
    void setTabOrder();

    void Form_Load();
    void Form_Unload();
    void cmdClose_Click();
    void Check1_Click();
    void lblGoToHome_Click();
    void cmdSubmit_Click();

    void txtName_GotFocus();
    void txtName_LostFocus();
    void txtEmail_GotFocus();
    void txtEmail_LostFocus();
    void txtMessage_GotFocus();
    void txtMessage_LostFocus();
    void txtFriendName_GotFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_GotFocus();
    void txtFriendEmail_LostFocus();
    // True when the key is to be discarded.
    bool txtEmail_KeyPress(const QString& typed);
    bool txtFriendEmail_KeyPress(const QString& typed);

    // Runs the lost- and got-focus handlers for a move of the focus from the
    // field that last had it to `field` (nullptr: a control that is no field).
    void focusMovedTo(QWidget* field);
    bool isField(const QObject* control) const;

    void setTxtMessageText(const QString& text);
    void refuseSpace(QWidget* field);

    QPushButton* cmdClose_ = nullptr;
    QCheckBox* Check1_ = nullptr;  // "Click Here To Visit ... Now": ticking it opens the maker's site
    QLabel* Picture1_ = nullptr;   // the program's icon, top left
    QLabel* Label1_ = nullptr;     // the title beside the icon
    QLabel* Label2_ = nullptr;     // one of the four appeals for the forum site
    kivo::ClassicFrame* Frame2_ = nullptr;  // the navy "Refer A Friend" frame holding the form
    QLineEdit* txtName_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
    kivo::ClassicFrame* Frame6_ = nullptr;  // the navy "Download Arvella Softwares" frame on the right
    QLabel* Label3_ = nullptr;              // the catalogue text inside it
    kivo::LinkLabel* lblGoToHome_ = nullptr;
    // The field whose got-focus handler ran last without its lost-focus one.
    QWidget* focusedField_ = nullptr;

    static QPointer<frmExitPromo> instance_;
};
