// The executable: it creates the application and hands over to the shell.

#include "platform/Display.h"
#include "platform/Fonts.h"
#include "platform/Process.h"
#include "platform/Settings.h"
#include "platform/Termination.h"
#include "product/Product.h"
#include "shell/Shell.h"
#include "shell/Shutdown.h"

#include <QApplication>

#include <cstdlib>
#include <utility>

int main(int argc, char* argv[])
{
    velto::prepareProcess();
    // Fontconfig reads its configuration while Qt connects to the display.
    velto::preloadFontConfiguration();
    std::unique_ptr<QApplication> app = velto::openApplication(argc, argv);
    if (!app)
        return EXIT_FAILURE;
    QCoreApplication::setApplicationName(velto::applicationName());
    QGuiApplication::setDesktopFileName(QString::fromLatin1(velto::product::DesktopId));
    velto::resolveDesignFonts();
    velto::onTerminationRequest(&velto::CloseAllWindows);

    velto::StartUp();
    // The event loop cannot be left before it runs: a second copy ends here.
    const int status = velto::processEnding() ? 0 : app->exec();
    // Windows unloaded on the way out are destroyed here, not leaked.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return velto::closeApplication(std::move(app), status);
}
