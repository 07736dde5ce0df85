#include "TestSupport.h"

#include "platform/CommandLine.h"
#include "platform/InstanceLock.h"
#include "platform/Process.h"
#include "platform/Resources.h"
#include "platform/Settings.h"
#include "platform/Termination.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"
#include "ui/about/frmAbout.h"
#include "ui/common/LinkLabel.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#if defined(Q_OS_UNIX)
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#endif
#if defined(Q_OS_WIN)
#include <aclapi.h>
#include <windows.h>
#endif

#include <cmath>
#include <csignal>
#include <memory>
#include <system_error>
#include <thread>

using namespace velto;
using velto::test::AddressRecorder;
using velto::test::MessageRecorder;
using velto::test::vendorPage;

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
    void initTestCase();
    void init();
    void cleanup();

    void commandLineIsReadAsQtReadsIt_data();
    void commandLineIsReadAsQtReadsIt();
    void commandsOpenTheirPages_data();
    void commandsOpenTheirPages();
    void unavailableCommandOpensNothing();
    void secondCopyIsToldAndEnds();
    void lockTakesOverWhatNoCopyMade_data();
    void lockTakesOverWhatNoCopyMade();

    void reminderByDaysBetween_data();
    void reminderByDaysBetween();
    void firstRunWritesTodayQuietly();
    void unreadableDateIsLeftAlone_data();
    void unreadableDateIsLeftAlone();
    void settingsFileKeepsItsOtherLines_data();
    void settingsFileKeepsItsOtherLines();
    void writeCountsWhatReadsBack();
    void failedWriteOpensNoPage();
    void homeComesFromTheUserDatabase();
    void fontsAreReadWithoutAThread();
    void descriptorLimitIsRaisedToWhatIsNeeded();
    void terminationRequestReachesTheHandler_data();
    void terminationRequestReachesTheHandler();

    void coBrandFollowsTheNumberDrawn();

    void closeAllUnloadsEveryWindowOnce();

    void messageBoxesAreSeenWhole_data();
    void messageBoxesAreSeenWhole();

    void windowsLookTheSameOnAnyDesktop_data();
    void windowsLookTheSameOnAnyDesktop();
    void focusIsPlainOnEveryControl_data();
    void focusIsPlainOnEveryControl();

private:
    void storeDuration(const QString& value) { QVERIFY(writeSetting("Settings", "Duration", value)); }
    static QString duration() { return readSetting("Settings", "Duration").value_or("(unreadable)"); }
    // The store as each system keeps it, read and written behind the
    // program's back: an INI file on Unix, the registry on Windows.
    static void clearStore();
    static void writeStoredDuration(const QByteArray& stored);
    static QByteArray storeSnapshot();
    // Whether the store could be made read-only (false: the test skips).
    static bool makeStoreReadOnly(bool readOnly);

    std::unique_ptr<frmMain> m_window;
    int m_terminationRequests = 0;

#if defined(Q_OS_WIN)
private slots:
    void othersDatesAreNotTheUsers_data();
    void othersDatesAreNotTheUsers();
    void otherTypesAreNoDates_data();
    void otherTypesAreNoDates();
    void shortPathsAreMadeLong();
#endif
};

#if defined(Q_OS_WIN)
namespace {

std::wstring settingsKey()
{
    return L"Software\\" + QString::fromLatin1(product::Vendor).toStdWString() + L"\\"
        + applicationName().toStdWString();
}

} // namespace

void TestShell::clearStore()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey().c_str());
}

void TestShell::writeStoredDuration(const QByteArray& stored)
{
    // Raw, as another program would leave it: QSettings would escape "@".
    const std::wstring value = QString::fromLatin1(stored).toStdWString();
    QCOMPARE(::RegSetKeyValueW(HKEY_CURRENT_USER, (settingsKey() + L"\\Settings").c_str(), L"Duration",
                               REG_SZ, value.c_str(),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
             LONG{ERROR_SUCCESS});
}

QByteArray TestShell::storeSnapshot()
{
    const std::wstring key = settingsKey() + L"\\Settings";
    DWORD bytes = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Duration", RRF_RT_REG_SZ, nullptr, nullptr, &bytes)
        != ERROR_SUCCESS)
        return {};
    std::wstring value(bytes / sizeof(wchar_t), L'\0');
    ::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Duration", RRF_RT_REG_SZ, nullptr, value.data(), &bytes);
    value.resize(std::wcslen(value.c_str()));
    return QString::fromStdWString(value).toLatin1();
}

bool TestShell::makeStoreReadOnly(bool readOnly)
{
    // Everyone may read the program's key and its section; with `readOnly`,
    // nobody may write. Each key gets the rights itself: Wine passes them on
    // only to keys made later.
    EXPLICIT_ACCESS_W access{};
    access.grfAccessPermissions = readOnly ? KEY_READ : KEY_ALL_ACCESS;
    access.grfAccessMode = SET_ACCESS;
    access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
    access.Trustee.TrusteeForm = TRUSTEE_IS_NAME;
    access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
    wchar_t everyone[] = L"EVERYONE";
    access.Trustee.ptstrName = everyone;
    PACL acl = nullptr;
    bool set = ::SetEntriesInAclW(1, &access, nullptr, &acl) == ERROR_SUCCESS;
    for (const std::wstring& name : {settingsKey(), settingsKey() + L"\\Settings"}) {
        HKEY key = nullptr;
        set = set
            && ::RegOpenKeyExW(HKEY_CURRENT_USER, name.c_str(), 0, READ_CONTROL | WRITE_DAC, &key)
                == ERROR_SUCCESS
            && ::SetSecurityInfo(key, SE_REGISTRY_KEY,
                                 DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION, nullptr,
                                 nullptr, acl, nullptr)
                == ERROR_SUCCESS;
        if (key)
            ::RegCloseKey(key);
    }
    ::LocalFree(acl);
    if (set && readOnly) {
        // Wine keeps the rights but may not check them on every key.
        HKEY probe = nullptr;
        const LONG opened = ::RegOpenKeyExW(HKEY_CURRENT_USER, (settingsKey() + L"\\Settings").c_str(), 0,
                                            KEY_SET_VALUE, &probe);
        if (opened == ERROR_SUCCESS) {
            ::RegCloseKey(probe);
            set = false;
        }
    }
    return set;
}

