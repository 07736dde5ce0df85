#pragma once

// The About window: the program's name and version, what it computes and two
// links to the vendor's site. Opened modal from the main window's Help menu
// and destroyed when it closes, so each opening starts afresh.

#include "FormTable.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace velto {

class LinkLabel;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    // Controls, by their designed names.
    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblHomePage = nullptr;
    LinkLabel* lblCobrand = nullptr;
    QFrame* Line1 = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

    FormTable m_form;
};

// Help > About Software: shows the About window modal over `owner` and
// returns once it has been closed and destroyed.
void mnuAbout_Click(QWidget* owner);

} // namespace velto
