// The executable: it creates the application and hands over to the shell.

#include "platform/CommandLine.h"
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

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

// --help and --version are answered on standard output, without a display;
// a mistyped option is reported; Qt's own options and plain arguments are
// left to Qt, as before.
void answerCommandLine(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const velto::CommandLine line = velto::readCommandLine(arguments);
    if (line.request == velto::CommandLine::Request::Start)
        return;
    const char* program = argc > 0 && argv[0] && argv[0][0] ? argv[0] : velto::product::Executable;
    if (line.request == velto::CommandLine::Request::Unknown) {
        std::fprintf(stderr, "%s: unknown option '%s'\nTry '%s --help' for more information.\n", program,
                     qPrintable(line.unknownOption), program);
        std::exit(2);
    }
    velto::guardStandardOutput();
    QCoreApplication::setApplicationName(QString::fromLatin1(velto::product::Executable));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(velto::product::Version));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(velto::product::Summary));
    // Not Qt's own help option, whose --help-all would list what the program
    // leaves to Qt.
    parser.addOption(QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")},
                                        QStringLiteral("Displays this help.")));
    parser.addVersionOption();
    // The usage line names the program as it was started.
    const QCoreApplication named(argc, argv);
    if (line.request == velto::CommandLine::Request::Help)
        parser.showHelp();
    parser.showVersion();
}

} // namespace

int main(int argc, char* argv[])
{
    answerCommandLine(argc, argv);
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
