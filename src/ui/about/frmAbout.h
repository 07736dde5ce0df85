#pragma once

// The About window, a floor of its own: it knows neither the other windows nor
// the shell, and uses the shared widgets, the platform services and the engine.

// The program's name and version, what it computes, and two links to the
// vendor's site. The shell opens it modal over the main window; it is
// destroyed when it closes, so each opening starts afresh.

#include "ui/common/FormTable.h"
#include "ui/common/VendorPages.h"

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
    void cmdOK_Click() { close(); }
    void lblHomePage_Click() { OpenVendorPage("home-page", this); }
    void lblCobrand_Click() { OpenVendorPage("fully-branded", this); }

    FormTable m_form;
};

} // namespace velto
