#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class LinkLabel;

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
    QLabel* Label2_ = nullptr;
    QLabel* Label1_ = nullptr;
    LinkLabel* lblHomePage_ = nullptr;
    QLabel* Label3_ = nullptr;
    LinkLabel* lblCoBrand_ = nullptr;
    QWidget* Line2_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
