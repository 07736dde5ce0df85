#pragma once

// The exit screen, a floor of its own: it knows neither the other windows nor
// the shell, and uses the shared widgets, the platform services and the engine.

// The last window of a run, shown when the main window closes (loaded hidden
// after an import): a support appeal, links to the vendor's site and the
// refer-a-friend form, above other windows. Closing it ends the program.

#include "ui/common/FormTable.h"
#include "ui/common/VendorPages.h"
#include "ui/exit/TellAFriend.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace velto {

class DesignFrame;
class LinkLabel;
class MultiLineBox;

class frmExitScreen : public QWidget {
    Q_OBJECT
public:
    frmExitScreen(); // loaded hidden

    // Shows it modeless, activated, focus on its first control.
    void showModeless();

    QLabel* picExitScreenIcon = nullptr;
    QLabel* lblExitScreenCaption = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    DesignFrame* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    MultiLineBox* txtMessage = nullptr;
    DesignFrame* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;

    // A box's text as the program holds it (line breaks as CR LF).
    QString boxText(const QWidget* box) const;
    void setBoxText(QWidget* box, const QString& text);

    void cmdSubmit_Click();

    // The last refer-a-friend submission of the run.
    const TellAFriendRequest& request() const { return m_request; }

signals:
    void exitPressed();
    // Closed in any way; it is being destroyed.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void buildControls();
    void Form_Load();
    void cmdClose_Click() { emit exitPressed(); }
    void Check1_Click();
    void lblGoToHome_Click() { OpenVendorPage("brimwellsoftwares", this); }
    void textBox_GotFocus(QWidget* box);
    void textBox_LostFocus(QWidget* box);
    // False when the key is refused.
    bool emailBox_KeyPress(QWidget* box, const QString& text);
    QString placeholderOf(const QWidget* box) const;

    FormTable m_form;
    std::array<QWidget*, 5> m_textBoxes{};
    TellAFriendRequest m_request;
};

} // namespace velto