void TestShell::othersDatesAreNotTheUsers_data()
{
    // clang-format off
    QTest::addColumn<bool>("machineWide");
    QTest::addColumn<QString>("program"); // the key under the vendor's
    QTest::newRow("machine-wide") << true << applicationName();
    QTest::newRow("the vendor's defaults") << false << "OrganizationDefaults";
    QTest::newRow("the vendor's machine-wide defaults") << true << "OrganizationDefaults";
    // clang-format on
}

void TestShell::othersDatesAreNotTheUsers()
{
    // Only the user's own date counts: a month-old one anywhere else would
    // remind the user at the first start.
    QFETCH(bool, machineWide);
    QFETCH(QString, program);
    const HKEY root = machineWide ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
    const std::wstring key = L"Software\\" + QString::fromLatin1(product::Vendor).toStdWString() + L"\\"
        + program.toStdWString();
    const std::wstring old = QDate::currentDate().addDays(-30).toString(Qt::ISODate).toStdWString();
    if (::RegSetKeyValueW(root, (key + L"\\Settings").c_str(), L"Duration", REG_SZ, old.c_str(),
                          static_cast<DWORD>((old.size() + 1) * sizeof(wchar_t)))
        != ERROR_SUCCESS)
        QSKIP("that key cannot be written here");
    MessageRecorder messages;
    const QString read = duration();
    UpdateReminder();
    ::RegDeleteTreeW(root, key.c_str());
    QCOMPARE(read, QString());
    QVERIFY(messages.messages.empty());
    QCOMPARE(duration(), QDate::currentDate().toString(Qt::ISODate));
}
void TestShell::otherTypesAreNoDates_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("number") << int(REG_DWORD);
    QTest::newRow("bytes") << int(REG_BINARY);
    QTest::newRow("text to expand") << int(REG_EXPAND_SZ);
    QTest::newRow("list of texts") << int(REG_MULTI_SZ);
}

void TestShell::otherTypesAreNoDates()
{
    // Not of the type the program writes, a value is another program's,
    // whatever its bytes spell: no reminder, and it stays as it is.
    QFETCH(int, type);
    const std::wstring key = settingsKey() + L"\\Settings";
    const std::wstring old = QDate::currentDate().addDays(-30).toString(Qt::ISODate).toStdWString() + L'\0';
    const DWORD number = 20010101;
    QCOMPARE(::RegSetKeyValueW(HKEY_CURRENT_USER, key.c_str(), L"Duration", DWORD(type),
                               type == REG_DWORD ? static_cast<const void*>(&number) : old.c_str(),
                               type == REG_DWORD ? sizeof number : DWORD((old.size() + 1) * sizeof(wchar_t))),
             LONG{ERROR_SUCCESS});
    MessageRecorder messages;
    UpdateReminder();
    QVERIFY(messages.messages.empty());
    DWORD after = REG_NONE;
    QCOMPARE(::RegGetValueW(HKEY_CURRENT_USER, key.c_str(), L"Duration", RRF_RT_ANY | RRF_NOEXPAND, &after,
                            nullptr, nullptr),
             LONG{ERROR_SUCCESS});
    QCOMPARE(int(after), type);
}

void TestShell::shortPathsAreMadeLong()
{
    // Started as C:\PROG~FBU\VELT~2ZA\VELT~FXT.EXE the program must still
    // call itself by its name.
    QTemporaryDir folder(QDir::tempPath() + "/Long Folder Name XXXXXX");
    const QString program = folder.filePath("velto-arithmancy.exe");
    QVERIFY(QFile(program).open(QIODevice::WriteOnly));
    std::wstring shortened(MAX_PATH, L'\0');
    shortened.resize(::GetShortPathNameW(QDir::toNativeSeparators(program).toStdWString().c_str(),
                                         shortened.data(), MAX_PATH));
    const QString given = QDir::fromNativeSeparators(QString::fromStdWString(shortened));
    if (given.isEmpty() || given.endsWith("velto-arithmancy.exe"))
        QSKIP("no short names on this file system");
    QCOMPARE(QFileInfo(longPathName(given)).canonicalFilePath(), QFileInfo(program).canonicalFilePath());
}
#else
namespace {

QString settingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + applicationName()
        + "/" + applicationName() + ".conf";
}

} // namespace

void TestShell::clearStore()
{
    QFile::remove(settingsFile());
}

void TestShell::writeStoredDuration(const QByteArray& stored)
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Settings]\nDuration=" + stored + "\n");
}

