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
#include <QCommandLineParser>

#include <cstdlib>
#include <utility>

namespace {

// --help and --version are answered on standard output, without a display;
// every other argument is left to Qt, as before.
void answerHelpOrVersion(int argc, char* argv[])
{
    QCoreApplication::setApplicationName(QString::fromLatin1(velto::product::Executable));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velto::product::Version));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(velto::product::Summary));
    // Not Qt's own help option, whose --help-all would list what the program
    // leaves to Qt.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    parser.parse(arguments);
    if (parser.isSet(help) || parser.isSet(version)) {
        // The usage line names the program as it was started.
        const QCoreApplication named(argc, argv);
        if (parser.isSet(help))
            parser.showHelp();
        parser.showVersion();
    }
}

} // namespace

int main(int argc, char* argv[])
{
    answerHelpOrVersion(argc, argv);
    if (!velto::prepareProcess())
        return EXIT_FAILURE;
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
