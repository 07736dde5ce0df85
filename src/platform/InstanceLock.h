#pragma once

#include <memory>

namespace velto {

// Whether another copy runs for this user on this machine, however started;
// the lock is held for the life of this object. Only a live copy refuses.
class InstanceLock {
public:
    // OutOfResources: too few descriptors or too little memory to tell.
    enum class Result { Acquired, HeldByAnother, Unavailable, OutOfResources };

    InstanceLock();
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    // Unavailable: no lock could be made where it belongs (a runtime folder
    // that is unusable), which tells nothing either way.
    Result acquire();

private:
    struct Held; // each system's own kind of lock
    std::unique_ptr<Held> m_held;
};

} // namespace velto
