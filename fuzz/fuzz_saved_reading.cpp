// Feeds arbitrary bytes as a whole saved reading file to the line reader,
// UnscrambleText and the Windows-1252 decoder.
#include "engine/SavedReadingFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace velto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto lines = ReadSavedReadingLines(bytes);
    std::size_t total = 0;
    for (const std::string& line : lines) {
        if (line.size() > MaxSavedReadingBytes || line.find('\r') != std::string::npos)
            std::abort();
        total += line.size();
        const std::string plain = UnscrambleText(line);
        if (plain.size() > line.size())
            std::abort();
        if (DecodeWindows1252(plain).size() != plain.size())
            std::abort();
    }
    if (total > MaxSavedReadingBytes)
        std::abort();
    return 0;
}
