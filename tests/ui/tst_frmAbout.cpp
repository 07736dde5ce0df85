#include "TestSupport.h"

#include "shell/Shell.h"
#include "ui/about/frmAbout.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Twips.h"

#include <memory>

using namespace velto;
using velto::test::MessageRecorder;
using velto::test::vendorPage;

class TestAboutWindow : public QObject {
    Q_OBJECT

public:
    static void initMain() { velto::test::isolateEnvironment(); }

private slots:
    void initTestCase() { resolveDesignFonts(); }
    void init();
    void cleanup();

    void opensModalOverItsOwner();
    void closingDestroysIt_data();
    void closingDestroysIt();
    void linksOpenTheirPage_data();
    void linksOpenTheirPage();
    void fixedSizeCentredOnTheScreen();
    void noCaptionIsClipped();

private:
    struct Opening {
        QPointer<frmAbout> window; // null once showAbout has returned: destroyed
        bool opened = false;
        bool leftOpen = false; // still shown when the steps ended
    };

    // Opens the window through its menu handler and runs `steps` on it once
    // it is up and active; closes it afterwards if the steps left it open.
    Opening openAbout(const std::function<void(frmAbout*)>& steps);

    std::unique_ptr<QWidget> m_owner;
    QPushButton* m_ownerButton = nullptr;
    std::unique_ptr<velto::test::AddressRecorder> m_urls;
};

void TestAboutWindow::init()
{
    m_owner = std::make_unique<QWidget>();
    m_owner->setObjectName(QStringLiteral("owner"));
    m_owner->setGeometry(10, 10, 200, 150); // off centre, so centring over it would show
    m_ownerButton = new QPushButton(QStringLiteral("Owner"), m_owner.get());
    m_ownerButton->setGeometry(20, 20, 100, 30);
    QVERIFY(velto::test::showOwned(m_owner.get()));
    m_urls = std::make_unique<velto::test::AddressRecorder>();
}

void TestAboutWindow::cleanup()
{
    m_urls.reset();
    m_owner.reset();
}

TestAboutWindow::Opening TestAboutWindow::openAbout(const std::function<void(frmAbout*)>& steps)
{
    Opening opening;
    const auto answer = [&](frmAbout* window) {
        opening.window = window;
        steps(window);
        opening.leftOpen = opening.window && opening.window->isVisible();
    };
    opening.opened = velto::test::answerModal<frmAbout>([this] { showAbout(m_owner.get()); }, answer);
    return opening;
}

void TestAboutWindow::opensModalOverItsOwner()
{
    QSignalSpy ownerClicks(m_ownerButton, &QPushButton::clicked);
    const auto clickOwner = [this] {
        // Through the platform, where a window blocked by a modal one loses the click.
        QTest::mouseClick(m_owner->windowHandle(), Qt::LeftButton, {},
                          m_ownerButton->mapTo(m_owner.get(), m_ownerButton->rect().center()));
    };
    bool ownerBlocked = false;
    const Opening opening = openAbout([&](frmAbout* window) {
        QCOMPARE(window->parentWidget(), m_owner.get());
        QCOMPARE(QApplication::activeModalWidget(), window);
        QCOMPARE(QApplication::focusWidget(), window->cmdOK);
        clickOwner();
        ownerBlocked = ownerClicks.isEmpty();
    });
    QVERIFY(opening.opened);
    QVERIFY(ownerBlocked);
    QVERIFY(!opening.window);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    // The owner takes input again.
    clickOwner();
    QTRY_COMPARE(ownerClicks.size(), 1);
}

void TestAboutWindow::closingDestroysIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("OK clicked") << "click";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Return") << "return";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("close box") << "close";
}

void TestAboutWindow::closingDestroysIt()
{
    QFETCH(QString, how);
    MessageRecorder messages;
    const Opening opening = openAbout([&](frmAbout* window) {
        // Keys go where the platform sends them: to the focused control.
        QWidget* focused = QApplication::focusWidget();
        QVERIFY(focused);
        if (how == "click")
            QTest::mouseClick(window->cmdOK, Qt::LeftButton);
        else if (how == "enter")
            QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
        else if (how == "return")
            QTest::keyClick(focused, Qt::Key_Return);
        else if (how == "esc")
            QTest::keyClick(focused, Qt::Key_Escape);
        else
            window->close();
    });
    QVERIFY(opening.opened);
    QVERIFY(!opening.leftOpen);
    QVERIFY(!opening.window);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(messages.messages.empty());
    QVERIFY(m_urls->addresses.isEmpty());
}

void TestAboutWindow::linksOpenTheirPage_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("address");
    QTest::newRow("home page") << "lblHomePage" << vendorPage("home-page");
    QTest::newRow("fully branded") << "lblCobrand" << vendorPage("fully-branded");
}

void TestAboutWindow::linksOpenTheirPage()
{
    QFETCH(QString, link);
    QFETCH(QString, address);
    MessageRecorder messages;
    const Opening opening = openAbout([&](frmAbout* window) {
        auto* label = window->findChild<LinkLabel*>(link);
        QVERIFY(label);
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(m_urls->addresses, QStringList{address});
        QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        QCOMPARE(m_urls->addresses, (QStringList{address, address}));
        QVERIFY(window->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), window);
    });
    QVERIFY(opening.opened);
    QVERIFY(opening.leftOpen);
    QVERIFY(messages.messages.empty());
}

void TestAboutWindow::fixedSizeCentredOnTheScreen()
{
    const Opening opening = openAbout([&](frmAbout* window) {
        QCOMPARE(window->size(), QSize(twips(7065), twips(2940)));
        QCOMPARE(window->minimumSize(), window->maximumSize());
        const Qt::WindowFlags flags = window->windowFlags();
        QVERIFY(!(flags
                  & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                     | Qt::WindowContextHelpButtonHint)));
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        const QPoint screenCentre = window->screen()->availableGeometry().center();
        const QPoint centre = window->frameGeometry().center();
        QVERIFY2((centre - screenCentre).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("centre %1,%2").arg(centre.x()).arg(centre.y())));
    });
    QVERIFY(opening.opened);
}

void TestAboutWindow::noCaptionIsClipped()
{
    frmAbout window;
    QVERIFY(velto::test::showOwned(&window));
    QCOMPARE(window.findChildren<QLabel*>().size(), 6);
    QCOMPARE(velto::test::clippedCaptions(&window), QStringList());
    QVERIFY(window.rect().contains(window.cmdOK->geometry()));
}

QTEST_MAIN(TestAboutWindow)
#include "tst_frmAbout.moc"
