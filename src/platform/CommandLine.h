#pragma once

#include <QStringList>

namespace velto {

// What the command line asks of the program. Its own options are exactly
// -h, --help, -v and --version; Qt's documented options (with one dash or
// two, and the value each takes) and plain arguments, such as the file a
// desktop's "Open with" hands over, start it as usual; any other option is
// a mistake to report.
struct CommandLine {
    enum class Request { Start, Help, Version, Unknown };
    Request request = Request::Start;
    QString unknownOption;
};

CommandLine readCommandLine(const QStringList& arguments);

} // namespace velto
