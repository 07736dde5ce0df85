#include "platform/InstanceLock.h"

#include "platform/Settings.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>
#endif

namespace velto {

namespace {

QString lockFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return folder.isEmpty() || !QDir(folder).exists() ? QString() : folder;
}

#if defined(Q_OS_UNIX)

// Takes the folder's own lock for a moment, so that copies starting at the
// same instant inspect and clear the lock path one after the other. Bounded:
// something else holding it must not stop the program from starting.
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

// Clears away what sits at the lock path and cannot be this user's lock
// file. A folder that is not empty is moved aside rather than deleted.
bool clearAway(int folder, const QByteArray& name)
{
    if (::unlinkat(folder, name.constData(), 0) == 0 || errno == ENOENT)
        return true;
    if (::unlinkat(folder, name.constData(), AT_REMOVEDIR) == 0)
        return true;
    const QByteArray aside = name + ".stale-" + QByteArray::number(::getpid());
    return ::renameat(folder, name.constData(), folder, aside.constData()) == 0;
}

// The owner's details, in the form QLockFile writes, so that anyone looking
// at the file (or an older copy of the program) can tell who holds it.
QByteArray ownerText()
{
    return QByteArray::number(::getpid()) + '\n' + QFile::encodeName(applicationName()) + '\n'
        + QSysInfo::machineHostName().toUtf8() + '\n';
}

#endif

} // namespace

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock()
{
#if defined(Q_OS_UNIX)
    if (m_fd >= 0)
        ::close(m_fd);
#endif
}

#if defined(Q_OS_UNIX)

InstanceLock::Result InstanceLock::acquire()
{
    // The kernel's lock on an open file: it is held exactly as long as the
    // holding process lives, whatever the file says, so a lock left by a copy
    // that died frees itself. Not inherited by the browsers we start.
    const QString path = lockFolder();
    if (path.isEmpty())
        return Result::Unavailable;
    const int folder = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return Result::Unavailable;
    const bool guarded = guardFolder(folder);
    const QByteArray name = QFile::encodeName(applicationName() + QStringLiteral(".lock"));

    Result result = Result::Unavailable;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::openat(folder, name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid()) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                const QByteArray owner = ownerText();
                if (::ftruncate(fd, 0) == 0) {
                    [[maybe_unused]] const ssize_t written = ::pwrite(fd, owner.constData(), owner.size(), 0);
                }
                m_fd = fd;
                result = Result::Acquired;
            } else {
                result = errno == EWOULDBLOCK ? Result::HeldByAnother : Result::Unavailable;
                ::close(fd);
            }
            break;
        }
        const int openError = errno;
        if (fd >= 0)
            ::close(fd);
        else if (openError == ENOENT || openError == EROFS || openError == ENOSPC)
            break; // the folder itself cannot hold a lock
        // A link, a folder, a FIFO or socket, another user's file: no copy of
        // this program for this user made it. Only under the guard, so that
        // no other copy's fresh lock file is cleared away by mistake.
        if (!guarded || !clearAway(folder, name))
            break;
    }

    if (guarded)
        ::flock(folder, LOCK_UN);
    ::close(folder);
    return result;
}

#else

InstanceLock::Result InstanceLock::acquire()
{
    const QString folder = lockFolder();
    if (folder.isEmpty())
        return Result::Unavailable;
    m_lock = std::make_unique<QLockFile>(folder + u'/' + applicationName() + QStringLiteral(".lock"));
    if (m_lock->tryLock(0))
        return Result::Acquired;
    return m_lock->error() == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unavailable;
}

#endif

} // namespace velto
