#pragma once

#include <QString>

#include <string>

namespace velto {

// A small file read whole, or why not.
struct FileContents {
    enum class Status {
        Read,       // `bytes` holds the whole file
        Missing,    // nothing at that path
        Unreadable, // no regular file (a FIFO, device or folder would block or
                    // fail on read), or it cannot be opened or read
        TooLarge,   // longer than the reader takes
    };
    Status status = Status::Unreadable;
    std::string bytes;
};

// Reads the file at `path` whole, if it holds at most `maxBytes` bytes;
// never reads more than one byte past that.
FileContents readSmallFile(const QString& path, std::size_t maxBytes);

} // namespace velto
