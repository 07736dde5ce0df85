#include "ui/about/frmAbout.h"

#include "platform/Fonts.h"
#include "platform/Resources.h"
#include "platform/WindowPlacement.h"
#include "product/Product.h"
#include "ui/common/DesignWindow.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace velto {

namespace {

using Kind = ControlRow::Kind;
using enum ControlRow::Look;

const QColor Olive(64, 64, 0);

constexpr int ClientWidth = 7065;
constexpr int ClientHeight = 2940;

std::vector<ControlRow> designTable(frmAbout& f)
{
    const QFont link = verdana(8.25, false, true);
    const QFont windowFont = verdana(8.25);
    const std::optional<QColor> none;
    const QString description = QStringLiteral(
        "Velto Arithmancy calculates the Character, Social and Heart Number for a person. "
        "This will help in knowing your strengths and weaknesses, how to fight in dire "
        "circumstances and learn more about your future.");
    const QString homePage = QStringLiteral("Click here to visit http://")
        + QLatin1String(product::VendorHost);

    // clang-format off
    return {
    // name           kind             container  left   top  width height caption                         fore   back  font                   look                     tab member
    {"Picture1",      Kind::Label,     nullptr,    120,  150,  480,  480, {},                             none,  none, windowFont,            Transparent,             -1, f.Picture1},
    {"Label2",        Kind::Label,     nullptr,    810,  150, 2325,  240, productTitle(),                 Olive, none, verdana(9.75, true),   AutoSize | Transparent,  -1, f.Label2},
    {"Label1",        Kind::Label,     nullptr,    810,  390, 6135,  825, description,                    Olive, none, windowFont,            WordWrap | Transparent,  -1, f.Label1},
    {"lblHomePage",   Kind::LinkLabel, nullptr,   2865, 1215, 4050,  195, homePage,                       Olive, none, link,                  AutoSize | Transparent,  -1, f.lblHomePage},
    {"Label3",        Kind::Label,     nullptr,    120, 1650, 6795,  435, "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website.",
                                                                                                           Olive, none, verdana(8.25, true),   WordWrap | Transparent,  -1, f.Label3},
    {"lblCobrand",    Kind::LinkLabel, nullptr,   4620, 2085, 2295,  195, "Click here for more details",  Olive, none, link,                  AutoSize | Transparent,  -1, f.lblCobrand},
    {"cmdOK",         Kind::Button,    nullptr,   5655, 2520, 1260,  345, "OK",                           none,  none, windowFont,            Plain,                    0, f.cmdOK},
    };
    // clang-format on
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | FixedBorder)
{
    setUpDesignWindow(this, "frmAbout", verdana(8.25));
    setFixedSize(twips(ClientWidth), twips(ClientHeight));

    buildControls();
}

void frmAbout::buildControls()
{
    m_form.build(this, designTable(*this));
    Picture1->setPixmap(applicationIcon().pixmap(32, 32));

    // The separator runs past both edges of the window, 2 px thick.
    Line1 = new QFrame(this);
    Line1->setObjectName(QStringLiteral("Line1(2)"));
    Line1->setFrameStyle(QFrame::HLine | QFrame::Plain);
    Line1->setLineWidth(2);
    const int left = twips(-60);
    Line1->setGeometry(left, twips(2430) - 1, twips(7680) - left, 2);

    setLinkCursor(lblHomePage, LinkCursor::Color);
    setLinkCursor(lblCobrand, LinkCursor::Color);

    // OK answers Enter as the default button and Esc as the dialog's cancel.
    cmdOK->setDefault(true);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmAbout::lblCobrand_Click);
}

void frmAbout::paintEvent(QPaintEvent* event)
{
    paintWhite(this);
    QDialog::paintEvent(event);
}

void frmAbout::showEvent(QShowEvent* event)
{
    // Centred on the screen, not over the owner as a dialog is by default.
    QDialog::showEvent(event);
    centreOnScreen(this);
}

} // namespace velto
