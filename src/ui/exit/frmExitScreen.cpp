#include "ui/exit/frmExitScreen.h"

#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/WindowPlacement.h"
#include "product/Product.h"
#include "ui/common/DesignFrame.h"
#include "ui/common/DesignWindow.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/MultiLineBox.h"
#include "ui/common/TrimSpaces.h"
#include "ui/common/Twips.h"
#include "ui/exit/Placeholders.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace velto {

namespace {

using Kind = ControlRow::Kind;
using enum ControlRow::Look;

const QColor White(255, 255, 255);
const QColor Navy(0, 0, 128);
const QColor CheckBlue(0, 0, 192);
const QColor Yellow(255, 255, 0);

constexpr int ClientWidth = 11115;
constexpr int ClientHeight = 4725;

std::vector<ControlRow> designTable(frmExitScreen& f)
{
    const QFont boxFont = designFont(Face::MsSansSerif, 8.25);
    const QFont frameFont = verdana(9.75, true);
    const std::optional<QColor> none;

    // clang-format off
    return {
    // name                    kind              container left  top   width height caption                                   fore       back   font                                   look                         tab
    {"picExitScreenIcon",      Kind::Label,      nullptr,   360,  120,  540,  540, {},                                       none,      none,  boxFont,                               Transparent,                  2, f.picExitScreenIcon},
    {"lblExitScreenCaption",   Kind::Label,      nullptr,  1080,  240,    0,    0, productTitle(),                           none,      none,  designFont(Face::MsSansSerif, 18),     AutoSize | Transparent,       6, f.lblExitScreenCaption},
    {"Label2",                 Kind::Label,      nullptr,   120,  840, 6975, 1095, {},                                       none,      none,  verdana(9.75, true),                   WordWrap | Transparent,       7, f.Label2},
    {"Check1",                 Kind::CheckBox,   nullptr,    30, 2040, 7185,  555, QStringLiteral("Click Here To Visit %1 Now").arg(QLatin1String(product::VendorHost)),
                                                                                                                                  CheckBlue, none,  verdana(14.25),                        Transparent,                  1, f.Check1},
    {"cmdClose",               Kind::Button,     nullptr,  6000, 2760, 1245,  375, "E&xit",                                  none,      none,  boxFont,                               Plain,                        0, f.cmdClose},
    {"Frame2",                 Kind::Frame,      nullptr,   120, 3240, 7065, 1455, "Refer A Friend",                         White,     Navy,  frameFont,                             ThreeDBorder,                 8, f.Frame2},
    {"txtName",                Kind::TextBox,    "Frame2",   85,  360, 3375,  285, QString::fromUtf16(placeholders::Name), none,      none,  boxFont,                               Plain,                        9, f.txtName},
    {"cmdSubmit",              Kind::Button,     "Frame2", 1920, 1080, 3375,  285, "Refer A Friend &Now",                    none,      none,  verdana(8.25, true),                   Plain,                       10, f.cmdSubmit},
    {"txtEmail",               Kind::TextBox,    "Frame2", 3600,  360, 3375,  285, QString::fromUtf16(placeholders::Email), none,      none,  boxFont,                               Plain,                       11, f.txtEmail},
    {"txtFriendEmail",         Kind::TextBox,    "Frame2", 3600,  720, 3375,  285, QString::fromUtf16(placeholders::FriendEmail), none,      none,  boxFont,                               Plain,                       12, f.txtFriendEmail},
    {"txtFriendName",          Kind::TextBox,    "Frame2",   85,  720, 3375,  285, QString::fromUtf16(placeholders::FriendName), none,      none,  boxFont,                               Plain,                       13, f.txtFriendName},
    // Lies below the frame's lower edge, so the frame clips it from view.
    {"txtMessage",             Kind::MultiLineBox, "Frame2", 4800, 3600, 1815, 495, QString::fromUtf16(placeholders::Message) + "\r\n", none,      none,  boxFont,                               Plain,                       14, f.txtMessage},
    {"Frame6",                 Kind::Frame,      nullptr,  7320,  120, 3735, 4575, "Download Brimwell Softwares",            White,     Navy,  frameFont,                             ThreeDBorder,                15, f.Frame6},
    {"Label3",                 Kind::Label,      "Frame6",  120,  360, 3495, 3855, resourceText("exit-other-programs.txt"),  White,     none,  verdana(9),                            WordWrap | Transparent,      16, f.Label3},
    {"lblGoToHome",            Kind::LinkLabel,  "Frame6",   75, 4250,    0,    0, "Click Here To Visit Brimwell Softwares", Yellow,    none,  verdana(9, true, true),                AutoSize | Transparent,      17, f.lblGoToHome},
    };
    // clang-format on
}

} // namespace

frmExitScreen::frmExitScreen()
    : QWidget(nullptr, Qt::Window | FixedBorder)
{
    setUpDesignWindow(this, "frmExitScreen", designFont(Face::MsSansSerif, 8.25));
    setFixedSize(twips(ClientWidth), twips(ClientHeight));
    buildControls();
    Form_Load();
}

