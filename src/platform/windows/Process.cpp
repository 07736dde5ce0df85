#include "platform/Process.h"

#include "platform/Termination.h"

#include <QDir>

#include <windows.h>

#include <string>

namespace velto {

bool prepareProcess()
{
    catchTerminationSignals();
    return true;
}

void guardStandardOutput()
{
}

bool resourcesToRun()
{
    return true;
}

QString longPathName(const QString& path)
{
    const std::wstring given = QDir::toNativeSeparators(path).toStdWString();
    std::wstring full(32768, L'\0');
    const DWORD size = ::GetLongPathNameW(given.c_str(), full.data(), static_cast<DWORD>(full.size()));
    if (size == 0 || size >= full.size())
        return path;
    full.resize(size);
    return QDir::fromNativeSeparators(QString::fromStdWString(full));
}

} // namespace velto
