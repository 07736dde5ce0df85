#include "platform/Process.h"

#include "platform/Termination.h"

#include <QtGlobal>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

namespace velto {

namespace {

// A handler, not SIG_IGN, which the programs we start (the browser's
// launcher) would inherit: a write to a pipe nobody reads, or past the file
// size limit, then fails (EPIPE, EFBIG) instead of killing the process.
extern "C" void failTheWrite(int)
{
}

// Anything opened while one of these is closed would take its number, and
// every warning meant for standard error would land in it.
void openStandardDescriptors()
{
    for (int fd = 0; fd <= 2; ++fd) {
        if (::fcntl(fd, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int opened = ::open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            ::dup2(opened, fd);
            ::close(opened);
        }
    }
}

} // namespace

void prepareProcess()
{
    openStandardDescriptors();
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = failTheWrite;
    for (const int signal : {SIGPIPE, SIGXFSZ})
        ::sigaction(signal, &action, nullptr);
    // Without HOME, Qt takes "/" for the home folder: the settings would go
    // to /.config.
    const passwd* user = qEnvironmentVariableIsEmpty("HOME") ? ::getpwuid(::geteuid()) : nullptr;
    if (user && user->pw_dir && user->pw_dir[0] == '/')
        ::setenv("HOME", user->pw_dir, 1);
    // The base-directory rules ignore a relative folder, which would put the
    // settings wherever the program was started from.
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"}) {
        const char* value = ::getenv(variable);
        if (value && value[0] != '/')
            ::unsetenv(variable);
    }
    catchTerminationSignals();
}

} // namespace velto
