#include "shell/Shell.h"

#include "platform/InstanceLock.h"
#include "platform/MessageBox.h"
#include "platform/Random.h"
#include "platform/Resources.h"
#include "platform/Settings.h"
#include "platform/WindowPlacement.h"
#include "product/Product.h"
#include "shell/Shutdown.h"
#include "ui/about/frmAbout.h"
#include "ui/common/VendorPages.h"
#include "ui/exit/frmExitScreen.h"
#include "ui/main/frmMain.h"

#include <QDate>
#include <QLoggingCategory>
#include <QPointer>

#include <cstdio>
#include <cstdlib>

namespace velto {

Q_LOGGING_CATEGORY(lcShell, "velto.shell", QtWarningMsg)

namespace {

const QString SettingsSection = QStringLiteral("Settings");
const QString DurationSetting = QStringLiteral("Duration");
constexpr qint64 ReminderDays = 15;

int coBrandNumber = 0;
QPointer<frmExitScreen> exitScreen;

// ISO text reads back in any locale, short-date text does not. Outside the
// years 1 to 9999 there is none: nothing is stored, and false says so.
bool storeToday()
{
    const QDate today = QDate::currentDate();
    if (today.year() < 1 || today.year() > 9999) {
        qCInfo(lcShell) << "today has no date text; Duration left as it is";
        return false;
    }
    return writeSetting(SettingsSection, DurationSetting, today.toString(Qt::ISODate));
}

} // namespace

frmMain* StartUp()
{
    // Here, so that the first message box has the icon too.
    useApplicationIcon();
    static InstanceLock lock; // held for the life of the process
    const InstanceLock::Result locked = lock.acquire();
    if (locked == InstanceLock::Result::Unavailable) // a working program is better than none
        qCInfo(lcShell) << "no other copy can be detected: starting all the same";
    if (locked == InstanceLock::Result::OutOfResources) {
        // Another copy may run, and two would share one settings file; with
        // nothing loaded yet there is nothing to unload.
        std::fprintf(stderr,
                     "%s: too few file descriptors or too little memory to tell whether another copy runs\n",
                     product::Executable);
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
    if (locked == InstanceLock::Result::HeldByAnother) {
        showMessage({nullptr, QStringLiteral("Application is already running"), QMessageBox::Information});
        CloseAllWindows();
        return nullptr;
    }

    randomize();
    UpdateReminder();
    // Asked to end while the reminder's message was open.
    if (processEnding())
        return nullptr;

    frmMain* main = createMainWindow();
    main->show();

    CoBrand_Randomize(*main);
    return main;
}

void UpdateReminder()
{
    const std::optional<QString> stored = readSetting(SettingsSection, DurationSetting);
    if (!stored)
        return; // an unreadable store: left as it is, no message
    if (stored->isEmpty()) {
        storeToday();
        return;
    }
    // Exactly as written: Qt's ISO parse would take the date at the start of
    // "2001-01-01, 2002-02-02" and let the reminder overwrite the rest.
    const QDate last = QDate::fromString(*stored, QStringLiteral("yyyy-MM-dd"));
    if (!last.isValid()) {
        qCInfo(lcShell) << "Duration is no date, left as it is:" << stored->left(40);
        return; // no message
    }
    const qint64 days = QDate::currentDate().daysTo(last);
    if (days > -ReminderDays && days < ReminderDays)
        return;

    const auto answer = showMessage({nullptr,
                                     QStringLiteral("There maybe an update to this software available\r"
                                                    "Do you want to check for an update?"),
                                     QMessageBox::Information, QMessageBox::Yes | QMessageBox::No,
                                     QMessageBox::Yes});
    // Closed, or the program ended while it was open: never answered.
    if (answer == QMessageBox::NoButton || processEnding())
        return;
    if (!storeToday()) {
        qCInfo(lcShell) << "the reminder's date was not stored: no page opened";
        return;
    }
    if (answer == QMessageBox::Yes)
        OpenVendorPage("download-web-page");
}

void CoBrand_Randomize(frmMain& main)
{
    coBrandNumber = static_cast<int>(6 * rnd()) + 1;
    main.raisePromotion(coBrandNumber % 2 == 1);
}

int intCoBrandRandomNumber()
{
    return coBrandNumber;
}

frmMain* createMainWindow()
{
    auto* main = new frmMain;
    registerWindow(main);
    connectMainWindow(main);
    return main;
}

void connectMainWindow(frmMain* main)
{
    QObject::connect(main, &frmMain::unloaded, main, [] {
        if (!processEnding())
            loadExitScreen()->showModeless();
    });
    QObject::connect(main, &frmMain::imported, main, [main] {
        loadExitScreen()->hide();
        // Made while the file dialog closes, the exit screen leaves no window
        // of the program active (with a screen reader listening): the main
        // window takes the keyboard back, and its reading is said then.
        takeKeyboardBack(main);
    });
    QObject::connect(main, &frmMain::aboutRequested, main, [main] { showAbout(main); });
}

frmExitScreen* loadExitScreen()
{
    if (exitScreen.isNull()) {
        exitScreen = new frmExitScreen;
        registerWindow(exitScreen);
        QObject::connect(exitScreen, &frmExitScreen::exitPressed, exitScreen, &CloseAllWindows);
        QObject::connect(exitScreen, &frmExitScreen::unloaded, exitScreen, &CloseAllWindows);
    }
    return exitScreen;
}

frmExitScreen* loadedExitScreen()
{
    return exitScreen;
}

void showAbout(QWidget* owner)
{
    // WA_DeleteOnClose destroys it, and exec() copes with the owner going
    // away while it is open.
    (new frmAbout(owner))->exec();
}

} // namespace velto
