#include "TestSupport.h"

#include "platform/Settings.h"
#include "product/Product.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"
#include "ui/common/DesignFrame.h"
#include "ui/common/LinkLabel.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QAction>
#include <QDesktopServices>
#include <QPointer>
#include <QTimer>
#include <QUrl>

#if defined(Q_OS_UNIX)
#include <unistd.h>
#endif

#include <memory>

using namespace velto;
using velto::test::AddressRecorder;
using velto::test::MessageRecorder;

// A window whose unload handling calls CloseAllWindows again, as the exit
// screen's does.
class ReenteringWindow : public QWidget {
protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closes;
        CloseAllWindows();
        QWidget::closeEvent(event);
    }

public:
    int closes = 0;
};

class TestShell : public QObject {
    Q_OBJECT

public:
    static void initMain() { velto::test::isolateEnvironment(); }

private slots:
    void initTestCase() { resolveDesignFonts(); }
    void init();
    void cleanup();

    void commandsOpenTheirPages_data();
    void commandsOpenTheirPages();
    void unavailableCommandOpensNothing();
    void exitUnloadsTheMainWindow();

    void reminderByDaysBetween_data();
    void reminderByDaysBetween();
    void firstRunWritesTodayQuietly();
    void unreadableDateIsLeftAlone_data();
    void unreadableDateIsLeftAlone();
    void failedWriteOpensNoPage();

    void coBrandFollowsTheNumberDrawn();

    void closeAllUnloadsEveryWindowOnce();

    void messageBoxesAreSeenWhole_data();
    void messageBoxesAreSeenWhole();

private:
    static QString page(const char* key)
    {
        return QStringLiteral("http://%1/velto-free-arithmancy/ssd.php?page=%2")
            .arg(QLatin1String(product::VendorHost), QLatin1String(key));
    }
    void storeDuration(const QString& value) { QVERIFY(writeSetting("Settings", "Duration", value)); }
    static QString duration() { return readSetting("Settings", "Duration").value_or("(unreadable)"); }
    static QString settingsFile()
    {
        return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + applicationName()
            + "/" + applicationName() + ".conf";
    }

    std::unique_ptr<frmMain> m_window;
};

void TestShell::init()
{
    resetShutdown();
    QFile::remove(settingsFile());
    m_window = std::make_unique<frmMain>();
    connectMainWindow(m_window.get());
    m_window->setAttribute(Qt::WA_DeleteOnClose, false);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestShell::cleanup()
{
    m_window.reset();
    setProcessEndHandler({});
    resetShutdown();
}

void TestShell::commandsOpenTheirPages_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::newRow("Online Help") << "mnuOnline" << "help-web-page";
    QTest::newRow("Visit Us Online") << "mnuVisit" << "home-page";
    QTest::newRow("Check for Software Update, no question") << "mnuUpdate" << "download-web-page";
    QTest::newRow("Donate") << "mnuDonate" << "donate";
    QTest::newRow("board link") << "Label61" << "home-page";
    QTest::newRow("co-brand link") << "lblCobrand" << "co-brand";
    QTest::newRow("full-brand link") << "lblFullBrand" << "fully-branded";
}

void TestShell::commandsOpenTheirPages()
{
    QFETCH(QString, control);
    QFETCH(QString, key);
    AddressRecorder recorder;
    MessageRecorder messages;

    for (int click = 0; click < 2; ++click) {
        if (auto* action = m_window->findChild<QAction*>(control)) {
            action->trigger();
        } else {
            auto* label = m_window->findChild<LinkLabel*>(control);
            QVERIFY(label);
            label->raise(); // the two brand links share a place; click the one in front
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        }
    }

    const QString expected = page(key.toLatin1().constData());
    QCOMPARE(recorder.addresses, (QStringList{expected, expected}));
    QVERIFY(messages.messages.empty());
}

void TestShell::unavailableCommandOpensNothing()
{
    AddressRecorder recorder;
    QVERIFY(!m_window->mnuMakeMoney->isEnabled());
    m_window->mnuMakeMoney->trigger();
    QVERIFY(recorder.addresses.isEmpty());
    // Its handler still knows its page for the day it is made available.
    m_window->mnuMakeMoney_Click();
    QCOMPARE(recorder.addresses, QStringList{page("fully-branded")});
}

void TestShell::exitUnloadsTheMainWindow()
{
    m_window->setAttribute(Qt::WA_DeleteOnClose, true);
    QPointer<frmMain> window = m_window.release();
    window->mnuExit->trigger();
    QTRY_VERIFY(window.isNull());
    // What follows is the exit screen's business; it is there, and goes.
    QVERIFY(loadedExitScreen() && loadedExitScreen()->isVisible());
    delete loadedExitScreen();
}

void TestShell::reminderByDaysBetween_data()
{
    QTest::addColumn<int>("offset"); // stored date minus today, in days
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("reminds");
    QTest::newRow("14 days ago") << -14 << int(QMessageBox::Yes) << false;
    QTest::newRow("15 days ago, Yes") << -15 << int(QMessageBox::Yes) << true;
    QTest::newRow("15 days ago, No") << -15 << int(QMessageBox::No) << true;
    QTest::newRow("today") << 0 << int(QMessageBox::Yes) << false;
    QTest::newRow("14 days ahead") << 14 << int(QMessageBox::Yes) << false;
    QTest::newRow("15 days ahead (clock set back)") << 15 << int(QMessageBox::No) << true;
    QTest::newRow("years ago") << -4000 << int(QMessageBox::Yes) << true;
}

