#pragma once

#include <QLockFile>

#include <memory>

namespace velto {

// Tells whether another copy of the program runs for this user: a lock file
// named after the executable in the user's runtime folder, held for the life
// of this object. A lock left by a process that died is taken over.
class InstanceLock {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    // Unavailable: no lock could be made at all (no runtime folder, or one
    // that cannot be written); the caller decides what to do then.
    Result acquire();

private:
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace velto