QByteArray TestShell::storeSnapshot()
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool TestShell::makeStoreReadOnly(bool readOnly)
{
    // Root writes read-only files.
    if (::geteuid() == 0)
        return false;
    const QString file = settingsFile();
    const QString folder = QFileInfo(file).absolutePath();
    const auto write = readOnly ? QFile::Permissions() : QFile::Permissions(QFile::WriteOwner);
    return QFile::setPermissions(file, QFile::ReadOwner | write)
        && QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner | write);
}
#endif

void TestShell::initTestCase()
{
    resolveDesignFonts();
    onTerminationRequest([this] { ++m_terminationRequests; });
}

void TestShell::init()
{
    resetShutdown();
    clearStore();
    m_window = std::make_unique<frmMain>();
    connectMainWindow(m_window.get());
    QVERIFY(velto::test::showOwned(m_window.get()));
}

void TestShell::cleanup()
{
    m_window.reset();
    setProcessEndHandler({});
    resetShutdown();
}

void TestShell::secondCopyIsToldAndEnds()
{
    auto first = std::make_unique<InstanceLock>();
    QCOMPARE(first->acquire(), InstanceLock::Result::Acquired);
#if defined(Q_OS_UNIX)
    // The folder is locked only while a lock is taken: later starts must not wait.
    const int folder = ::open(qgetenv("XDG_RUNTIME_DIR").constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    QVERIFY(folder >= 0);
    const bool folderFree = ::flock(folder, LOCK_EX | LOCK_NB) == 0;
    ::close(folder);
    QVERIFY(folderFree);
    // A start that cannot open its runtime folder, or can but not one file
    // more, takes nobody's lock away, and cannot tell whether another copy
    // runs.
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
    const int lowestFree = ::dup(0);
    ::close(lowestFree);
    for (const int room : {0, 1}) {
        rlimit starved = saved;
        starved.rlim_cur = static_cast<rlim_t>(lowestFree + room);
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &starved) == 0);
        const InstanceLock::Result shortOfDescriptors = InstanceLock().acquire();
        QVERIFY(::setrlimit(RLIMIT_NOFILE, &saved) == 0);
        QCOMPARE(shortOfDescriptors, InstanceLock::Result::OutOfResources);
    }
    // Told so, the start ends, saying why, rather than run beside a copy it
    // cannot see: in a child, since it ends the process.
    int said[2];
    QVERIFY(::pipe(said) == 0);
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(said[1], STDERR_FILENO);
        ::close(said[0]);
        ::close(said[1]);
        rlimit starved = saved;
        starved.rlim_cur = static_cast<rlim_t>(::dup(0));
        ::setrlimit(RLIMIT_NOFILE, &starved);
        StartUp();
        ::_exit(0);
    }
    ::close(said[1]);
    QFile childSaid;
    QVERIFY(childSaid.open(said[0], QIODevice::ReadOnly, QFileDevice::AutoCloseHandle));
    int status = 0;
    const bool ended = QTest::qWaitFor([&] { return ::waitpid(child, &status, WNOHANG) == child; }, 10000);
    if (!ended) {
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    }
    QVERIFY(ended);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == EXIT_FAILURE);
    QVERIFY(childSaid.readAll().contains("too little memory to tell whether another copy runs"));
    QCOMPARE(InstanceLock().acquire(), InstanceLock::Result::HeldByAnother);
#endif
    int ends = 0;
    setProcessEndHandler([&ends] { ++ends; });
    QApplication::setWindowIcon({});
    MessageRecorder messages;
    QCOMPARE(StartUp(), nullptr);
    first.reset();
    QVERIFY(!QApplication::windowIcon().isNull()); // the refusal shows the program's icon
    QVERIFY(duration().isEmpty());                 // and nothing is written
    QCOMPARE(messages.texts(), QStringList{"Application is already running"});
    QCOMPARE(messages.messages.front().icon, QMessageBox::Information);
    QCOMPARE(messages.messages.front().parent, nullptr);
    QCOMPARE(ends, 1);
}

void TestShell::lockTakesOverWhatNoCopyMade_data()
{
    QTest::addColumn<QString>("atLockPath"); // what sits where the lock goes
    QTest::addColumn<QString>("runtime");    // where the second copy looks, started as named
    for (const char* row : {"garbage", "folder", "link", "other user"})
        QTest::newRow(row) << row << "the same";
    // Root opens another user's file; a user cannot, and must still see
    // that no copy of its own made it.
    QTest::newRow("other user, seen by a user") << "other user"
                                                << "the same, as a user";
    // The first copy in a desktop session; the second without a runtime
    // folder named (su, sudo, ssh), or with one that others, or only its
    // group, may enter, or that is somebody else's.
    for (const char* row : {"unset", "open to all", "open to its group", "somebody else's"})
        QTest::newRow(row) << "" << row;
}

