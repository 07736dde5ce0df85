#include "engine/Reading.h"

#include "engine/ProfileTexts.h"

#include <cstdlib>

namespace velto {

namespace {

// Adds v unless the sum would pass MaxSum, in which case the sum keeps its
// value.
void addCapped(int& sum, int v) noexcept
{
    if (sum + v <= MaxSum)
        sum += v;
}

} // namespace

NameReading ReadName(std::u16string_view name) noexcept
{
    const Reading raw = ComputeReading(name);
    const Reading reduced{ReduceNumber(raw.CharacterNumber), ReduceNumber(raw.HeartNumber),
                          ReduceNumber(raw.SocialNumber)};
    return {reduced,
            {ReadingText(NumberKind::Character, reduced.CharacterNumber),
             ReadingText(NumberKind::Heart, reduced.HeartNumber),
             ReadingText(NumberKind::Social, reduced.SocialNumber)}};
}

Reading ComputeReading(std::u16string_view name) noexcept
{
    int character = 0, heart = 0, social = 0;
    for (const char16_t c : name) {
        if (c < u'A' || c > u'Z')
            continue;
        // The value of the letter at alphabet position p: ((p - 1) mod 9) + 1.
        const int value = (c - u'A') % 9 + 1;
        const bool vowel = c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
        addCapped(character, value);
        addCapped(vowel ? heart : social, value);
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
