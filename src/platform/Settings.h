#pragma once

#include <QString>

#include <optional>

namespace velto {

// The program's name for its settings and instance lock: the executable's
// file name without extension, read at run time.
QString applicationName();

// A per-user setting: empty when missing, nothing when it cannot be read as
// text. A store that is no regular file, or far larger than the program ever
// writes, counts as unreadable.
std::optional<QString> readSetting(const QString& section, const QString& name);

// Writes a per-user setting; false unless it reached the store (a read-only
// file or folder, a full disk, an unreadable store, a foreign link).
bool writeSetting(const QString& section, const QString& name, const QString& value);

} // namespace velto