void TestShell::lockTakesOverWhatNoCopyMade()
{
#if !defined(Q_OS_UNIX)
    QSKIP("the lock is a named object there");
#else
    QFETCH(QString, atLockPath);
    QFETCH(QString, runtime);
    const bool root = ::geteuid() == 0;
    const QByteArray named = qgetenv("XDG_RUNTIME_DIR");
    const auto restore = qScopeGuard([&named] { qputenv("XDG_RUNTIME_DIR", named); });
    QTemporaryDir scratch;
    const bool asUser = runtime == "the same, as a user";
    if (asUser) {
        const QByteArray own = QFile::encodeName(scratch.filePath("user"));
        if (!root || ::mkdir(own.constData(), 0700) != 0 || ::chown(own.constData(), 65534, 65534) != 0
            || ::chmod(QFile::encodeName(scratch.path()).constData(), 0711) != 0)
            QSKIP("another user's file needs root");
        qputenv("XDG_RUNTIME_DIR", own);
    }
    const QString lock = QString::fromLocal8Bit(qgetenv("XDG_RUNTIME_DIR")) + u'/' + applicationName()
        + QStringLiteral(".lock");
    const QString target = scratch.filePath("target");
    QFile(target).open(QIODevice::WriteOnly);
    QVERIFY(QFile(lock).remove() || QDir(lock).removeRecursively() || !QFileInfo::exists(lock));
    // Only a live copy refuses a start: whatever else sits at the lock's
    // path is taken over, and the new lock holds against the next copy.
    if (atLockPath == "folder")
        QVERIFY(QDir().mkpath(lock + "/inside"));
    else if (atLockPath == "link")
        QVERIFY(QFile::link(target, lock));
    else if (!atLockPath.isEmpty()) {
        QFile file(lock);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(300, '\xA5'));
        if (atLockPath == "other user" && !asUser
            && (!root || ::chown(QFile::encodeName(lock).constData(), 65534, 65534) != 0))
            QSKIP("another user's file needs root");
    }
    // Two copies for one user never run at once, however each was started.
    const QByteArray session = "/run/user/" + QByteArray::number(::geteuid());
    const bool made = !runtime.startsWith("the same") && !QFileInfo::exists(session) && root
        && ::mkdir(session.constData(), 0700) == 0;
    const auto unmake = qScopeGuard([&] {
        if (made)
            QDir(QString::fromLocal8Bit(session)).removeRecursively();
    });
    if (!runtime.startsWith("the same")) {
        if (!QFileInfo::exists(session))
            QSKIP("no session runtime folder, and not root to make one");
        qputenv("XDG_RUNTIME_DIR", session);
    }
    if (asUser)
        QVERIFY(::seteuid(65534) == 0);
    const auto backToRoot = qScopeGuard([asUser] {
        if (asUser)
            QVERIFY(::seteuid(0) == 0);
    });
    InstanceLock first;
    QCOMPARE(first.acquire(), InstanceLock::Result::Acquired);
    // What holds the lock is a file of this user's own: another user's could
    // be held by that user, even as root's.
    if (runtime.startsWith("the same"))
        QCOMPARE(QFileInfo(lock).ownerId(), uint(::geteuid()));
    if (!runtime.startsWith("the same")) {
        const QString other = scratch.filePath("runtime");
        QDir().mkdir(other);
        const int mode = runtime == "open to all" ? 0777 : runtime == "open to its group" ? 0710 : 0700;
        QVERIFY(::chmod(QFile::encodeName(other).constData(), mode) == 0);
        if (runtime == "somebody else's"
            && (!root || ::chown(QFile::encodeName(other).constData(), 65534, 65534) != 0))
            QSKIP("another user's folder needs root");
        if (runtime == "unset")
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", QFile::encodeName(other));
    }
    QCOMPARE(InstanceLock().acquire(), InstanceLock::Result::HeldByAnother);
    QCOMPARE(QFileInfo(target).size(), 0); // what a linked lock named is untouched
#endif
}

void TestShell::commandLineIsReadAsQtReadsIt_data()
{
    using Request = CommandLine::Request;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Request>("request");
    QTest::addColumn<QString>("unknown");
    // Every option Qt documents for QGuiApplication and QApplication, and
    // those the xcb platform takes: none is a bundle of -h or -v.
    for (const char* given : {"-platform xcb",
                              "-platformpluginpath /opt/plugins",
                              "-platformtheme gtk3",
                              "-plugin evdevtouch",
                              "-qwindowgeometry 640x480",
                              "-qwindowicon icon.png",
                              "-qwindowtitle title",
                              "-reverse",
                              "-session 1234_5",
                              "-display :1",
                              "-geometry 640x480+0+0",
                              "-title title",
                              "-icon icon.png",
                              "-name velto",
                              "-visual 0x21",
                              "-nograb",
                              "-dograb",
                              "-style Fusion",
                              "-style=Fusion",
                              "-stylesheet x.qss",
                              "-stylesheet=x.qss",
                              "-widgetcount",
                              "-qmljsdebugger port:1",
                              "-qmljsdebugger=port:1",
                              "-testability",
                              "-qdevel",
                              "-qdebug"}) {
        for (const QString dashes : {"", "-"}) {
            const QStringList option = (dashes + QLatin1String(given)).split(u' ');
            QTest::addRow("Qt's %s", qPrintable(option.join(u' '))) << option << Request::Start << QString();
        }
    }
    QTest::newRow("no arguments") << QStringList() << Request::Start << QString();
    QTest::newRow("a file, as Open with hands it")
        << QStringList{"/home/u/reading.num"} << Request::Start << QString();
    QTest::newRow("standard input") << QStringList{"-"} << Request::Start << QString();
    QTest::newRow("after --") << QStringList{"--", "--hlep"} << Request::Start << QString();
    QTest::newRow("a value is not an option")
        << QStringList{"-platform", "--help"} << Request::Start << QString();
    QTest::newRow("-h") << QStringList{"-h"} << Request::Help << QString();
    QTest::newRow("--help after Qt's") << QStringList{"-reverse", "--help"} << Request::Help << QString();
    QTest::newRow("-v") << QStringList{"-v"} << Request::Version << QString();
    QTest::newRow("--version") << QStringList{"--version"} << Request::Version << QString();
    for (const QString unknown : {"--hlep", "-V", "--usage", "--version=3", "--help=x", "-hv", "-platformx"})
        QTest::addRow("unknown %s", qPrintable(unknown))
            << QStringList{unknown} << Request::Unknown << unknown;
}

