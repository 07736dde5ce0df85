#pragma once

#include <QString>

#include <optional>

namespace velto {

// The program's name for its settings and instance lock: the executable's
// file name without extension, read at run time.
QString applicationName();

// A per-user setting, addressed by section and name: empty when missing,
// nothing when it cannot be read as text. A store that is no regular file
// (a FIFO would block the read) or is far larger than the program ever
// writes counts as unreadable, and is not opened at all.
std::optional<QString> readSetting(const QString& section, const QString& name);

// Writes a per-user setting and makes sure it reached the store: false when
// the write failed (a read-only file or folder, a full disk, an unreadable
// store, a link of somebody else's).
bool writeSetting(const QString& section, const QString& name, const QString& value);

} // namespace velto
