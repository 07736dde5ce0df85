#pragma once

#include <QString>

#include <string>

namespace velto {

// The start of a file, or why there is none.
struct FileContents {
    enum class Status {
        Read,       // `bytes` holds the start of the file
        Missing,    // nothing at that path
        Unreadable, // no regular file (a FIFO would block), or not readable
    };
    Status status = Status::Unreadable;
    std::string bytes;
    bool whole = true;  // `bytes` is all the file holds
    QString error = {}; // why an existing file could not be read; empty for no regular file
};

// Reads at most `maxBytes` from the start of the file, and one byte past
// them to tell whether it is whole.
FileContents readFileStart(const QString& path, std::size_t maxBytes);

} // namespace velto
