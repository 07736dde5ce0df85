#include "engine/SavedReadingFile.h"

#include <algorithm>

namespace velto {

SavedReadingPath CheckSavedReadingPath(std::u16string_view path) noexcept
{
    if (path.size() >= 3 && !path.ends_with(u"num"))
        return SavedReadingPath::Refused;
    return path.empty() ? SavedReadingPath::None : SavedReadingPath::Accepted;
}

std::optional<SavedReading> ReadSavedReading(std::string_view bytes, bool whole)
{
    // The six lines end within the bytes read when six CRs lie among them, or
    // when the file ends there.
    bytes = bytes.substr(0, MaxSavedReadingBytes);
    if (!whole && std::count(bytes.begin(), bytes.end(), '\r') < static_cast<long>(SavedReadingLines))
        return std::nullopt;
    const auto lines = ReadSavedReadingLines(bytes);
    const auto date = [&lines](std::size_t line) {
        return DecodeWindows1252(UnscrambleText(lines[line - 1]));
    };
    return SavedReading{date(4), date(5), date(6)};
}

std::array<std::string, SavedReadingLines> ReadSavedReadingLines(std::string_view bytes)
{
    bytes = bytes.substr(0, MaxSavedReadingBytes);
    std::array<std::string, SavedReadingLines> lines;
    std::size_t start = 0;
    for (std::string& line : lines) {
        if (start >= bytes.size())
            break;
        const std::size_t cr = bytes.find('\r', start);
        const std::size_t end = cr == std::string_view::npos ? bytes.size() : cr;
        line.assign(bytes.substr(start, end - start));
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n' && cr != std::string_view::npos)
            ++start;
    }
    return lines;
}

std::string UnscrambleText(std::string_view line)
{
    std::string plain;
    plain.reserve(line.size());
    for (const char c : line) {
        const int code = static_cast<unsigned char>(c) - ScrambleOffset;
        if (code >= 0)
            plain += static_cast<char>(code);
    }
    return plain;
}

std::u16string DecodeWindows1252(std::string_view bytes)
{
    // 0x80 to 0x9F; the rest of the code page is Latin-1.
    static constexpr char16_t High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::u16string text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += b >= 0x80 && b <= 0x9F ? High[b - 0x80] : static_cast<char16_t>(b);
    }
    return text;
}

} // namespace velto
