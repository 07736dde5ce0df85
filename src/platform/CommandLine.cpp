#include "platform/CommandLine.h"

#include <array>

namespace velto {

namespace {

// The options QCoreApplication, QGuiApplication, QApplication and the xcb
// platform take out of the command line themselves (Qt 6.4).
constexpr std::array QtFlags{"-reverse", "-widgetcount", "-testability", "-qdevel",
                             "-qdebug",  "-nograb",      "-dograb"};
constexpr std::array QtOptionsWithValue{
    "-platform",    "-platformpluginpath", "-platformtheme", "-plugin", "-qwindowgeometry", "-qwindowtitle",
    "-qwindowicon", "-geometry",           "-title",         "-icon",   "-session",         "-style",
    "-stylesheet",  "-qmljsdebugger",      "-display",       "-name",   "-visual"};
constexpr std::array QtOptionsWithEquals{"-style=", "-stylesheet=", "-qmljsdebugger="};

template<std::size_t N> bool isOneOf(const QString& option, const std::array<const char*, N>& names)
{
    for (const char* name : names) {
        if (option == QLatin1String(name))
            return true;
    }
    return false;
}

} // namespace

CommandLine readCommandLine(const QStringList& arguments)
{
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"-h" || argument == u"--help")
            return {CommandLine::Request::Help, {}};
        if (argument == u"-v" || argument == u"--version")
            return {CommandLine::Request::Version, {}};
        if (argument == u"--")
            break;
        if (!argument.startsWith(u'-') || argument == u"-")
            continue;
        // Qt reads "--platform" as "-platform".
        const QString option = argument.startsWith(u"--") ? argument.mid(1) : argument;
        if (isOneOf(option, QtFlags))
            continue;
        if (isOneOf(option, QtOptionsWithValue)) {
            ++i;
            continue;
        }
        bool withEquals = false;
        for (const char* name : QtOptionsWithEquals)
            withEquals = withEquals || option.startsWith(QLatin1String(name));
        if (!withEquals)
            return {CommandLine::Request::Unknown, argument};
    }
    return {};
}

} // namespace velto
