#include "ui/main/frmMain.h"

#include "engine/Reading.h"
#include "engine/SavedReadingFile.h"
#include "platform/FileAccess.h"
#include "platform/FileDialog.h"
#include "platform/Fonts.h"
#include "platform/MessageBox.h"
#include "platform/Resources.h"
#include "platform/Utf16.h"
#include "platform/WindowPlacement.h"
#include "ui/common/AccessKey.h"
#include "ui/common/Announcement.h"
#include "ui/common/DesignFrame.h"
#include "ui/common/DesignWindow.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ResultBox.h"
#include "ui/common/TrimSpaces.h"
#include "ui/common/Twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>

namespace velto {

namespace {

using Kind = ControlRow::Kind;
using enum ControlRow::Look;

const QColor Teal(22, 163, 163);
const QColor Navy(0, 0, 64);
const QColor White(255, 255, 255);
const QColor Cyan(0, 255, 255);
const QColor Blue(0, 0, 255);
const QColor DarkGrey(64, 64, 64);

constexpr int ClientWidth = 9045;
constexpr int ClientHeight = 6375;

std::vector<ControlRow> designTable(frmMain& f)
{
    const QFont link = verdana(8.25, true, true);
    const QFont caption = verdana(8.25, true);
    const QFont lead = verdana(9, true);
    const QFont number = verdana(12, true);
    const QFont sansSerif = designFont(Face::MsSansSerif, 8.25);
    const QFont windowFont = verdana(8.25);
    const std::optional<QColor> none;

    // clang-format off
    return {
    // name             kind               container       left  top   width height caption                                    fore              back      font              look                                  tab
    {"Label61",         Kind::LinkLabel,   nullptr,         142,   90, 8760,  435, resourceText("main-board-link.txt"),     Navy,             none,     link,             Centred | WordWrap | Transparent,      9, f.Label61},
    {"Frame1",          Kind::Frame,       nullptr,          45,  500, 8955, 5010, {},                                        none,             Teal,     caption,          FlatBorder,                           11, f.Frame1},
    {"Frame2",          Kind::Frame,       nullptr,          45,  480, 8955, 5010, "Velto Arithmancy Results",               White,            Teal,     verdana(9, true), FlatBorder,                           13, f.Frame2},
    {"fraFullBrand",    Kind::Frame,       nullptr,          45, 5500, 8955,  855, {},                                        none,             Teal,     caption,          ThreeDBorder,                         24, f.fraFullBrand},
    {"cmdOpen",         Kind::Button,      nullptr,        1320, 8520, 6135,  375, "&Open Previously Saved Reading",         none,             none,     verdana(9.75, true), Plain,                             10, f.cmdOpen},
    {"fraBirthDay",     Kind::Frame,       nullptr,        2640, 9000, 3645,  885, "* Birth Day",                            DarkGrey,         White,    caption,          ThreeDBorder,                          5, f.fraBirthDay},
    {"lblLabel(5)",     Kind::Label,       "Frame1",        240,  360, 8460,  675, resourceText("main-intro.txt"),          White,            none,     lead,             Centred | WordWrap | Transparent,     31, f.lblLabel[5]},
    {"lblLabel(4)",     Kind::Label,       "Frame1",        240, 1200, 8460,  435, "Velto Arithmancy tells you more about your Character, Social and Heart Number. Enter your name to learn more about yourself!",
                                                                                                                               White,            none,     lead,             Centred | WordWrap | Transparent,     27, f.lblLabel[4]},
    {"lblLabel(0)",     Kind::Label,       "Frame1",       1980, 2715, 1140,  195, "Enter Name",                             Navy,             none,     caption,          AutoSize | Transparent,               12, f.lblLabel[0]},
    {"txtName",         Kind::TextBox,     "Frame1",       3682, 2640, 3375,  345, {},                                        Cyan,             Teal,     windowFont,       FlatBorder,                            0, f.txtName},
    {"cmdNext",         Kind::Button,      "Frame1",       3682, 3960, 3375,  345, "&Get My Arithmancy Reading",             none,             none,     caption,          Plain,                                 1, f.cmdNext},
    {"lblLabel(1)",     Kind::Label,       "Frame2",        120,  330, 1785,  195, "Character Number",                       Navy,             none,     caption,          AutoSize | Transparent,               22, f.lblLabel[1]},
    {"lblResult(0)",    Kind::Label,       "Frame2",       2175,  285,  330,  270, "10",                                     Blue,             none,     number,           AutoSize | Transparent,               21, f.lblResult[0]},
    {"lblResult(3)",    Kind::Label,       "Frame2",        120,  600, 5940,  210, "This number indicates the general personality of the person.",
                                                                                                                               QColor(128, 255, 128), none, lead,           AutoSize | Transparent,               28, f.lblResult[3]},
    {"txtResult(0)",    Kind::ResultBox,   "Frame2",        120,  915, 8700,  645, {},                                        Cyan,             Teal,     windowFont,       FlatBorder,                           18, f.txtResult[0]},
    {"lblLabel(2)",     Kind::Label,       "Frame2",        120, 1770, 1365,  195, "Heart Number",                           Navy,             none,     caption,          AutoSize | Transparent,               14, f.lblLabel[2]},
    {"lblResult(1)",    Kind::Label,       "Frame2",       2175, 1725,  330,  270, "10",                                     Blue,             none,     number,           AutoSize | Transparent,               16, f.lblResult[1]},
    {"lblResult(4)",    Kind::Label,       "Frame2",        120, 2040, 7170,  210, "This number indicates the inner desires of a person and his hidden fears.",
                                                                                                                               QColor(255, 255, 128), none, lead,           AutoSize | Transparent,               29, f.lblResult[4]},
    {"txtResult(1)",    Kind::ResultBox,   "Frame2",        120, 2355, 8700,  645, {},                                        Cyan,             Teal,     windowFont,       FlatBorder,                           19, f.txtResult[1]},
    {"lblLabel(3)",     Kind::Label,       "Frame2",        120, 3210, 1410,  195, "Social Number",                          Navy,             none,     caption,          AutoSize | Transparent,               15, f.lblLabel[3]},
    {"lblResult(2)",    Kind::Label,       "Frame2",       2175, 3165,  330,  270, "10",                                     Blue,             none,     number,           AutoSize | Transparent,               17, f.lblResult[2]},
    {"lblResult(5)",    Kind::Label,       "Frame2",        120, 3480, 7335,  210, "This number indicates the outer face of a person that is seen by the world.",
                                                                                                                               QColor(255, 192, 128), none, lead,           AutoSize | Transparent,               30, f.lblResult[5]},
    {"txtResult(2)",    Kind::ResultBox,   "Frame2",        120, 3795, 8700,  645, {},                                        Cyan,             Teal,     windowFont,       FlatBorder,                           20, f.txtResult[2]},
    {"cmdBack",         Kind::Button,      "Frame2",       7820, 4500, 1000,  400, "&Back",                                  none,             none,     windowFont,       Plain,                                23, f.cmdBack},
    {"lblFullBrand",    Kind::LinkLabel,   "fraFullBrand",  120,  165, 8625,  615, resourceText("main-full-brand.txt"),     Navy,             Teal,     link,             Centred | WordWrap,                   26, f.lblFullBrand},
    {"lblCobrand",      Kind::LinkLabel,   "fraFullBrand",  120,  165, 8625,  615, resourceText("main-cobrand.txt"),        Navy,             Teal,     link,             Centred | WordWrap,                   25, f.lblCobrand},
    {"Label6",          Kind::Label,       "fraBirthDay",   120,  210,  510,  195, "Month",                                  none,             White,    sansSerif,        AutoSize,                              7},
    {"Label3",          Kind::Label,       "fraBirthDay",  1650,  210,  405,  195, "Date",                                   none,             White,    sansSerif,        AutoSize,                              6},
    {"Label7",          Kind::Label,       "fraBirthDay",  2610,  210,  390,  195, "Year",                                   none,             White,    sansSerif,        AutoSize,                              8},
    {"cboMonth",        Kind::ComboList,   "fraBirthDay",   120,  450, 1455,  315, {},                                        none,             none,     windowFont,       Plain,                                 2, f.cboMonth},
    {"cboDate",         Kind::ComboList,   "fraBirthDay",  1650,  450,  855,  315, {},                                        none,             none,     windowFont,       Plain,                                 3, f.cboDate},
    {"cboYear",         Kind::ComboList,   "fraBirthDay",  2580,  450,  975,  315, {},                                        none,             none,     windowFont,       Plain,                                 4, f.cboYear},
    };
    // clang-format on
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent, Qt::Window | FixedBorder)
{
    setUpDesignWindow(this, "frmMain", verdana(8.25));

    buildControls();
    buildMenus();
    Form_Load();
}

void frmMain::buildControls()
{
    // The fixed size belongs to the client area below the menu bar.
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twips(ClientWidth), twips(ClientHeight));
    QPalette palette = client->palette();
    palette.setColor(QPalette::Window, Teal);
    client->setPalette(palette);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    m_form.build(client, designTable(*this));

