#include "platform/InstanceLock.h"

#include "platform/Log.h"
#include "platform/Settings.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#include <utility>

namespace velto {

struct InstanceLock::Held {
    int fd = -1;
    ~Held() { ::close(fd); }
};

namespace {

// A runtime folder as the base-directory rules describe it: the user's own,
// open to nobody else.
bool privateFolder(const QByteArray& path)
{
    struct stat info {};
    return path.startsWith('/') && ::stat(path.constData(), &info) == 0 && S_ISDIR(info.st_mode)
        && info.st_uid == ::geteuid() && (info.st_mode & 077) == 0;
}

// One folder for every copy of this user's, however started: the runtime
// folder named when it is a proper one; else (su, sudo or ssh without it, or
// naming somebody else's or an open one) the login manager's for this user;
// else, with no session at all, a private one in /tmp.
QByteArray lockFolder()
{
    const QByteArray named = qgetenv("XDG_RUNTIME_DIR");
    if (privateFolder(named))
        return named;
    const QByteArray uid = QByteArray::number(::geteuid());
    const QByteArray session = "/run/user/" + uid;
    if (privateFolder(session))
        return session;
    const QByteArray own = "/tmp/" + QFile::encodeName(applicationName()) + '-' + uid;
    ::mkdir(own.constData(), 0700);
    return privateFolder(own) ? own : QByteArray();
}

// The folder's own lock, so that copies starting together clear the lock
// path in turn; bounded, as whatever else holds it must not stop the start.
bool guardFolder(int folder)
{
    for (int tries = 0; tries < 200; ++tries) {
        if (::flock(folder, LOCK_EX | LOCK_NB) == 0)
            return true;
        if (errno != EWOULDBLOCK && errno != EINTR)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

// Whether what sits at the lock path cannot be this user's lock file.
bool strangerAt(int folder, const QByteArray& name)
{
    struct stat info {};
    return ::fstatat(folder, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0
        && (!S_ISREG(info.st_mode) || info.st_uid != ::geteuid());
}

// A failed open for want of descriptors or memory, which says nothing about
// what is there.
bool outOfResources()
{
    return errno == EMFILE || errno == ENFILE || errno == ENOMEM;
}

// A folder that is not empty is moved aside rather than deleted.
bool clearAway(int folder, const QByteArray& name)
{
    if (::unlinkat(folder, name.constData(), 0) == 0 || errno == ENOENT)
        return true;
    if (::unlinkat(folder, name.constData(), AT_REMOVEDIR) == 0)
        return true;
    const QByteArray aside = name + ".stale-" + QByteArray::number(::getpid());
    return ::renameat(folder, name.constData(), folder, aside.constData()) == 0;
}

} // namespace

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() = default;

InstanceLock::Result InstanceLock::acquire()
{
    // The kernel's lock on an open file lives exactly as long as the process
    // holding it, so a copy that died leaves no lock behind. Not inherited by
    // the browsers we start.
    const QByteArray path = lockFolder();
    if (path.isEmpty()) {
        qCInfo(lcPlatform) << "no private folder for the instance lock";
        return Result::Unavailable;
    }
    const int folder = ::open(path.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return outOfResources() ? Result::OutOfResources : Result::Unavailable;
    const bool guarded = guardFolder(folder);
    const QByteArray name = QFile::encodeName(applicationName() + QStringLiteral(".lock"));

    Result result = Result::Unavailable;
    for (int attempt = 0; attempt < 3; ++attempt) {
        // Closed at the end of the attempt unless it becomes the lock.
        Held file{
            ::openat(folder, name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600)};
        struct stat info {};
        if (file.fd >= 0 && ::fstat(file.fd, &info) == 0 && S_ISREG(info.st_mode)
            && info.st_uid == ::geteuid()) {
            if (::flock(file.fd, LOCK_EX | LOCK_NB) == 0) {
                m_held.reset(new Held{std::exchange(file.fd, -1)});
                result = Result::Acquired;
            } else if (errno == EWOULDBLOCK) {
                result = Result::HeldByAnother;
            }
            break;
        }
        if (file.fd < 0 && outOfResources()) {
            result = Result::OutOfResources;
            break;
        }
        // No copy of ours made a link, folder, FIFO, socket or another user's
        // file; a failed open proves nothing. Cleared only under the guard:
        // never another copy's lock.
        if ((file.fd < 0 && !strangerAt(folder, name)) || !guarded || !clearAway(folder, name))
            break;
        qCInfo(lcPlatform) << "took over the instance lock's place in" << path << "from what no copy made";
    }

    if (guarded)
        ::flock(folder, LOCK_UN);
    ::close(folder);
    if (result == Result::Unavailable)
        qCInfo(lcPlatform) << "no instance lock could be made in" << path;
    return result;
}

} // namespace velto
