#pragma once

#include <QString>

#include <string>

namespace velto {

// The start of a file, or why there is none.
struct FileContents {
    enum class Status {
        Read,       // `bytes` holds the start of the file
        Missing,    // nothing at that path
        Unreadable, // no regular file (a FIFO, device or folder would block or
                    // fail on read), or it cannot be opened or read
    };
    Status status = Status::Unreadable;
    std::string bytes;
    bool whole = true; // `bytes` is all the file holds
};

// Reads at most `maxBytes` of the file at `path`, from its start; never more
// than one byte past them.
FileContents readFileStart(const QString& path, std::size_t maxBytes);

} // namespace velto