void TestShell::commandLineIsReadAsQtReadsIt()
{
    QFETCH(QStringList, arguments);
    QFETCH(CommandLine::Request, request);
    QFETCH(QString, unknown);
    arguments.prepend(QStringLiteral("velto-arithmancy"));
    const CommandLine line = readCommandLine(arguments);
    QCOMPARE(line.request, request);
    QCOMPARE(line.unknownOption, unknown);
}

void TestShell::commandsOpenTheirPages_data()
{
    // clang-format off
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("key");
    QTest::newRow("Online Help") << "mnuOnline" << "help-web-page";
    QTest::newRow("Visit Us Online") << "mnuVisit" << "home-page";
    QTest::newRow("Check for Software Update, no question") << "mnuUpdate" << "download-web-page";
    QTest::newRow("Donate") << "mnuDonate" << "donate";
    QTest::newRow("board link") << "Label61" << "home-page";
    QTest::newRow("co-brand link") << "lblCobrand" << "co-brand";
    QTest::newRow("full-brand link") << "lblFullBrand" << "fully-branded";
    // clang-format on
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

    const QString expected = vendorPage(key.toLatin1().constData());
    QCOMPARE(recorder.addresses, (QStringList{expected, expected}));
    QVERIFY(messages.messages.empty());
}

void TestShell::unavailableCommandOpensNothing()
{
    AddressRecorder recorder;
    QVERIFY(!m_window->mnuMakeMoney->isEnabled());
    // It looks unavailable: its caption greyed, far paler than the others'.
    QMenuBar* bar = m_window->menuBar();
    const QImage drawn = bar->grab().toImage();
    const auto darkest = [&](QAction* action) {
        const QRect area = bar->actionGeometry(action);
        int value = 255;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x)
                value = std::min(value,
                                 qGray(drawn.pixel((QPointF(x, y) * drawn.devicePixelRatio()).toPoint())));
        }
        return value;
    };
    const int greyed = darkest(m_window->mnuMakeMoney), other = darkest(m_window->mnuDonate);
    QVERIFY2(greyed > other + 100, qPrintable(QStringLiteral("%1 against %2").arg(greyed).arg(other)));
    m_window->mnuMakeMoney->trigger();
    QVERIFY(recorder.addresses.isEmpty());
    // Its handler still knows its page for the day it is made available.
    m_window->mnuMakeMoney_Click();
    QCOMPARE(recorder.addresses, QStringList{vendorPage("fully-branded")});
}

void TestShell::reminderByDaysBetween_data()
{
    QTest::addColumn<int>("offset"); // stored date minus today, in days
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("reminds");
    QTest::newRow("14 days ago") << -14 << int(QMessageBox::Yes) << false;
    QTest::newRow("15 days ago, Yes") << -15 << int(QMessageBox::Yes) << true;
    QTest::newRow("15 days ago, No") << -15 << int(QMessageBox::No) << true;
    QTest::newRow("15 days ago, closed unanswered") << -15 << int(QMessageBox::NoButton) << true;
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
    QCOMPARE(messages.texts(),
             QStringList{"There maybe an update to this software available\r"
                         "Do you want to check for an update?"});
    const Message& message = messages.messages.front();
    QCOMPARE(message.icon, QMessageBox::Information);
    QCOMPARE(message.buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(message.defaultButton, QMessageBox::Yes);
    QCOMPARE(message.parent, nullptr);
    // Whatever the answer, the count starts again today; no answer records
    // nothing.
    QCOMPARE(duration(),
             answer == QMessageBox::NoButton ? stored : QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(recorder.addresses,
             answer == QMessageBox::Yes ? QStringList{vendorPage("download-web-page")} : QStringList{});
}

void TestShell::firstRunWritesTodayQuietly()
{
    QVERIFY(duration().isEmpty());
    MessageRecorder messages;
    UpdateReminder();
    QVERIFY(messages.messages.empty());
    QCOMPARE(duration(), QDate::currentDate().toString(Qt::ISODate));
}

void TestShell::unreadableDateIsLeftAlone_data()
{
    QTest::addColumn<QByteArray>("stored"); // the Duration line's value, as it stands in the file
    QTest::newRow("words") << QByteArray("next tuesday");
    QTest::newRow("impossible date") << QByteArray("2026-02-30");
    QTest::newRow("short date text") << QByteArray("12/7/26");
    QTest::newRow("long junk") << QByteArray(100000, '7');
    QTest::newRow("binary") << QByteArray("junk\001\002\033[0m\377");
    QTest::newRow("date with text after it") << QByteArray("2001-01-01 or so");
    // The INI store reads this as a list of two texts, the registry as one.
    QTest::newRow("list of dates") << QByteArray("2001-01-01, 2002-02-02");
    QTest::newRow("stored other type") << QByteArray("@Rect(1 2 3 4)");
    QTest::newRow("text like an empty value") << QByteArray("@Invalid()");
    QTest::newRow("text like a value of no type") << QByteArray("@Variant(abc)");
}

void TestShell::unreadableDateIsLeftAlone()
{
    QFETCH(QByteArray, stored);
    writeStoredDuration(stored);
    const QByteArray before = storeSnapshot();
    QVERIFY(before.contains(stored));
    MessageRecorder messages;
    AddressRecorder recorder;
    UpdateReminder();
    QVERIFY(messages.messages.empty());
    QVERIFY(recorder.addresses.isEmpty());
    QCOMPARE(storeSnapshot(), before);
}

void TestShell::settingsFileKeepsItsOtherLines_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    const QByteArray entry = "Duration=" + QDate::currentDate().toString(Qt::ISODate).toLatin1() + '\n';
    QTest::newRow("a section without the key") << QByteArray("[Settings]\n") << "[Settings]\n" + entry;
    QTest::newRow("a section before another") << QByteArray("[Settings]\n[Other]\nDuration=x\n")
                                              << "[Settings]\n" + entry + "[Other]\nDuration=x\n";
    QTest::newRow("no line end at the end")
        << QByteArray("[Settings]\nDuration=2001-01-01") << "[Settings]\n" + entry;
    QTest::newRow("another section only")
        << QByteArray("[Other]\nx=1\n") << "[Other]\nx=1\n\n[Settings]\n" + entry;
}

void TestShell::settingsFileKeepsItsOtherLines()
{
#if defined(Q_OS_WIN)
    QSKIP("the registry keeps each value apart");
#else
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(before) == before.size());
    file.close();
    storeDuration(QDate::currentDate().toString(Qt::ISODate));
    QCOMPARE(storeSnapshot(), after);
#endif
}

