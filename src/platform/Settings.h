#pragma once

#include <QString>

namespace velto {

// The program's name for its settings and instance lock: the executable's
// file name without extension, read at run time.
QString applicationName();

// A per-user setting, addressed by section and name; empty when missing.
QString readSetting(const QString& section, const QString& name);

// Writes a per-user setting and makes sure it reached the store: false when
// the write failed (a read-only file or folder, a full disk).
bool writeSetting(const QString& section, const QString& name, const QString& value);

} // namespace velto
