// The executable: it creates the application and hands over to the shell.

#include "platform/Fonts.h"
#include "platform/Settings.h"
#include "platform/Termination.h"
#include "product/Product.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

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

} // namespace

int main(int argc, char* argv[])
{
    // From the first moment: a request to terminate is never lost.
    velto::catchTerminationSignals();
    if (!displayAvailable()) {
        std::fputs("velto-arithmancy: no display found (set DISPLAY or WAYLAND_DISPLAY)\n", stderr);
        return EXIT_FAILURE;
    }
    QApplication app(argc, argv);
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
