#include "frmAbout.h"

#include "Fonts.h"
#include "LinkLabel.h"
#include "Resources.h"
#include "Twips.h"
#include "VendorHost.h"
#include "WebPages.h"
#include "WindowPlacement.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <vector>

namespace velto {

namespace {

using Kind = ControlSpec::Kind;
using enum ControlSpec::Look;

const QColor Olive(64, 64, 0);

constexpr int ClientWidth = 7065;
constexpr int ClientHeight = 2940;

std::vector<ControlSpec> designTable()
{
    const QFont link = verdana(8.25, false, true);
    const QFont windowFont = verdana(8.25);
    const std::optional<QColor> none;
    const QString description =
        QStringLiteral("Velto Arithmancy calculates the Character, Social and Heart Number for a person. "
                       "This will help in knowing your strengths and weaknesses, how to fight in dire "
                       "circumstances and learn more about your future.");
    const QString homePage = QStringLiteral("Click here to visit http://") + QLatin1String(VendorHost);

    // clang-format off
    return {
    // name           kind             container  left   top  width height caption                         fore   back  font                   look                     tab
    {"Label2",        Kind::Label,     nullptr,    810,  150, 2325,  240, productTitle(),                 Olive, none, verdana(9.75, true),   AutoSize | Transparent,  -1},
    {"Label1",        Kind::Label,     nullptr,    810,  390, 6135,  825, description,                    Olive, none, windowFont,            WordWrap | Transparent,  -1},
    {"lblHomePage",   Kind::LinkLabel, nullptr,   2865, 1215, 4050,  195, homePage,                       Olive, none, link,                  AutoSize | Transparent,  -1},
    {"Label3",        Kind::Label,     nullptr,    120, 1650, 6795,  435, "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.",
                                                                                                           Olive, none, verdana(8.25, true),   WordWrap | Transparent,  -1},
    {"lblCobrand",    Kind::LinkLabel, nullptr,   4620, 2085, 2295,  195, "Click here for more details",  Olive, none, link,                  AutoSize | Transparent,  -1},
    {"cmdOK",         Kind::Button,    nullptr,   5655, 2520, 1260,  345, "OK",                           none,  none, windowFont,            Plain,                    0},
    };
    // clang-format on
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent,
              Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                  | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(productTitle());
    setWindowIcon(applicationIcon());
    setFont(verdana(8.25));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(twips(ClientWidth), twips(ClientHeight));

    buildControls();
}

void frmAbout::buildControls()
{
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setPixmap(applicationIcon().pixmap(32, 32));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setGeometry(twips(120), twips(150), twips(480), twips(480));

    const std::vector<ControlSpec> table = designTable();
    m_form.build(this, table);

    Label1 = m_form.get<QLabel>(QStringLiteral("Label1"));
    Label2 = m_form.get<QLabel>(QStringLiteral("Label2"));
    Label3 = m_form.get<QLabel>(QStringLiteral("Label3"));
    lblHomePage = m_form.get<LinkLabel>(QStringLiteral("lblHomePage"));
    lblCobrand = m_form.get<LinkLabel>(QStringLiteral("lblCobrand"));
    cmdOK = m_form.get<QPushButton>(QStringLiteral("cmdOK"));

    // The separator runs past both edges of the window, 2 px thick.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1(2)"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setLineWidth(2);
    QPalette linePalette = Line1->palette();
    linePalette.setColor(QPalette::WindowText, Qt::black);
    Line1->setPalette(linePalette);
    const int left = twips(-60);
    Line1->setGeometry(left, twips(2430) - 1, twips(7680) - left, 2);

    lblHomePage->setCursor(linkCursor(LinkCursor::Color));
    lblCobrand->setCursor(linkCursor(LinkCursor::Color));

    // OK answers Enter as the default button and Esc as the dialog's cancel.
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::lblHomePage_Click()
{
    OpenVendorPage(QStringLiteral("home-page"));
}

void frmAbout::lblCobrand_Click()
{
    OpenVendorPage(QStringLiteral("fully-branded"));
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    // White painted here rather than set in the palette, which the OK button
    // would inherit in place of the system's button colours.
    QPainter(this).fillRect(rect(), Qt::white);
    QDialog::paintEvent(event);
}

void frmAbout::showEvent(QShowEvent* event)
{
    // Centred on the screen, not over the owner as a dialog is by default.
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void mnuAbout_Click(QWidget* owner)
{
    // exec() deletes the window itself when it closes (WA_DeleteOnClose), and
    // copes with the owner going away while the window is open.
    auto* form = new frmAbout(owner);
    form->exec();
}

} // namespace velto
