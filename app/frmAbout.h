#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kivo {
class LinkLabel;
}  // namespace kivo

// The About window: a fixed 407 x 226 dialog, built afresh each time it opens.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Opens a new About window, application-modal, and returns once it is
    // closed; the window is destroyed then, so the next one starts clean.
    static void showModal();

private:
    void createControls();
    void lblHomePage_Click();
    void lblCoBrand_Click();
    void cmdOK_Click();

    QLabel* picIcon_ = nullptr;
    QLabel* Label2_ = nullptr;  // the title, "Kivo Love Numerology v1.0", in yellow
    QLabel* Label1_ = nullptr;  // what the program does, under the title
    kivo::LinkLabel* lblHomePage_ = nullptr;
    QLabel* Label3_ = nullptr;  // the offer of a fully branded edition, in bold
    kivo::LinkLabel* lblCoBrand_ = nullptr;
    QWidget* Line2_ = nullptr;  // the yellow rule above the OK button
    QPushButton* cmdOK_ = nullptr;
};
