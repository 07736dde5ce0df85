#include "platform/Settings.h"

#include "platform/FileAccess.h"
#include "platform/Log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {

namespace {

// The program writes a few dozen bytes; a store far larger is not its own,
// and reading it whole would cost seconds and gigabytes.
constexpr qint64 MaxStoreBytes = 64 * 1024;

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

// Where `path` leads through the user's own (or root's) links, as dotfile
// managers make; somebody else's could aim the write at any file the user has.
std::optional<QByteArray> ownLinksFrom(QByteArray path)
{
    for (int links = 0; links < 8; ++links) {
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

// The store's file, its folder and its name each followed through own links.
std::optional<QByteArray> storeFile()
{
    const QByteArray path = QFile::encodeName(storePath());
    const std::optional<QByteArray> folder = ownLinksFrom(folderOf(path));
    return folder ? ownLinksFrom(*folder + path.mid(path.lastIndexOf('/'))) : std::nullopt;
}

// Makes the missing folders, each open to its user only whatever the umask,
// as the base-directory rules ask.
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

QByteArray withoutBom(const QByteArray& text)
{
    return text.startsWith("\xEF\xBB\xBF") ? text.mid(3) : text;
}

// Of an INI text's lines: those that set `name` in `section`, and the last
// line of the section that is not blank (-1 for no section).
struct Entries {
    QList<qsizetype> lines;
    qsizetype sectionEnd = -1;
};

Entries findEntries(const QList<QByteArray>& lines, const QByteArray& section, const QByteArray& name)
{
    Entries found;
    QByteArray current;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArray line = lines[i].trimmed();
        const bool header = line.startsWith('[') && line.endsWith(']');
        if (header)
            current = line.mid(1, line.size() - 2);
        if (current != section || line.isEmpty())
            continue;
        found.sectionEnd = i;
        const qsizetype equals = line.indexOf('=');
        if (!header && equals > 0 && line.left(equals).trimmed() == name)
            found.lines.append(i);
    }
    return found;
}

// The text with `name` in `section` set to `value`, in the lines that held it
// or in one added at the end of its section; every other line stays as it was.
QByteArray withSetting(const QByteArray& text, const QByteArray& section, const QByteArray& name,
                       const QByteArray& value)
{
    QList<QByteArray> lines = text.split('\n');
    if (lines.back().isEmpty())
        lines.removeLast();
    const Entries found = findEntries(lines, section, name);
    const QByteArray entry = name + '=' + value;
    for (const qsizetype i : found.lines)
        lines[i] = entry;
    if (found.lines.isEmpty() && found.sectionEnd >= 0) {
        lines.insert(found.sectionEnd + 1, entry);
    } else if (found.lines.isEmpty()) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(QByteArray());
        lines.append('[' + section + ']');
        lines.append(entry);
    }
    return lines.join('\n') + '\n';
}

// The value as QSettings reads it where the two can agree: empty when
// missing, the last of several, and nothing for one QSettings would read as
// anything but plain text (a list, for a text with a comma; a typed value,
// "@Rect(…)") or that needs its escapes. The program writes plain dates only.
std::optional<QString> iniValue(const QByteArray& text, const QByteArray& section, const QByteArray& name)
{
    const QList<QByteArray> lines = withoutBom(text).split('\n');
    const Entries found = findEntries(lines, section, name);
    if (found.lines.isEmpty())
        return QString();
    QByteArray value = lines[found.lines.back()].trimmed();
    value = value.mid(value.indexOf('=') + 1).trimmed();
    if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
        value = value.mid(1, value.size() - 2);
    else if (value.contains(','))
        return std::nullopt;
    const bool typed = value.startsWith('@') && !value.startsWith("@@");
    if (typed || value.contains('"') || value.contains('\\'))
        return std::nullopt;
    return QString::fromUtf8(value.startsWith('@') ? value.mid(1) : value);
}

// Empty for no store; nothing for one that cannot be read, is no regular
// file or is too large.
std::optional<QByteArray> readStore(const QString& path)
{
    const FileContents store = readFileStart(path, MaxStoreBytes);
    if (store.status == FileContents::Status::Missing)
        return QByteArray();
    if (store.status == FileContents::Status::Read && store.whole)
        return QByteArray::fromStdString(store.bytes);
    if (store.status == FileContents::Status::Read)
        qCInfo(lcPlatform) << "settings store" << path << "is larger than" << MaxStoreBytes << "bytes";
    else if (!store.error.isEmpty())
        qCInfo(lcPlatform) << "settings store" << path << "cannot be read:" << qPrintable(store.error);
    else
        qCInfo(lcPlatform) << "settings store" << path << "is no regular file";
    return std::nullopt;
}

// The new store is written beside it under its name and this, which no
// person would give a file, and six letters; renamed over it once whole.
constexpr QLatin1StringView Unfinished(".unfinished-write-");

// What a write killed before its rename left: a file of exactly that name,
// the user's own, regular. A copy a person made (".backup", ".orig", in any
// case) is never the program's to remove. The instance lock keeps any other
// writer away.
void removeLeftovers(const QByteArray& file)
{
    const QByteArray folder = folderOf(file);
    const QString name = QFile::decodeName(file.mid(folder.size() + 1));
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(name + Unfinished) + QStringLiteral("[A-Za-z0-9]{6}")));
    const QStringList entries =
        QDir(QFile::decodeName(folder)).entryList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        if (!leftover.match(entry).hasMatch())
            continue;
        const QByteArray path = folder + '/' + QFile::encodeName(entry);
        struct stat info {};
        if (::lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_uid == ::geteuid())
            ::unlink(path.constData());
    }
}

} // namespace

