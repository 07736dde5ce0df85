// Feeds arbitrary bytes, read as UTF-16 code units, to the reading engine and
// checks what must hold for every name.
#include "engine/Reading.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace velto;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string name(size / 2, u'\0');
    std::memcpy(name.data(), data, name.size() * sizeof(char16_t));

    const Reading raw = ComputeReading(name);
    if (raw.CharacterNumber < 0 || raw.HeartNumber < 0 || raw.SocialNumber < 0)
        std::abort();
    // Below the limit no addition was skipped, so the parts add up.
    if (raw.CharacterNumber < MaxSum - 9 && raw.CharacterNumber != raw.HeartNumber + raw.SocialNumber)
        std::abort();
    if (raw.CharacterNumber == 0 && (raw.HeartNumber != 0 || raw.SocialNumber != 0))
        std::abort();

    for (const std::int16_t n : {raw.CharacterNumber, raw.HeartNumber, raw.SocialNumber}) {
        const std::int16_t d = ReduceNumber(n);
        if (d < 0 || d > 9 || (d == 0) != (n == 0))
            std::abort();
        if (ReadingText(NumberKind::Character, d).empty())
            std::abort();
    }

    // Any 16-bit value, negative ones included, reduces to a digit.
    if (size >= 2) {
        std::int16_t any;
        std::memcpy(&any, data, sizeof any);
        const std::int16_t d = ReduceNumber(any);
        if (d < 0 || d > 9)
            std::abort();
    }
    return 0;
}
