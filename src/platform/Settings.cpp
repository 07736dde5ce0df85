#include "platform/Settings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>

namespace velto {

namespace {

// The program writes a few dozen bytes; a store far larger than that is not
// its own, and reading it whole would cost seconds and gigabytes.
constexpr qint64 MaxStoreBytes = 64 * 1024;

// How long a write waits for another writer's lock on the store.
constexpr int StoreLockWaitMs = 2000;

#if defined(Q_OS_WIN) || defined(Q_OS_DARWIN)
// The system's own store (the registry, a property list), not a file we
// could look at first.
constexpr bool FileStore = false;

QString storePath()
{
    return {};
}

QSettings userSettings()
{
    const QString name = applicationName();
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, name, name);
}
#else
constexpr bool FileStore = true;

// Where the per-user native store keeps its file. Named directly, so that
// only this one file is read: QSettings reads the file as it is constructed,
// and would also read fallback files nobody checked.
QString storePath()
{
    const QString name = applicationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + name + u'/' + name
        + QStringLiteral(".conf");
}

QSettings userSettings()
{
    return QSettings(storePath(), QSettings::IniFormat);
}
#endif

// Whether QSettings may open the store: a missing store is fine; anything
// but a regular file of a sane size is left untouched.
bool storeUsable()
{
    if (!FileStore)
        return true;
    const QFileInfo store(storePath());
    if (!store.exists() && !store.isSymLink())
        return true;
    return store.isFile() && store.size() <= MaxStoreBytes;
}

// QSettings waits for its lock file without end, and one it cannot clear
// away (a folder in its place, or a file in a folder it cannot write) would
// hang the write for good. Wait for it here, bounded, before QSettings does.
bool storeLockFree()
{
    if (!FileStore)
        return true;
    const QString path = storePath() + QStringLiteral(".lock");
    const QFileInfo lockPath(path);
    if (!lockPath.exists() && !lockPath.isSymLink())
        return true;
    if (!lockPath.isFile())
        return false;
    QLockFile lock(path);
    if (!lock.tryLock(StoreLockWaitMs))
        return false;
    lock.unlock();
    return true;
}

} // namespace

QString applicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    return path.isEmpty() ? QStringLiteral("velto-arithmancy") : QFileInfo(path).completeBaseName();
}

std::optional<QString> readSetting(const QString& section, const QString& name)
{
    if (!storeUsable())
        return std::nullopt;
    QSettings settings = userSettings();
    const QVariant value = settings.value(section + u'/' + name);
    if (!value.isValid())
        return QString();
    // A value the store parsed as something else (a list, for a text with a
    // comma) is no text of ours.
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    return value.toString();
}

bool writeSetting(const QString& section, const QString& name, const QString& value)
{
    if (!storeUsable() || !storeLockFree())
        return false;
    QSettings settings = userSettings();
    if (!settings.isWritable())
        return false;
    settings.setValue(section + u'/' + name, value);
    // setValue reports nothing; only a sync tells whether the file was written.
    settings.sync();
    return settings.status() == QSettings::NoError;
}

} // namespace velto
