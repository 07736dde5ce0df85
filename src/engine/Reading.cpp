#include "Reading.h"

#include "ProfileTexts.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace velto {

namespace {

// Value of each capital letter at alphabet position p, ((p - 1) mod 9) + 1,
// packed by kind for every 7-bit code unit: vowels (A, E, I, O, U) in the
// low half, consonants in the high half, anything else 0. One lookup per code
// unit, with no branch on the character.
constexpr std::array<std::uint32_t, 128> PackedValues = [] {
    std::array<std::uint32_t, 128> values{};
    for (char16_t c = u'A'; c <= u'Z'; ++c) {
        const std::uint32_t v = static_cast<std::uint32_t>((c - u'A') % 9 + 1);
        const bool vowel = c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
        values[c] = vowel ? v : v << 16;
    }
    return values;
}();

constexpr int MaxLetterValue = 9;

constexpr std::uint32_t packedValue(char16_t c) noexcept
{
    return c < PackedValues.size() ? PackedValues[c] : 0;
}

// Adds v unless the sum would pass MaxSum, in which case the sum keeps its
// value.
constexpr int addCapped(int sum, int v) noexcept
{
    return sum + v <= MaxSum ? sum + v : sum;
}

} // namespace

Reading ComputeReading(std::u16string_view name) noexcept
{
    int character = 0, heart = 0, social = 0;

    // A sum at MaxSum takes no further addition; any other sum limits how
    // many letters can follow before one of its additions might be skipped.
    const auto lettersThatFit = [&name](int sum) {
        return sum == MaxSum ? name.size() : static_cast<std::size_t>((MaxSum - sum) / MaxLetterValue);
    };

    std::size_t i = 0;
    while (i < name.size()) {
        if (character == MaxSum && heart == MaxSum && social == MaxSum)
            break;
        const std::size_t room =
            std::min({lettersThatFit(character), lettersThatFit(heart), lettersThatFit(social)});
        if (room > 0) {
            // No addition in this run can be skipped, so it is summed without
            // tests. Each half of `packed` stays below 9 * room <= MaxSum
            // whenever some sum is still open.
            const std::size_t end = i + std::min(room, name.size() - i);
            std::uint32_t packed = 0;
            for (; i < end; ++i)
                packed += packedValue(name[i]);
            const int heartRun = static_cast<int>(packed & 0xFFFF);
            const int socialRun = static_cast<int>(packed >> 16);
            if (character != MaxSum)
                character += heartRun + socialRun;
            if (heart != MaxSum)
                heart += heartRun;
            if (social != MaxSum)
                social += socialRun;
        } else {
            // Close to the limit: test every addition, a short run at a time.
            const std::size_t end = i + std::min<std::size_t>(64, name.size() - i);
            for (; i < end; ++i) {
                const std::uint32_t packed = packedValue(name[i]);
                const int heartValue = static_cast<int>(packed & 0xFFFF);
                const int socialValue = static_cast<int>(packed >> 16);
                character = addCapped(character, heartValue + socialValue);
                heart = addCapped(heart, heartValue);
                social = addCapped(social, socialValue);
            }
        }
    }

    return Reading{static_cast<std::int16_t>(character), static_cast<std::int16_t>(heart),
                   static_cast<std::int16_t>(social)};
}

std::int16_t ReduceNumber(std::int16_t n) noexcept
{
    // Decimal digits without sign: widen first so that -32768 has a magnitude.
    int sum = std::abs(static_cast<int>(n));
    while (sum > 9) {
        int digits = 0;
        for (int rest = sum; rest > 0; rest /= 10)
            digits += rest % 10;
        sum = digits;
    }
    return static_cast<std::int16_t>(sum);
}

std::u16string_view NumberProfileText(int d) noexcept
{
    if (d < 1 || d > static_cast<int>(ProfileTexts.size()))
        return {};
    return ProfileTexts[static_cast<std::size_t>(d - 1)];
}

std::u16string_view ReadingText(NumberKind kind, int d) noexcept
{
    if (d != 0)
        return NumberProfileText(d);
    switch (kind) {
    case NumberKind::Character:
        // A name without capitals would otherwise leave the previous name's
        // text beside its 0.
        return u"No Character Number available";
    case NumberKind::Heart:
        return u"No Heart Number available";
    case NumberKind::Social:
        return u"No Social Number available";
    }
    return {};
}

} // namespace velto
