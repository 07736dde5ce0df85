#include "platform/FileAccess.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {

FileContents readFileStart(const QString& path, std::size_t maxBytes)
{
    using Status = FileContents::Status;
    // Opened without blocking and checked on the open descriptor, so that a
    // FIFO put in the file's place cannot hang the program.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? Status::Missing : Status::Unreadable,
                {},
                true,
                QString::fromLocal8Bit(std::strerror(errno))};
    struct stat info {};
    QFile file;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)
        || !file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return {};
    }
    // One byte more than allowed tells a file that is too long.
    const QByteArray bytes = file.read(static_cast<qint64>(maxBytes) + 1);
    if (file.error() != QFileDevice::NoError)
        return {Status::Unreadable, {}, true, file.errorString()};
    const auto max = static_cast<qsizetype>(maxBytes);
    return {Status::Read, bytes.left(max).toStdString(), bytes.size() <= max};
}

} // namespace velto
