// The executable: it creates the application and hands over to the shell.

#include "platform/Fonts.h"
#include "platform/Settings.h"
#include "platform/Termination.h"
#include "product/Product.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"

#include <QApplication>
#include <QtPlugin>

#include <cstdio>
#include <cstdlib>

// Resource PNGs read without probing every image format plugin.
Q_IMPORT_PLUGIN(ResourcePngPlugin)

namespace {

// Qt aborts with a long message when it cannot reach a display; say it in
// one line instead.
bool displayAvailable()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const bool platformChosen = qEnvironmentVariableIsSet("QT_QPA_PLATFORM");
    return platformChosen || qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

// Under native Wayland the program can neither place its windows nor keep
// the exit screen on top; where an X server (or Xwayland) is there, it runs
// on that. The user's own choice, by variable or -platform, always wins.
// Returns whether the choice was made here.
bool preferX11(int argc, char* argv[])
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM") || !qEnvironmentVariableIsSet("DISPLAY"))
        return false;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return false;
    }
    // Wayland stays the fallback should the X server refuse the connection.
    qputenv("QT_QPA_PLATFORM", "xcb;wayland");
    return true;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return false;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    // From the first moment: a request to terminate is never lost.
    velto::catchTerminationSignals();
    if (!displayAvailable()) {
        std::fputs("velto-arithmancy: no display found (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return EXIT_FAILURE;
    }
    const bool choseX11 = preferX11(argc, argv);
    // Fontconfig reads its configuration while Qt connects to the display.
    velto::preloadFontConfiguration();
    QApplication app(argc, argv);
    // Not handed on: the browser the program starts chooses for itself.
    if (choseX11)
        qunsetenv("QT_QPA_PLATFORM");
    QCoreApplication::setApplicationName(velto::applicationName());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(velto::product::DesktopId));
    velto::resolveDesignFonts();
    // Asked to terminate, the program ends as its own Exit does.
    velto::onTerminationRequest(&velto::CloseAllWindows);

    velto::StartUp();
    // The event loop cannot be left before it runs: a second copy ends here.
    const int status = velto::processEnding() ? 0 : app.exec();
    // Windows unloaded on the way out are destroyed here, not leaked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
