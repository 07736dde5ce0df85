#pragma once

// The main window, a floor of its own: it knows neither the other windows nor
// the shell, and uses the shared widgets, the platform services and the engine.

// An input page (name box, compute button) and a results page (the three
// numbers with their texts) on top of each other, a link above, a promotional
// strip below. Opened at start-up; closing it leads to the exit screen.

#include "platform/Clipboard.h"
#include "ui/common/EnterKey.h"
#include "ui/common/FormTable.h"
#include "ui/common/VendorPages.h"

#include <QMainWindow>

#include <array>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace velto {

class Announcement;
class DesignFrame;
class LinkLabel;
class ResultBox;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    void cmdNext_Click();
    void cmdBack_Click();
    // Imports a saved reading's birth date; computes the name's reading again.
    void cmdOpen_Click();

    void mnuExit_Click() { close(); }
    void mnuOnline_Click() { OpenVendorPage("help-web-page", this); }
    void mnuVisit_Click() { OpenVendorPage("home-page", this); }
    void mnuUpdate_Click() { OpenVendorPage("download-web-page", this); }
    void mnuAbout_Click() { emit aboutRequested(); }
    void mnuDonate_Click() { OpenVendorPage("donate", this); }
    void mnuMakeMoney_Click() { OpenVendorPage("fully-branded", this); }
    void Label61_Click() { OpenVendorPage("home-page", this); }
    void lblCobrand_Click() { OpenVendorPage("co-brand", this); }
    void lblFullBrand_Click() { OpenVendorPage("fully-branded", this); }

    // Raises the co-brand or the full-brand label, which share a place.
    void raisePromotion(bool coBrand);

    bool resultsPageInFront() const;

    // Controls by their designed names; everything else is in Qt's camelCase.
    QLineEdit* txtName = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdOpen = nullptr;
    DesignFrame* Frame1 = nullptr;
    DesignFrame* Frame2 = nullptr;
    DesignFrame* fraFullBrand = nullptr;
    DesignFrame* fraBirthDay = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboYear = nullptr;
    LinkLabel* Label61 = nullptr;
    LinkLabel* lblFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    std::array<QLabel*, 6> lblLabel{};
    std::array<QLabel*, 6> lblResult{};
    std::array<ResultBox*, 3> txtResult{};

    QMenu* nuFile = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuFileSep1 = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuFileSep2 = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

signals:
    void aboutRequested();
    void imported();
    // Closed in any way; it is being destroyed.
    void unloaded();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    void Form_Load();
    void Form_Unload();
    bool ValidateName();
    // The character the name box receives for a typed one.
    static QChar txtName_KeyPress(QChar key);
    // Whatever touches a result box empties the clipboard.
    void txtResult_Change() { emptyClipboard(); }
    void txtResult_Click() { emptyClipboard(); }
    void txtResult_MouseDown() { emptyClipboard(); }
    void txtResult_MouseMove() { emptyClipboard(); }
    void txtResult_MouseUp() { emptyClipboard(); }

    FormTable m_form;
    bool m_centred = false;
    EnterKey m_enter;
    Announcement* m_readingSaid = nullptr;
};

} // namespace velto
