#include "platform/Display.h"

#include "platform/Log.h"
#include "product/Product.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace velto {

namespace {

// Qt's messages while it connects, passed on once the connection is made.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

std::vector<HeldMessage> heldMessages;
QtMessageHandler passOn = nullptr;
// What the user asked for, before the program adds its own choice: the one
// line then says what to fix.
QByteArray askedFor;

void sayNoDisplay(const char* why)
{
    std::fprintf(stderr, "%s: %s\n", product::Executable, why);
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg) {
        // Qt gives up on every platform it could try and would abort. Its
        // reasons only when asked for.
        if (lcPlatform().isInfoEnabled()) {
            for (const HeldMessage& m : heldMessages)
                std::fprintf(stderr, "%s\n", qUtf8Printable(m.text));
            std::fprintf(stderr, "%s\n", qUtf8Printable(text));
        }
        // A platform named (by -platform or QT_QPA_PLATFORM) that Qt has no
        // plugin for is what to fix, not the display.
        static const QRegularExpression notFound(
            QStringLiteral("^Could not find the Qt platform plugin (\"[^\"]*\")"));
        QStringList missing;
        for (const HeldMessage& m : heldMessages) {
            if (const QRegularExpressionMatch match = notFound.match(m.text); match.hasMatch())
                missing << match.captured(1);
        }
        static const QRegularExpression available(
            QStringLiteral("Available platform plugins are: ([^\n]*)\\."));
        const QRegularExpressionMatch there = available.match(text);
        const QByteArray why = missing.isEmpty()
            ? "cannot open the display (" + askedFor + ')'
            : "no Qt platform plugin " + missing.join(QStringLiteral(", ")).toUtf8()
                + (there.hasMatch() ? " (there are: " + there.captured(1).toUtf8() + ')' : QByteArray());
        sayNoDisplay(why.constData());
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    }
    heldMessages.push_back({type, context.file, context.line, context.function, context.category, text});
}

void ignoreScaling(const char* variable, const char* usable)
{
    std::fprintf(stderr, "%s: %s=%s ignored (%s gives a usable window)\n", product::Executable, variable,
                 qgetenv(variable).constData(), usable);
    qunsetenv(variable);
}

// Qt takes a scale as it stands: a factor of 0 shows no window, yet the
// program runs and holds its lock; a huge one puts the window off every
// screen. Below half size captions are under 6 pixels high; at eight times
// the main window still fits an 8K screen. A font DPI of 96 is a factor of 1.
// Each is read as Qt reads it.
bool usableFactor(double factor)
{
    return factor >= 0.5 && factor <= 8;
}

void dropUnusableScaling()
{
    bool ok = false;
    const double factor = qgetenv("QT_SCALE_FACTOR").toDouble(&ok);
    if (!qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") && (!ok || !usableFactor(factor)))
        ignoreScaling("QT_SCALE_FACTOR", "a factor from 0.5 to 8");
    const int dpi = qEnvironmentVariableIntValue("QT_FONT_DPI", &ok);
    if (!qEnvironmentVariableIsEmpty("QT_FONT_DPI") && (!ok || dpi < 48 || dpi > 768))
        ignoreScaling("QT_FONT_DPI", "a whole number from 48 to 768");
    // "1.5;2" by the screens' order or "HDMI-1=1.5;DP-1=2" by their names;
    // Qt passes over what is no positive number. Qt multiplies each by the
    // whole program's factor.
    const double whole = qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR") ? 1 : factor;
    for (const QByteArray& screen : qgetenv("QT_SCREEN_SCALE_FACTORS").split(';')) {
        const double each = screen.mid(screen.lastIndexOf('=') + 1).toDouble(&ok);
        if (ok && each > 0 && !usableFactor(each * whole)) {
            ignoreScaling("QT_SCREEN_SCALE_FACTORS", "factors from 0.5 to 8, times QT_SCALE_FACTOR");
            break;
        }
    }
}

} // namespace

std::unique_ptr<QApplication> openApplication(int& argc, char** argv)
{
    if (!display::named()) {
        sayNoDisplay("no display found (set DISPLAY or WAYLAND_DISPLAY)");
        return nullptr;
    }
    dropUnusableScaling();
    for (const char* variable : {"QT_QPA_PLATFORM", "WAYLAND_DISPLAY", "DISPLAY"}) {
        if (!qEnvironmentVariableIsEmpty(variable))
            askedFor += (askedFor.isEmpty() ? "" : ", ") + QByteArray(variable) + '=' + qgetenv(variable);
    }
    const bool chosen = display::choosePlatform(argc, argv);

    passOn = qInstallMessageHandler(holdMessage);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(passOn);
    for (const HeldMessage& m : heldMessages)
        passOn(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    heldMessages.clear();

    // Not handed on: the browser the program starts chooses for itself.
    if (chosen)
        qunsetenv("QT_QPA_PLATFORM");
    return app;
}

int closeApplication(std::unique_ptr<QApplication> app, int status)
{
    // Qt 6.4 can deadlock closing a Wayland connection (its event thread
    // waits in wl_display_read_events for a read the main thread never
    // makes). Nothing of ours is left to do, so the process ends without it.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        qCInfo(lcPlatform) << "ending without closing the Wayland connection";
        std::fflush(nullptr);
        std::_Exit(status);
    }
    app.reset();
    return status;
}

} // namespace velto