void TestShell::reminderByDaysBetween()
{
    QFETCH(int, offset);
    QFETCH(int, answer);
    QFETCH(bool, reminds);
    const QString stored = QDate::currentDate().addDays(offset).toString(Qt::ISODate);
    storeDuration(stored);
    AddressRecorder recorder;
    MessageRecorder messages(static_cast<QMessageBox::StandardButton>(answer));

    UpdateReminder();

    if (!reminds) {
        QVERIFY(messages.messages.empty());
        QCOMPARE(duration(), stored);
        QVERIFY(recorder.addresses.isEmpty());
        return;
    }
    QCOMPARE(messages.messages.size(), std::size_t{1});
    const Message& message = messages.messages.front();
    QCOMPARE(message.text, QStringLiteral("There maybe an update to this software available\r"
                                          "Do you want to check for an update?"));
    QCOMPARE(message.icon, QMessageBox::Information);
    QCOMPARE(message.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(message.defaultButton, QMessageBox::Yes);
    QCOMPARE(message.parent, nullptr);
    // Whatever the answer, the count starts again today.
    QCOMPARE(duration(), QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(recorder.addresses,
             answer == QMessageBox::Yes ? QStringList{page("download-web-page")} : QStringList{});
}

void TestShell::firstRunWritesTodayQuietly()
{
    QVERIFY(duration().isEmpty());
    MessageRecorder messages;
    UpdateReminder();
    QVERIFY(messages.messages.empty());
    QCOMPARE(duration(), QDate::currentDate().toString(Qt::ISODate));
    // And the next start is quiet too.
    UpdateReminder();
    QVERIFY(messages.messages.empty());
}

void TestShell::unreadableDateIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("stored"); // the Duration line's value, as it stands in the file
    QTest::newRow("words") << QByteArray("next tuesday");
    QTest::newRow("impossible date") << QByteArray("2026-02-30");
    QTest::newRow("short date text") << QByteArray("12/7/26");
    QTest::newRow("long junk") << QByteArray(100000, '7');
    // The store reads this as a list of two texts.
    QTest::newRow("list of dates") << QByteArray("2001-01-01, 2002-02-02");
    QTest::newRow("stored other type") << QByteArray("@Rect(1 2 3 4)");
}

void TestShell::unreadableDateIsLeftAlone()
{
    QFETCH(QByteArray, stored);
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray contents = "[Settings]\nDuration=" + stored + "\n";
    file.write(contents);
    file.close();
    MessageRecorder messages;
    AddressRecorder recorder;
    UpdateReminder();
    QVERIFY(messages.messages.empty());
    QVERIFY(recorder.addresses.isEmpty());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), contents);
}

void TestShell::failedWriteOpensNoPage()
{
    const QString old = QDate::currentDate().addDays(-30).toString(Qt::ISODate);
    storeDuration(old);
    const QString file = settingsFile();
    QVERIFY(QFile::exists(file));
#if defined(Q_OS_UNIX)
    if (::geteuid() == 0)
        QSKIP("root writes read-only files");
#endif
    QFile::setPermissions(file, QFile::ReadOwner);
    const QString folder = QFileInfo(file).absolutePath();
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);

    MessageRecorder messages(QMessageBox::Yes);
    AddressRecorder recorder;
    UpdateReminder();

    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QVERIFY(recorder.addresses.isEmpty());
    QCOMPARE(duration(), old);
}

void TestShell::coBrandFollowsTheNumberDrawn()
{
    QSet<int> drawn;
    for (int run = 0; run < 200; ++run) {
        CoBrand_Randomize(*m_window);
        const int n = intCoBrandRandomNumber();
        QVERIFY(n >= 1 && n <= 6);
        drawn.insert(n);
        const QObjectList& order = m_window->fraFullBrand->children();
        const bool cobrandInFront = order.indexOf(m_window->lblCobrand) > order.indexOf(m_window->lblFullBrand);
        QCOMPARE(cobrandInFront, n % 2 == 1);
    }
    QCOMPARE(drawn.size(), 6);
}

void TestShell::closeAllUnloadsEveryWindowOnce()
{
    int ends = 0;
    setProcessEndHandler([&ends] { ++ends; });
    auto* plain = new QWidget;
    auto* reentering = new ReenteringWindow;
    QPointer<QWidget> plainAlive = plain, reenteringAlive = reentering;
    registerWindow(plain);
    registerWindow(reentering);
    plain->show();
    reentering->show();

    CloseAllWindows();

    QCOMPARE(ends, 1);
    QCOMPARE(reentering->closes, 1);
    QVERIFY(processEnding());
    QTRY_VERIFY(plainAlive.isNull() && reenteringAlive.isNull());
    CloseAllWindows(); // after the end, nothing more happens
    QCOMPARE(ends, 1);
}

void TestShell::messageBoxesAreSeenWhole_data()
{
    QTest::addColumn<bool>("owned");
    QTest::newRow("over a window") << true;
    QTest::newRow("before any window") << false;
}

void TestShell::messageBoxesAreSeenWhole()
{
    QFETCH(bool, owned);
    QWidget* shownOver = owned ? m_window.get() : nullptr;
    int width = 0;
    bool onTop = false;
    QString title;
    QTimer::singleShot(50, this, [&] {
        QWidget* box = QApplication::activeModalWidget();
        QVERIFY(box);
        width = box->width();
        onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
        title = box->windowTitle();
        box->close();
    });
    showMessage({shownOver, QStringLiteral("Please Check The File."), QMessageBox::Critical});

    // Room for the caption in a bold title font, beside an icon and three
    // title bar buttons of at least 25 pixels each.
    QFont bold = QApplication::font();
    bold.setBold(true);
    QCOMPARE(title, QStringLiteral("Velto Arithmancy"));
    QVERIFY2(width >= QFontMetrics(bold).horizontalAdvance(title) + 100, qPrintable(QString::number(width)));
    // Without a window of ours to open over, it stays above those that stay
    // on top.
    QCOMPARE(onTop, !owned);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
