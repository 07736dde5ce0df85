#include "platform/Settings.h"

#include "platform/FileAccess.h"
#include "platform/Log.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {

namespace {

// The program writes a few dozen bytes; a store far larger than that is not
// its own, and reading it whole would cost seconds and gigabytes.
constexpr qint64 MaxStoreBytes = 64 * 1024;

// Links followed from the store's name to the file itself.
constexpr int MaxLinks = 8;

// The one file the store lives in: an INI file, as QSettings writes it.
QString storePath()
{
    const QString name = applicationName();
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u'/' + name + u'/' + name
        + QStringLiteral(".conf");
}

QByteArray folderOf(const QByteArray& path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return slash > 0 ? path.left(slash) : QByteArray("/");
}

// Where `path` leads: itself, or what the links there point to, while each
// link is the user's own (or root's): a link of somebody else's could aim
// the write at any file of the user's.
std::optional<QByteArray> ownLinksFrom(QByteArray path)
{
    for (int links = 0; links < MaxLinks; ++links) {
        struct stat info {};
        if (::lstat(path.constData(), &info) != 0)
            return errno == ENOENT ? std::optional(path) : std::nullopt;
        if (!S_ISLNK(info.st_mode))
            return path;
        if (info.st_uid != ::geteuid() && info.st_uid != 0)
            return std::nullopt;
        char target[4096];
        const ssize_t size = ::readlink(path.constData(), target, sizeof target);
        if (size <= 0 || size == static_cast<ssize_t>(sizeof target))
            return std::nullopt;
        const QByteArray linked(target, size);
        path = linked.startsWith('/') ? linked : folderOf(path) + '/' + linked;
    }
    return std::nullopt;
}

// The file the store lives in: its folder and its name each followed where
// they are links of the user's own (dotfile managers keep them elsewhere).
std::optional<QByteArray> storeFile()
{
    const QByteArray path = QFile::encodeName(storePath());
    const std::optional<QByteArray> folder = ownLinksFrom(folderOf(path));
    if (!folder)
        return std::nullopt;
    return ownLinksFrom(*folder + path.mid(path.lastIndexOf('/')));
}

// Makes the missing folders of `folder`, each open to its user only, as the
// base-directory rules ask, whatever the umask.
bool makeFolder(const QByteArray& folder)
{
    struct stat info {};
    if (::stat(folder.constData(), &info) == 0)
        return S_ISDIR(info.st_mode);
    if (errno != ENOENT || (folder != "/" && !makeFolder(folderOf(folder))))
        return false;
    if (::mkdir(folder.constData(), 0700) != 0)
        return errno == EEXIST;
    return ::chmod(folder.constData(), 0700) == 0;
}

// The store's text with `name` in `section` set to `value`: the line that
// held it is replaced, or one is added at the end of its section; every
// other line stays exactly as it was.
QByteArray withSetting(const QByteArray& text, const QByteArray& section, const QByteArray& name,
                       const QByteArray& value)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    const QByteArray entry = name + '=' + value;
    QByteArray current;
    qsizetype endOfSection = -1;
    bool replaced = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            if (current == section)
                endOfSection = i;
            continue;
        }
        if (current != section || line.isEmpty())
            continue;
        endOfSection = i;
        const qsizetype equals = line.indexOf('=');
        if (equals > 0 && line.left(equals).trimmed() == name) {
            lines[i] = entry;
            replaced = true;
        }
    }
    if (!replaced && endOfSection >= 0) {
        lines.insert(endOfSection + 1, entry);
    } else if (!replaced) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section + ']');
        lines.append(entry);
    }
    return lines.join('\n') + '\n';
}

