#include "platform/FileAccess.h"

#include <QFile>

#include <algorithm>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace velto {

FileContents readFileStart(const QString& path, std::size_t maxBytes)
{
    using Status = FileContents::Status;
    // Opened without blocking, then checked on the open descriptor, so that
    // a FIFO put in the file's place cannot hang the program.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return {errno == ENOENT ? Status::Missing : Status::Unreadable, {}};
    FileContents contents;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        // One byte more than allowed tells a file that is too long.
        std::string bytes(maxBytes + 1, '\0');
        std::size_t got = 0;
        ssize_t n = 0;
        while (got < bytes.size()) {
            n = ::read(fd, bytes.data() + got, bytes.size() - got);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break;
            got += static_cast<std::size_t>(n);
        }
        contents.status = n < 0 ? Status::Unreadable : Status::Read;
        contents.whole = got <= maxBytes;
        bytes.resize(std::min(got, maxBytes));
        if (contents.status == Status::Read)
            contents.bytes = std::move(bytes);
    }
    ::close(fd);
    return contents;
}

} // namespace velto