std::optional<QString> readSetting(const QString& section, const QString& name)
{
    const std::optional<QByteArray> text = readStore(storePath());
    return text ? iniValue(*text, section.toUtf8(), name.toUtf8()) : std::nullopt;
}

bool writeSetting(const QString& section, const QString& name, const QString& value)
{
    const auto refused = [](const QString& why) {
        qCInfo(lcPlatform).noquote() << "settings not written:" << why;
        return false;
    };
    const std::optional<QByteArray> file = storeFile();
    if (!file)
        return refused(QStringLiteral("the store or its folder is a link of somebody else's, or a loop"));
    if (!makeFolder(folderOf(*file)))
        return refused(QStringLiteral("its folder cannot be made"));
    const std::optional<QByteArray> old = readStore(QFile::decodeName(*file));
    // A store its user made read-only stays as it is.
    if (!old || (::access(file->constData(), F_OK) == 0 && ::access(file->constData(), W_OK) != 0))
        return refused(QStringLiteral("the store cannot be read or is read-only"));
    const QByteArray sectionName = section.toUtf8(), key = name.toUtf8();
    // A byte-order mark the file began with stays at its start.
    const QByteArray body = withoutBom(*old);
    const QByteArray text = old->left(old->size() - body.size())
        + withSetting(body, sectionName, key, value.toUtf8());
    removeLeftovers(*file);
    // Whole or not at all: the new file is flushed and synced before it
    // replaces the old one, and on any failure removed.
    QTemporaryFile out(QFile::decodeName(*file) + Unfinished + QStringLiteral("XXXXXX"));
    if (!out.open() || out.write(text) != text.size() || !out.flush())
        return refused(QStringLiteral("the new file: ") + out.errorString());
    if (::fdatasync(out.handle()) != 0)
        return refused(QStringLiteral("the new file could not be synced: ")
                       + QString::fromLocal8Bit(std::strerror(errno)));
    if (::rename(QFile::encodeName(out.fileName()).constData(), file->constData()) != 0)
        return refused(QStringLiteral("the new file could not replace the old: ")
                       + QString::fromLocal8Bit(std::strerror(errno)));
    out.setAutoRemove(false);
    // Read back as the next start will read it.
    const std::optional<QByteArray> reread = readStore(QFile::decodeName(*file));
    if (!reread || iniValue(*reread, sectionName, key) != value) {
        qCInfo(lcPlatform) << "settings written, but the store does not read back what was written";
        return false;
    }
    return true;
}

} // namespace velto
