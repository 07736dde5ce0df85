#pragma once

#include <memory>

namespace velto {

// Tells whether another copy of the program runs for this user on this
// machine, however each was started, and holds the lock for the life of this
// object. Only a live copy holding it refuses a start.
class InstanceLock {
public:
    enum class Result { Acquired, HeldByAnother, Unavailable };

    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Unavailable: no lock could be made at all; the caller decides what to
    // do then.
    Result acquire();

private:
    // Each system's own kind of lock.
    struct Held;
    std::unique_ptr<Held> m_held;
};

} // namespace velto
