#include "platform/InstanceLock.h"

#include "platform/Settings.h"

#include <windows.h>

#include <string>

namespace velto {

namespace {

// Windows finds the program by its name in any letter case, so the name of
// its lock ignores case too: folded as the file system folds it (to upper
// case, the same in every locale), then written in lower case, which keeps
// the lock's name for the usual spelling as it always was.
std::wstring foldedCase(const std::wstring& name)
{
    const int size = static_cast<int>(name.size());
    std::wstring upper(name.size(), L'\0'), lower(name.size(), L'\0');
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, name.c_str(), size, upper.data(), size, nullptr,
                    nullptr, 0);
    ::LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_LOWERCASE, upper.c_str(), size, lower.data(), size, nullptr,
                    nullptr, 0);
    return lower;
}

} // namespace

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
    const std::wstring name = L"Local\\" + foldedCase(applicationName().toStdWString()) + L".instance";
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
