#include "InstanceLock.h"

#include "Settings.h"

#include <QDir>
#include <QStandardPaths>

namespace velto {

InstanceLock::Result InstanceLock::acquire()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        return Result::Unavailable;
    m_lock = std::make_unique<QLockFile>(folder + u'/' + applicationName() + QStringLiteral(".lock"));
    // A running copy holds its lock for hours; only a dead owner makes it stale.
    m_lock->setStaleLockTime(0);
    if (m_lock->tryLock(0))
        return Result::Acquired;
    return m_lock->error() == QLockFile::LockFailedError ? Result::HeldByAnother : Result::Unavailable;
}

} // namespace velto
