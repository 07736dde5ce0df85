#include "platform/InstanceLock.h"

#include "platform/Settings.h"

#include <windows.h>

#include <string>

namespace velto {

struct InstanceLock::Held {
    HANDLE mutex = nullptr;
    ~Held() { ::CloseHandle(mutex); }
};

InstanceLock::InstanceLock() = default;

InstanceLock::~InstanceLock() = default;

InstanceLock::Result InstanceLock::acquire()
{
    // A named mutex in the user's session: it exists exactly as long as a
    // process holds a handle to it, and the system closes those at death.
    const std::wstring name = L"Local\\" + applicationName().toStdWString() + L".instance";
    HANDLE mutex = ::CreateMutexW(nullptr, FALSE, name.c_str());
    if (!mutex)
        return ::GetLastError() == ERROR_ACCESS_DENIED ? Result::HeldByAnother : Result::Unavailable;
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::CloseHandle(mutex);
        return Result::HeldByAnother;
    }
    m_held = std::make_unique<Held>();
    m_held->mutex = mutex;
    return Result::Acquired;
}

} // namespace velto
