#pragma once

#include <QtGlobal>

#include <memory>

class QLockFile;

namespace velto {

// Tells whether another copy of the program runs for this user: a lock file
// named after the executable in the user's runtime folder, held for the life
// of this object. Only a live copy holding it refuses a start; whatever else
// sits at that path (a lock left by a copy that died, an empty or garbled
// file, one written on another host or by another user, a folder, a link)
// is taken over.
class InstanceLock {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Unavailable: no lock could be made at all (no runtime folder, or one
    // that cannot be written); the caller decides what to do then.
    Result acquire();

private:
#if defined(Q_OS_UNIX)
    int m_fd = -1;
#else
    std::unique_ptr<QLockFile> m_lock;
#endif
};

} // namespace velto