void TestShell::writeCountsWhatReadsBack()
{
    // Stored, but read back as something else (a list in the INI file; a
    // text ending at its null in the registry): not written.
    QVERIFY(!writeSetting("Settings", "Duration", QStringLiteral("1, 2") + QChar(0) + u'3'));
}

void TestShell::failedWriteOpensNoPage()
{
    const QString old = QDate::currentDate().addDays(-30).toString(Qt::ISODate);
    storeDuration(old);
    QVERIFY(storeSnapshot().contains(old.toLatin1()));
    if (!makeStoreReadOnly(true))
        QSKIP("the store cannot be made read-only here (root, or Wine not checking a key's rights)");

    MessageRecorder messages(QMessageBox::Yes);
    AddressRecorder recorder;
    UpdateReminder();

    QVERIFY(makeStoreReadOnly(false));
    QCOMPARE(messages.messages.size(), std::size_t{1});
    QVERIFY(recorder.addresses.isEmpty());
    QCOMPARE(duration(), old);
}

void TestShell::terminationRequestReachesTheHandler_data()
{
    QTest::addColumn<int>("request");
#if defined(Q_OS_WIN)
    QTest::newRow("end of the session") << 0;
#else
    QTest::newRow("TERM") << SIGTERM;
    QTest::newRow("INT") << SIGINT;
    QTest::newRow("HUP") << SIGHUP;
#endif
}

void TestShell::terminationRequestReachesTheHandler()
{
    // Each request reaches the handler on this thread, once; a request that
    // never got there would end the process within two seconds.
    QFETCH(int, request);
    const int before = m_terminationRequests;
#if defined(Q_OS_WIN)
    // As the session ends, WM_ENDSESSION comes through the event loop; FALSE
    // first, for a log-off that was cancelled, which must end nothing.
    Q_UNUSED(request);
    QVERIFY(::PostThreadMessageW(::GetCurrentThreadId(), WM_ENDSESSION, FALSE, 0));
    QVERIFY(::PostThreadMessageW(::GetCurrentThreadId(), WM_ENDSESSION, TRUE, 0));
#else
    QCOMPARE(::raise(request), 0);
#endif
    // Should the request not be taken up, the fallback would end this test
    // process with status 0 after 2 s: disarm it before failing (QTRY waits
    // twice its timeout again before it reports, past the fallback).
    const bool taken = QTest::qWaitFor([&] { return m_terminationRequests > before; }, 1000);
#if defined(Q_OS_UNIX)
    ::alarm(0);
#endif
    QVERIFY2(taken, "the termination handler did not run within 1 s");
    QCoreApplication::processEvents();
    QCOMPARE(m_terminationRequests, before + 1);
}

void TestShell::homeComesFromTheUserDatabase()
{
#if !defined(Q_OS_UNIX)
    QSKIP("the home folder comes from the system there, not from HOME");
#else
    // Started without HOME (by a service manager, or env -i), Qt would take
    // "/" for the home folder, and the settings would go to /.config.
    const QByteArray saved = qgetenv("HOME");
    qunsetenv("HOME");
    prepareProcess();
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", saved);
    const passwd* user = ::getpwuid(::geteuid());
    QVERIFY(user);
    QCOMPARE(home, QByteArray(user->pw_dir));
#endif
}

void TestShell::fontsAreReadWithoutAThread()
{
#if !defined(Q_OS_UNIX)
    QSKIP("no thread reads the fonts there");
#else
    // Under a process limit that leaves no room for a thread, the font
    // configuration is read at once instead of the start ending in
    // std::terminate, and the program knows it cannot run (Qt would wait for
    // its threads for ever). The limit binds an ordinary user only
    // (tst_shell_unprivileged).
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_NPROC, &saved) == 0);
    rlimit none = saved;
    none.rlim_cur = 1;
    QVERIFY(::setrlimit(RLIMIT_NPROC, &none) == 0);
    bool bound = false;
    bool threw = false;
    try {
        std::thread([] {}).join();
    } catch (const std::system_error&) {
        bound = true;
    }
    try {
        preloadFontConfiguration();
    } catch (const std::system_error&) {
        threw = true;
    }
    const bool runs = resourcesToRun();
    // Room for a few threads is not room for the eight the program needs.
    rlimit few = saved;
    few.rlim_cur = QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size()
        + 3;
    QVERIFY(::setrlimit(RLIMIT_NPROC, &few) == 0);
    const bool runsWithFew = resourcesToRun();
    ::setrlimit(RLIMIT_NPROC, &saved);
    fonts::waitForConfiguration();
    if (!bound)
        QSKIP("a process limit does not bind this user (root)");
    QVERIFY(!threw);
    QVERIFY(!runs);
    QVERIFY(!runsWithFew);
    QVERIFY(resourcesToRun());