void frmExitScreen::buildControls()
{
    m_form.build(this, designTable(*this));
    m_textBoxes = {txtName, txtEmail, txtFriendName, txtFriendEmail, txtMessage};

    // The placeholders vanish while typing; these names stay.
    txtName->setAccessibleName(QStringLiteral("Your name"));
    txtEmail->setAccessibleName(QStringLiteral("Your e-mail address"));
    txtFriendName->setAccessibleName(QStringLiteral("Friend's name"));
    txtFriendEmail->setAccessibleName(QStringLiteral("Friend's e-mail address"));
    txtMessage->setAccessibleName(QStringLiteral("Your message"));
    picExitScreenIcon->setAccessibleName(QStringLiteral("Velto Arithmancy"));

    setLinkCursor(Check1, LinkCursor::Mono);
    setLinkCursor(lblGoToHome, LinkCursor::Mono);

    connect(cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);
    connect(Check1, &QCheckBox::clicked, this, &frmExitScreen::Check1_Click);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
    for (QWidget* box : m_textBoxes)
        box->installEventFilter(this);
}

void frmExitScreen::Form_Load()
{
    picExitScreenIcon->setPixmap(applicationIcon().pixmap(32, 32));

    randomize();
    const int appeal = std::min(static_cast<int>(rnd() * 4), 3);
    Label2->setText(resourceText(QStringLiteral("exit-appeal-%1.txt").arg(appeal)));

    // Above other windows; set while hidden, the flag shows nothing.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

void frmExitScreen::showModeless()
{
    if (!isVisible())
        centreOnScreen(this);
    show();
    raise();
    activateWindow();
    cmdClose->setFocus(Qt::ActiveWindowFocusReason);
}

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    // Form_Unload: never cancelled, it ends the program.
    event->accept();
    emit unloaded();
}

void frmExitScreen::Check1_Click()
{
    if (Check1->checkState() != Qt::Checked)
        return;
    Check1->setCheckState(Qt::Unchecked);
    OpenVendorPage("home-page", this);
}

QString frmExitScreen::placeholderOf(const QWidget* box) const
{
    // In the order of m_textBoxes.
    static constexpr std::array texts{placeholders::Name, placeholders::Email, placeholders::FriendName,
                                      placeholders::FriendEmail, placeholders::Message};
    return QString::fromUtf16(texts[std::ranges::find(m_textBoxes, box) - m_textBoxes.begin()]);
}

QString frmExitScreen::boxText(const QWidget* box) const
{
    if (box == txtMessage)
        return txtMessage->text();
    return static_cast<const QLineEdit*>(box)->text();
}

void frmExitScreen::setBoxText(QWidget* box, const QString& text)
{
    if (box == txtMessage)
        txtMessage->setText(text);
    else
        velto::setBoxText(static_cast<QLineEdit*>(box), text);
}

void frmExitScreen::textBox_GotFocus(QWidget* box)
{
    if (trimSpaces(boxText(box)) == placeholderOf(box))
        setBoxText(box, QString());
}

void frmExitScreen::textBox_LostFocus(QWidget* box)
{
    if (trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, placeholderOf(box));
}

bool frmExitScreen::emailBox_KeyPress(QWidget* box, const QString& text)
{
    if (text != u" ")
        return true;
    showMessage({this, QStringLiteral("Email Address Cannot Contain Space"), QMessageBox::Critical});
    box->setFocus(Qt::OtherFocusReason);
    return false;
}

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn || type == QEvent::FocusOut) {
        // Only focus moving between this window's controls counts, not a
        // message box or another program taking the activation.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool moved = reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
        if (moved && type == QEvent::FocusIn)
            textBox_GotFocus(box);
        else if (moved)
            textBox_LostFocus(box);
    }
    if (type == QEvent::KeyPress && (box == txtEmail || box == txtFriendEmail)
        && !emailBox_KeyPress(box, static_cast<QKeyEvent*>(event)->text()))
        return true;
    return QWidget::eventFilter(watched, event);
}

void frmExitScreen::cmdSubmit_Click()
{
    m_request.SenderName = trimSpaces(boxText(txtName));
    m_request.SenderEmail = trimSpaces(boxText(txtEmail));
    m_request.MessageText = trimSpaces(boxText(txtMessage));
    m_request.FriendName = trimSpaces(boxText(txtFriendName));
    m_request.FriendEmail = trimSpaces(boxText(txtFriendEmail));
    const QString& email = m_request.SenderEmail;
    const QString& friendEmail = m_request.FriendEmail;

    if (email == friendEmail) {
        showMessage({this, QStringLiteral("Please Enter Distinct Email Addresses"), QMessageBox::Critical});
        return;
    }
    if (!email.contains(u'@') || !friendEmail.contains(u'@') || !email.contains(u'.')
        || !friendEmail.contains(u'.')) {
        showMessage({this, QStringLiteral("Please Enter Proper Email Address"), QMessageBox::Critical});
        return;
    }
    SendTellAFriend(m_request, this);
}

void frmExitScreen::paintEvent(QPaintEvent* event)
{
    paintWhite(this);
    QWidget::paintEvent(event);
}

} // namespace velto
