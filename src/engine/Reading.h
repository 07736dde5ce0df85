#pragma once

// The engine: plain C++ without Qt. It owns the reading of a name, the saved
// reading file format and the vendor's addresses; it uses nothing above it.

#include <array>
#include <cstdint>
#include <string_view>

namespace velto {

// The three numbers of a name: raw sums after ComputeReading; after
// ReduceNumber digits 0 to 9, where 0 means no letter of that kind.
struct Reading {
    std::int16_t CharacterNumber = 0;
    std::int16_t HeartNumber = 0;
    std::int16_t SocialNumber = 0;

    friend bool operator==(const Reading&, const Reading&) = default;
};

enum class NumberKind { Character, Heart, Social };

inline constexpr std::int16_t MaxSum = 32767;

// What the results page shows: the three reduced numbers and the text beside
// each (Character, Heart, Social).
struct NameReading {
    Reading numbers;
    std::array<std::u16string_view, 3> texts;
};

// The whole reading of a name, its blanks already trimmed.
NameReading ReadName(std::u16string_view name) noexcept;

// Sums the letter values of the capitals A to Z in `name` (UTF-16 code units;
// any other counts nothing). An addition that would pass MaxSum is skipped,
// and the rest of that letter's step still runs.
Reading ComputeReading(std::u16string_view name) noexcept;

// Repeated decimal digit sum: 0 stays 0, any other n becomes 1 to 9.
std::int16_t ReduceNumber(std::int16_t n) noexcept;

// Profile text of a reduced number d from 1 to 9; empty for any other d.
std::u16string_view NumberProfileText(int d) noexcept;

// The text beside a reduced number d: the profile text for 1 to 9, the "not
// available" line of its kind for 0, empty for anything else.
std::u16string_view ReadingText(NumberKind kind, int d) noexcept;

} // namespace velto