    // For a screen reader: these captions sit beside them, or nowhere.
    txtName->setAccessibleName(QStringLiteral("Name"));
    cboMonth->setAccessibleName(QStringLiteral("Birth month"));
    cboDate->setAccessibleName(QStringLiteral("Birth day"));
    cboYear->setAccessibleName(QStringLiteral("Birth year"));
    // On Linux a combo box is read by its value and its buddy label.
    findChild<QLabel*>(QStringLiteral("Label6"))->setBuddy(cboMonth);
    findChild<QLabel*>(QStringLiteral("Label3"))->setBuddy(cboDate);
    findChild<QLabel*>(QStringLiteral("Label7"))->setBuddy(cboYear);
    for (std::size_t i = 0; i < txtResult.size(); ++i) {
        txtResult[i]->setAccessibleName(lblLabel[i + 1]->text());
        txtResult[i]->setAccessibleDescription(lblResult[i + 3]->text());
        lblResult[i]->setAccessibleName(lblLabel[i + 1]->text());
    }

    m_readingSaid = new Announcement(client);

    setLinkCursor(Label61, LinkCursor::Mono);
    setLinkCursor(lblCobrand, LinkCursor::Mono);
    setLinkCursor(lblFullBrand, LinkCursor::Color);

    connect(cmdNext, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);
    // The name box converts typed letters and takes Enter.
    txtName->installEventFilter(this);
    // Alt+O is both the import button's access key and the mnemonic of the
    // unavailable "Make Money &Online" bar command.
    std::vector<QWidget*> focusable{this};
    for (QWidget* w : m_form.widgets()) {
        if (w->focusPolicy() != Qt::NoFocus)
            focusable.push_back(w);
    }
    claimAccessKey(Qt::Key_O, cmdOpen, focusable);
    for (ResultBox* box : txtResult) {
        connect(box, &ResultBox::textChanged, this, &frmMain::txtResult_Change);
        connect(box, &ResultBox::clicked, this, &frmMain::txtResult_Click);
        connect(box, &ResultBox::mouseDown, this, &frmMain::txtResult_MouseDown);
        connect(box, &ResultBox::mouseMove, this, &frmMain::txtResult_MouseMove);
        connect(box, &ResultBox::mouseUp, this, &frmMain::txtResult_MouseUp);
    }
}

void frmMain::buildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));
    const auto command = [this](QWidget* menu, const char* name, const QString& caption) {
        auto* action = new QAction(caption, this);
        action->setObjectName(QString::fromLatin1(name));
        menu->addAction(action);
        return action;
    };

    // Menus are windows of their own: they take the bar's colours, not the
    // desktop's, so that bar and menus agree under a dark theme.
    const auto menu = [bar](const char* name, const QString& caption) {
        QMenu* opened = bar->addMenu(caption);
        opened->setObjectName(QString::fromLatin1(name));
        // Heard as "File menu" when it opens, not as loose commands.
        opened->setAccessibleName(QString(caption).remove(u'&'));
        opened->setPalette(designPalette());
        return opened;
    };
    nuFile = menu("nuFile", QStringLiteral("&File"));
    mnuExit = command(nuFile, "mnuExit", QStringLiteral("E&xit"));

    mnuHelp = menu("mnuHelp", QStringLiteral("&Help"));
    mnuOnline = command(mnuHelp, "mnuOnline", QStringLiteral("&Online Help"));
    mnuVisit = command(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online"));
    mnuFileSep1 = mnuHelp->addSeparator();
    mnuFileSep1->setObjectName(QStringLiteral("mnuFileSep1"));
    mnuUpdate = command(mnuHelp, "mnuUpdate", QStringLiteral("&Check for Software Update"));
    mnuFileSep2 = mnuHelp->addSeparator();
    mnuFileSep2->setObjectName(QStringLiteral("mnuFileSep2"));
    mnuAbout = command(mnuHelp, "mnuAbout", QStringLiteral("&About Software"));

    // Commands on the bar itself.
    mnuDonate = command(bar, "mnuDonate", QStringLiteral("&Donate"));
    mnuMakeMoney = command(bar, "mnuMakeMoney", QStringLiteral("Make Money &Online"));
    mnuMakeMoney->setEnabled(false); // nothing makes it available

    connect(mnuExit, &QAction::triggered, this, &frmMain::mnuExit_Click);
    connect(mnuOnline, &QAction::triggered, this, &frmMain::mnuOnline_Click);
    connect(mnuVisit, &QAction::triggered, this, &frmMain::mnuVisit_Click);
    connect(mnuUpdate, &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    connect(mnuAbout, &QAction::triggered, this, &frmMain::mnuAbout_Click);
    connect(mnuDonate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
    connect(mnuMakeMoney, &QAction::triggered, this, &frmMain::mnuMakeMoney_Click);
    connect(Label61, &LinkLabel::clicked, this, &frmMain::Label61_Click);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

void frmMain::Form_Load()
{
    // Each list whole: item by item, each entry is announced on its own.
    const auto numbers = [](int first, int last) {
        QStringList list;
        list.reserve(last - first + 1);
        for (int n = first; n <= last; ++n)
            list.append(QString::number(n));
        return list;
    };
    cboDate->addItems(numbers(1, 31));
    cboMonth->addItems({QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                        QStringLiteral("April"), QStringLiteral("May"), QStringLiteral("June"),
                        QStringLiteral("July"), QStringLiteral("August"), QStringLiteral("September"),
                        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")});
    cboYear->addItems(numbers(1900, 2050)); // each list starts at its first entry
    Frame1->raise();
}

void frmMain::raisePromotion(bool coBrand)
{
    (coBrand ? lblCobrand : lblFullBrand)->raise();
}

bool frmMain::resultsPageInFront() const
{
    // Siblings are drawn in the order of their parent's child list.
    const QObjectList& siblings = Frame1->parentWidget()->children();
    return siblings.indexOf(Frame2) > siblings.indexOf(Frame1);
}

void frmMain::cmdNext_Click()
{
    const QString name = trimSpaces(txtName->text());
    if (!ValidateName())
        return;

    const NameReading reading = ReadName(toU16(name));
    const std::array<std::int16_t, 3> numbers = {reading.numbers.CharacterNumber, reading.numbers.HeartNumber,
                                                 reading.numbers.SocialNumber};
    QStringList spokenNumbers;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        lblResult[i]->setText(QString::number(numbers[i]));
        lblResult[i]->resize(lblResult[i]->sizeHint());
        // Read out as "Character Number 8", with the text in its box.
        const QString spoken = lblLabel[i + 1]->text() + u' ' + lblResult[i]->text();
        lblResult[i]->setAccessibleName(spoken);
        txtResult[i]->setAccessibleName(spoken);
        spokenNumbers << spoken;
    }
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const QString shown = fromU16(reading.texts[i]);
        // Setting the same text again is no change, as for any text box.
        if (txtResult[i]->toPlainText() != shown)
            txtResult[i]->setPlainText(shown);
    }
    Frame2->raise();
    // The focus stays where it was: a screen reader is told the reading.
    m_readingSaid->say(spokenNumbers.join(QLatin1String(", ")));
}

bool frmMain::ValidateName()
{
    if (!txtName->text().isEmpty())
        return true;
    showMessage({this, QStringLiteral("Please Enter Your Name"), QMessageBox::Critical});
    txtName->setFocus(Qt::OtherFocusReason);
    return false;
}

void frmMain::cmdBack_Click()
{
    m_readingSaid->say(QString());
    txtName->clear();
    txtName->setFocus(Qt::OtherFocusReason);
    Frame1->raise();
}

void frmMain::cmdOpen_Click()
{
    const QString fileName = getOpenFileName(this,
                                             {QStringLiteral("Select the source file"),
                                              QStringLiteral("Velto Numeris Pro (*.num)"),
                                              QStringLiteral("num")});
    const auto refuseFile = [this] {
        showMessage({this, QStringLiteral("Please Check The File."), QMessageBox::Critical});
    };
    switch (CheckSavedReadingPath(toU16(fileName))) {
    case SavedReadingPath::None:
        return;
    case SavedReadingPath::Refused:
        refuseFile();
        return;
    case SavedReadingPath::Accepted:
        break;
    }

    // An unreadable file counts as one without lines; one whose six lines run
    // past all that is read is refused whole.
    const FileContents file = readFileStart(fileName, MaxSavedReadingBytes);
    const std::optional<SavedReading> saved = ReadSavedReading(file.bytes, file.whole);
    if (!saved) {
        refuseFile();
        return;
    }
    const std::array<std::pair<QComboBox*, const std::u16string*>, 3> boxes = {
        {{cboMonth, &saved->month}, {cboDate, &saved->day}, {cboYear, &saved->year}}};
    for (const auto& [box, value] : boxes) {
        // A drop-down list takes only one of its own entries, in any case.
        const int entry = box->findText(fromU16(*value), Qt::MatchFixedString);
        if (entry >= 0)
            box->setCurrentIndex(entry);
    }

    cmdNext_Click();
    emit imported();
}

QChar frmMain::txtName_KeyPress(QChar key)
{
    return key >= u'a' && key <= u'z' ? QChar(key.unicode() - 32) : key;
}

bool frmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != txtName)
        return QMainWindow::eventFilter(watched, event);
    // Enter in the name box asks for the reading, a held key once.
    if (m_enter.repeats(event))
        return true;
    if (EnterKey::pressed(event)) {
        cmdNext->click();
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plainKey = !(key->modifiers()
                                & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
        if (plainKey && key->text().size() == 1) {
            const QChar typed = key->text().front();
            const QChar received = txtName_KeyPress(typed);
            if (received != typed) {
                QKeyEvent replaced(QEvent::KeyPress, key->key(), key->modifiers(), QString(received),
                                   key->isAutoRepeat(), static_cast<quint16>(key->count()));
                QCoreApplication::sendEvent(txtName, &replaced);
                return true;
            }
        }
    }
    // An input method hands typed letters over as committed text.
    if (event->type() == QEvent::InputMethod) {
        auto* input = static_cast<QInputMethodEvent*>(event);
        QString received = input->commitString();
        for (QChar& c : received)
            c = txtName_KeyPress(c);
        if (received != input->commitString()) {
            QInputMethodEvent replaced(input->preeditString(), input->attributes());
            replaced.setCommitString(received, input->replacementStart(), input->replacementLength());
            QCoreApplication::sendEvent(txtName, &replaced);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept(); // never cancelled
}

void frmMain::Form_Unload()
{
    emit unloaded(); // the shell shows the exit screen unless the program is ending
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (m_centred)
        return;
    m_centred = true;
    centreOnScreen(this);
}

} // namespace velto
