#include "platform/Process.h"

#include "platform/Termination.h"
#include "product/Product.h"

#include <QtGlobal>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <latch>
#include <pwd.h>
#include <sys/resource.h>
#include <system_error>
#include <thread>
#include <unistd.h>
#include <vector>

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

// Qt and GLib end the process, or wait for ever, when the system refuses
// them a descriptor or a thread; the program holds 20 descriptors and 6
// threads at most (the file dialog open, a screen reader listening). A start
// that cannot have them would crash, or hang holding the instance lock.
constexpr rlim_t NeededDescriptors = 64;
constexpr rlim_t NeededFreeDescriptors = 40; // twice what it holds, beside any it was given
constexpr int NeededThreads = 8;

// Descriptors open now, whatever started the program left open among them
// (a launcher that leaks them): those are not the program's to use.
rlim_t descriptorsOpen()
{
    DIR* listing = ::opendir("/proc/self/fd");
    if (!listing)
        return 3;
    rlim_t entries = 0;
    while (::readdir(listing))
        ++entries;
    ::closedir(listing);
    return entries - 3; // ".", ".." and the listing's own
}

bool enoughDescriptors()
{
    const rlim_t needed = std::max(NeededDescriptors, descriptorsOpen() + NeededFreeDescriptors);
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0 || limit.rlim_cur >= needed)
        return true;
    limit.rlim_cur = std::min(needed, limit.rlim_max);
    return limit.rlim_cur == needed && ::setrlimit(RLIMIT_NOFILE, &limit) == 0;
}

bool enoughThreads()
{
    std::latch started(1);
    std::vector<std::jthread> threads;
    try {
        for (int i = 0; i < NeededThreads; ++i)
            threads.emplace_back([&started] { started.wait(); });
    } catch (const std::system_error&) {
    }
    started.count_down();
    return threads.size() == NeededThreads;
}

extern "C" void checkStandardOutput()
{
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return;
    std::fprintf(stderr, "%s: the answer could not be written to standard output: %s\n", product::Executable,
                 std::strerror(errno));
    std::_Exit(EXIT_FAILURE);
}

} // namespace

void guardStandardOutput()
{
    if (::fcntl(STDOUT_FILENO, F_GETFD) == -1) {
        std::fprintf(stderr, "%s: standard output is closed\n", product::Executable);
        std::exit(EXIT_FAILURE);
    }
    std::atexit(checkStandardOutput);
}

bool resourcesToRun()
{
    return enoughDescriptors() && enoughThreads();
}

bool prepareProcess()
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
    // settings (or a runtime folder Qt makes) wherever the program was
    // started from.
    for (const char* variable :
         {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME", "XDG_RUNTIME_DIR"}) {
        const char* value = ::getenv(variable);
        if (value && value[0] != '/')
            ::unsetenv(variable);
    }
    catchTerminationSignals();
    if (!enoughDescriptors()) {
        std::fprintf(stderr, "%s: the system allows it too few file descriptors (ulimit -n)\n",
                     product::Executable);
        return false;
    }
    if (!enoughThreads()) {
        // A thread's stack needs memory too: under a memory limit, that may be
        // what ran out.
        rlimit memory{};
        const bool memoryLimited = ::getrlimit(RLIMIT_AS, &memory) == 0 && memory.rlim_cur != RLIM_INFINITY;
        std::fprintf(stderr, "%s: the system allows it too few threads%s (ulimit -u%s)\n",
                     product::Executable, memoryLimited ? " or too little memory" : "",
                     memoryLimited ? ", ulimit -v" : "");
        return false;
    }
    return true;
}

QString longPathName(const QString& path)
{
    return path;
}

} // namespace velto
