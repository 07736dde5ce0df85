#pragma once

// The saved reading file, as far as this program reads it: 8-bit
// Windows-1252 text whose lines end at CR or CR LF (a lone LF belongs to the
// line), of which the first six are read; lines 4 to 6 hold the birth month,
// day and year, each byte raised by ScrambleOffset.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velto {

inline constexpr int ScrambleOffset = 25;

// Nothing past this many bytes is read: the six lines are a few hundred bytes,
// whatever follows them may be any length.
inline constexpr std::size_t MaxSavedReadingBytes = 64 * 1024;

inline constexpr std::size_t SavedReadingLines = 6;

// How the import takes the file dialog's path.
enum class SavedReadingPath {
    None,     // empty: the dialog was cancelled
    Refused,  // three characters or more, not ending in "num" exactly
    Accepted, // to be read
};

SavedReadingPath CheckSavedReadingPath(std::u16string_view path) noexcept;

// The birth date, as texts for the three drop-down lists; a missing line
// gives an empty text.
struct SavedReading {
    std::u16string month, day, year;
};

// The birth date from the first bytes of a file (only MaxSavedReadingBytes
// count; `whole`: they are all it has). Nothing when the file goes on past
// them and its six lines do not end within them.
std::optional<SavedReading> ReadSavedReading(std::string_view bytes, bool whole = true);

// The first six lines (of the first MaxSavedReadingBytes); missing ones empty.
std::array<std::string, SavedReadingLines> ReadSavedReadingLines(std::string_view bytes);

// Lowers each byte by ScrambleOffset, dropping a byte whose code is below it.
std::string UnscrambleText(std::string_view line);

// Windows-1252 to UTF-16; the five undefined codes map to U+0081 and so on,
// so that every byte value has a character.
std::u16string DecodeWindows1252(std::string_view bytes);

} // namespace velto