// Replaces `file` with `bytes`, whole or not at all, its user's alone. Qt's
// own commit renames an empty file over the old one when the disk is full
// and calls that a success: the flush is checked first.
bool replaceFile(const QByteArray& file, const QByteArray& bytes)
{
    QSaveFile out(QFile::decodeName(file));
    out.setDirectWriteFallback(false);
    // Unless committed, the new file goes with `out`.
    return out.open(QIODevice::WriteOnly)
        && out.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
        && out.write(bytes) == bytes.size() && out.flush() && out.commit();
}

// The text after a UTF-8 byte-order mark, which the file may begin with.
QByteArray withoutBom(const QByteArray& text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
}

// The value of `name` in `section` of an INI text, read as QSettings reads
// it where the two can agree: empty when missing, the last of several, and
// nothing for a value QSettings would read as anything but plain text (a
// list, for a text with a comma; a typed value, "@Rect(…)") or that needs
// its escapes. The program writes plain dates only.
std::optional<QString> iniValue(const QByteArray& text, const QByteArray& section, const QByteArray& name)
{
    QByteArray current;
    std::optional<QByteArray> found;
    for (const QByteArray& raw : text.split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith('[') && line.endsWith(']')) {
            current = line.mid(1, line.size() - 2);
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (current == section && equals > 0 && line.left(equals).trimmed() == name)
            found = line.mid(equals + 1).trimmed();
    }
    if (!found)
        return QString();
    QByteArray value = *found;
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    else if (value.contains(','))
        return std::nullopt;
    if (value.startsWith("@@"))
        value.remove(0, 1);
    else if (value.startsWith('@'))
        return std::nullopt;
    if (value.contains('"') || value.contains('\\'))
        return std::nullopt;
    return QString::fromUtf8(value);
}

// The store's bytes: nothing for no store, and an error for one that is no
// regular file of a sane size (a FIFO would block the read).
std::optional<QByteArray> readStore(const QString& path)
{
    const FileContents store = readFileStart(path, MaxStoreBytes);
    switch (store.status) {
    case FileContents::Status::Read:
        if (store.whole)
            return QByteArray::fromStdString(store.bytes);
        break;
    case FileContents::Status::Missing:
        return QByteArray();
    case FileContents::Status::Unreadable:
        break;
    }
    qCInfo(lcPlatform) << "settings store" << path << "is no regular file of at most" << MaxStoreBytes
                       << "bytes";
    return std::nullopt;
}

} // namespace

std::optional<QString> readSetting(const QString& section, const QString& name)
{
    const std::optional<QByteArray> text = readStore(storePath());
    if (!text)
        return std::nullopt;
    return iniValue(withoutBom(*text), section.toUtf8(), name.toUtf8());
}

bool writeSetting(const QString& section, const QString& name, const QString& value)
{
    const auto refused = [](const char* why) {
        qCInfo(lcPlatform) << "settings not written:" << why;
        return false;
    };
    const std::optional<QByteArray> file = storeFile();
    if (!file)
        return refused("the store or its folder is a link of somebody else's, or a loop");
    if (!makeFolder(folderOf(*file)))
        return refused("its folder cannot be made");
    const std::optional<QByteArray> old = readStore(QFile::decodeName(*file));
    // A store its user made read-only stays as it is.
    if (!old || (::access(file->constData(), F_OK) == 0 && ::access(file->constData(), W_OK) != 0))
        return refused("the store cannot be read or is read-only");
    const QByteArray sectionName = section.toUtf8();
    const QByteArray key = name.toUtf8();
    // A byte-order mark the file began with stays at its start.
    const QByteArray body = withoutBom(*old);
    const QByteArray text = old->left(old->size() - body.size())
        + withSetting(body, sectionName, key, value.toUtf8());
    if (!replaceFile(*file, text))
        return refused("the new file could not be written whole (a full or read-only disk?)");
    // Read back as the next start will read it.
    const std::optional<QByteArray> reread = readStore(QFile::decodeName(*file));
    return (reread && iniValue(withoutBom(*reread), sectionName, key) == value)
        || refused("the store does not read back what was written");
}

} // namespace velto
