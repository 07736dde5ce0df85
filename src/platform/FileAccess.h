#pragma once

#include <QString>

#include <optional>
#include <string>

namespace velto {

// The first `maxBytes` bytes of a regular file; nothing when the path names
// no regular file (a FIFO, device or folder would block or fail on read) or
// cannot be opened. Never reads past `maxBytes`.
std::optional<std::string> readFileHead(const QString& path, std::size_t maxBytes);

} // namespace velto