#endif
}

void TestShell::descriptorLimitIsRaisedToWhatIsNeeded()
{
#if !defined(Q_OS_UNIX)
    QSKIP("Windows has no descriptor limit of this kind");
#else
    // A soft limit below what the program needs is raised where the hard
    // limit allows, and only then does the program run.
    rlimit saved{};
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &saved) == 0);
    if (saved.rlim_max < 64)
        QSKIP("the hard descriptor limit is below 64 here");
    rlimit low = saved;
    low.rlim_cur = 40;
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &low) == 0);
    const bool runs = resourcesToRun();
    rlimit raised{};
    ::getrlimit(RLIMIT_NOFILE, &raised);
    ::setrlimit(RLIMIT_NOFILE, &saved);
    QVERIFY(runs);
    QVERIFY(raised.rlim_cur >= rlim_t(64)); // and more for what this test process holds
#endif
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
        const bool cobrandInFront = order.indexOf(m_window->lblCobrand)
            > order.indexOf(m_window->lblFullBrand);
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
    // clang-format off
    QTest::addColumn<bool>("owned");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("closedBy"); // a key, or "close box"
    QTest::addColumn<int>("answer");
    QTest::newRow("over a window") << true << "Please Check The File." << "Please Check The File." << "Return"
                                   << int(QMessageBox::Ok);
    // The reminder's lone CR breaks the line on every platform, and to a
    // screen reader. Escape and the close box answer no question.
    QTest::newRow("before any window, two lines, N") << false << "available\rDo you" << "available\nDo you" << "N"
                                                     << int(QMessageBox::No);
    QTest::newRow("question, Escape") << false << "Do you?" << "Do you?" << "Escape" << int(QMessageBox::NoButton);
    QTest::newRow("question, close box") << false << "Do you?" << "Do you?" << "close box"
                                         << int(QMessageBox::NoButton);
    // clang-format on
}

void TestShell::messageBoxesAreSeenWhole()
{
    QFETCH(bool, owned);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, closedBy);
    QFETCH(int, answer);
    QWidget* shownOver = owned ? m_window.get() : nullptr;
    const auto buttons = owned ? QMessageBox::Ok : QMessageBox::Yes | QMessageBox::No;
    int width = 0;
    bool onTop = false;
    QString title, label;
    QMessageBox::StandardButton chosen = QMessageBox::Abort;
    QVERIFY(velto::test::answerModal(
        [&] {
            chosen = showMessage({shownOver, text, QMessageBox::Critical, buttons});
        },
        [&](QWidget* box) {
            width = box->width();
            onTop = box->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
            title = box->windowTitle();
            label = box->findChild<QLabel*>("qt_msgbox_label")->text();
            if (closedBy == "close box")
                box->close();
            else
                QTest::keyClick(box, QKeySequence::fromString(closedBy)[0].key());
            QTRY_VERIFY(!box->isVisible()); // a letter presses its button a moment later
        }));
    QCOMPARE(label, shown);
    QCOMPARE(int(chosen), answer);

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

namespace {

// Relative luminance and contrast ratio as WCAG defines them.
double luminance(QRgb colour)
{
    const auto channel = [](int value) {
        const double s = value / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(colour)) + 0.7152 * channel(qGreen(colour))
        + 0.0722 * channel(qBlue(colour));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// A text's contrast against what is drawn behind it: its strongest ink
// against the colour that fills most of the area.
double textContrast(const QImage& area)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x)
            ++counts[area.pixel(x, y) | 0xff000000];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most)
            std::tie(background, most) = std::pair(it.key(), it.value());
    }
    double strongest = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        strongest = std::max(strongest, contrast(it.key(), background));
    return strongest;
}

// The control as drawn over its container, or the whole window.
QImage rendered(QWidget* control)
{
    if (control->isWindow())
        return control->grab().toImage();
    return control->parentWidget()->grab(control->geometry()).toImage();
}

// Where a control draws its text: a label all over, a menu bar in its first
// entry, other controls inside their edge and bevel.
QImage textArea(QWidget* control)
{
    QRect area = control->rect();
    if (auto* bar = qobject_cast<QMenuBar*>(control))
        area = bar->actionGeometry(bar->actions().front()).adjusted(2, 2, -2, -2);
    else if (auto* box = qobject_cast<QLineEdit*>(control); box && box->text().isEmpty())
        area = control->rect(); // an empty box shows by its outline
    else if (!qobject_cast<QLabel*>(control))
        area = area.adjusted(4, 4, -4, -4);
    const QImage image = rendered(control);
    const qreal scale = image.devicePixelRatio();
    return image.copy(QRectF(area.topLeft() * scale, area.size() * scale).toRect());
}

// Desktop palettes as the GTK platform theme hands them over: Adwaita's
// light and dark ones.
QPalette desktopPalette(bool dark)
{
    const QColor window = dark ? QColor(53, 53, 53) : QColor(246, 245, 244);
    QPalette palette(window, window);
    const QColor text = dark ? QColor(238, 238, 236) : QColor(46, 52, 54);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    palette.setColor(QPalette::Base, dark ? QColor(45, 45, 45) : QColor(255, 255, 255));
    return palette;
}

// One of the designed windows, built afresh, shown and active: "main" (the
// input page), "results", "about", "exit", or "menu" (the input page with
// its File menu open).
std::unique_ptr<QWidget> openDesigned(const QString& which)
{
    std::unique_ptr<QWidget> window;
    if (which == "about") {
        window = std::make_unique<frmAbout>();
        window->show();
    } else if (which == "exit") {
        auto* screen = new frmExitScreen;
        window.reset(screen);
        // The appeal is drawn at random; the same one each time.
        screen->Label2->setText(resourceText(QStringLiteral("exit-appeal-0.txt")));
        screen->showModeless();
    } else {
        auto* main = new frmMain;
        window.reset(main);
        main->show();
        if (which == "menu")
            main->nuFile->popup(main->mapToGlobal(QPoint(0, 0)));
        if (which == "results") {
            main->txtName->setText(QStringLiteral("JOHN SMITH"));
            main->cmdNext_Click();
        }
    }
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        qWarning("%s not active", qPrintable(which));
    return window;
}

QWidget* control(QWidget* window, const QString& name)
{
    return name.isEmpty() ? window : window->findChild<QWidget*>(name);
}

} // namespace

void TestShell::windowsLookTheSameOnAnyDesktop_data()
{
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control"); // empty: the whole window, looks only
    // The whole windows, in their designed colours...
    QTest::newRow("input page") << "main" << "";
    QTest::newRow("results page") << "results" << "";
    QTest::newRow("About window") << "about" << "";
    QTest::newRow("exit screen") << "exit" << "";
    // ... and each text whose colour the design leaves to the system.
    QTest::newRow("menu bar") << "main" << "menuBar";
    QTest::newRow("File menu, as the bar") << "menu" << "nuFile";
    QTest::newRow("empty name box") << "main" << "txtName";
    QTest::newRow("compute button") << "main" << "cmdNext";
    QTest::newRow("birth month caption") << "main" << "Label6";
    QTest::newRow("Back button") << "results" << "cmdBack";
    QTest::newRow("About OK") << "about" << "cmdOK";
    QTest::newRow("exit screen title") << "exit" << "lblExitScreenCaption";
    QTest::newRow("exit screen appeal") << "exit" << "Label2";
    QTest::newRow("exit button") << "exit" << "cmdClose";
    QTest::newRow("refer button") << "exit" << "cmdSubmit";
    QTest::newRow("your name box") << "exit" << "txtName";
    QTest::newRow("your email box") << "exit" << "txtEmail";
    QTest::newRow("friend's name box") << "exit" << "txtFriendName";
    QTest::newRow("friend's email box") << "exit" << "txtFriendEmail";
    // clang-format on
}

void TestShell::windowsLookTheSameOnAnyDesktop()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    m_window.reset();
    const QPalette desktop = QApplication::palette();
    QImage looks[2];
    for (const bool dark : {false, true}) {
        QApplication::setPalette(desktopPalette(dark));
        const std::unique_ptr<QWidget> shown = openDesigned(window);
        QWidget* measured = ::control(shown.get(), control);
        QVERIFY(measured);
        measured->clearFocus(); // as seen without the focus ring
        looks[dark] = rendered(measured);
        if (control.isEmpty())
            continue;
        const double ratio = textContrast(textArea(measured));
        qInfo("%s on a %s desktop: %.2f:1", qPrintable(control), dark ? "dark" : "light", ratio);
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio, 'f', 2)));
    }
    QApplication::setPalette(desktop);
    QCOMPARE(looks[1], looks[0]);
}

void TestShell::focusIsPlainOnEveryControl_data()
{
    // clang-format off
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::newRow("name box") << "main" << "txtName";
    QTest::newRow("compute button") << "main" << "cmdNext";
    QTest::newRow("result box") << "results" << "txtResult(1)";
    QTest::newRow("Back button") << "results" << "cmdBack";
    QTest::newRow("About OK") << "about" << "cmdOK";
    QTest::newRow("exit button") << "exit" << "cmdClose";
    QTest::newRow("visit check box") << "exit" << "Check1";
    QTest::newRow("refer button") << "exit" << "cmdSubmit";
    QTest::newRow("your name box") << "exit" << "txtName";
    QTest::newRow("friend's email box") << "exit" << "txtFriendEmail";
    // clang-format on
}

void TestShell::focusIsPlainOnEveryControl()
{
    QFETCH(QString, window);
    QFETCH(QString, control);
    m_window.reset();
    const std::unique_ptr<QWidget> shown = openDesigned(window);
    QWidget* focused = ::control(shown.get(), control);
    QVERIFY(focused);
    if (QWidget* holder = QApplication::focusWidget())
        holder->clearFocus();
    QTRY_VERIFY(!focused->hasFocus());
    const QImage before = rendered(focused);
    focused->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(focused->hasFocus());
    const QImage after = rendered(focused);

    // Plainly: as many pixels as a ring one device pixel wide round the
    // control, each changed by at least 3:1.
    int changed = 0;
    for (int y = 0; y < before.height(); ++y) {
        for (int x = 0; x < before.width(); ++x)
            changed += contrast(before.pixel(x, y), after.pixel(x, y)) >= 3.0;
    }
    const int ring = 2 * (before.width() + before.height());
    QVERIFY2(changed >= ring, qPrintable(QStringLiteral("%1 of %2").arg(changed).arg(ring)));
    // And it goes with the focus.
    focused->clearFocus();
    QTRY_COMPARE(rendered(focused), before);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
