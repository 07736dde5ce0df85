#include "engine/Reading.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using velto::ComputeReading;
using velto::Reading;

namespace {

struct NameCase {
    const char* label;
    std::u16string name;
    Reading expected;
};

void PrintTo(const NameCase& c, std::ostream* os) { *os << c.label; }

class ComputeReadingCases : public testing::TestWithParam<NameCase> {};

TEST_P(ComputeReadingCases, GivesRawSums)
{
    const NameCase& c = GetParam();
    const Reading r = ComputeReading(c.name);
    EXPECT_EQ(r.CharacterNumber, c.expected.CharacterNumber);
    EXPECT_EQ(r.HeartNumber, c.expected.HeartNumber);
    EXPECT_EQ(r.SocialNumber, c.expected.SocialNumber);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ComputeReadingCases,
    testing::Values(
        NameCase{"empty", u"", {0, 0, 0}},
        NameCase{"blank_counts_nothing", u"JOHN SMITH", {44, 15, 29}},
        NameCase{"lower_case_counts_nothing", u"john smith", {0, 0, 0}},
        NameCase{"y_is_a_consonant_no_vowels", u"RHYTHM", {38, 0, 38}},
        NameCase{"y_and_vowel", u"YVES", {17, 5, 12}},
        NameCase{"w_is_a_consonant", u"W", {5, 0, 5}},
        NameCase{"vowels_only", u"IOU", {18, 18, 0}},
        NameCase{"diacritic_counts_nothing", u"ZO\u00CB", {14, 6, 8}},
        NameCase{"digits_and_punctuation", u"123-45", {0, 0, 0}},
        NameCase{"whole_alphabet", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", {126, 24, 102}},
        // Code units next to the capitals and full-width capitals must not
        // be mistaken for letters.
        NameCase{"neighbours_of_capitals", u"@[`{\uFF21\u0141", {0, 0, 0}},
        NameCase{"surrogate_pair", u"A\U0001F600B", {3, 1, 2}}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.label); });

TEST(ComputeReading, SkipsAdditionsPastTheLimitButFinishesTheLetter)
{
    // 3,640 I's make 32,760; the 3,641st would pass 32,767 in both sums.
    EXPECT_EQ(ComputeReading(std::u16string(3641, u'I')), (Reading{32760, 32760, 0}));

    // When only the Character addition is skipped, the Social one still runs.
    std::u16string name(3640, u'I');
    name += u"BB"; // 32,760 + 2 + 2 = 32,764
    name += u"K";  // Character would reach 32,766: fine
    name += u"T";  // Character would reach 32,768: skipped; Social still adds 2
    const Reading r = ComputeReading(name);
    EXPECT_EQ(r.CharacterNumber, 32766);
    EXPECT_EQ(r.HeartNumber, 32760);
    EXPECT_EQ(r.SocialNumber, 8);
}

TEST(ComputeReading, ReadsTheWholeNameHoweverLong)
{
    // Pasted text can be longer than any sum: letters far out still count.
    std::u16string name(40000, u'.');
    name += u"JOHN SMITH";
    EXPECT_EQ(ComputeReading(name), (Reading{44, 15, 29}));
}

// An independent formulation: values from the alphabet position, vowels from
// a string search, no limit reached.
TEST(ComputeReading, MatchesIndependentSumsOnRandomNames)
{
    std::mt19937 rng(20261207);
    const std::u16string alphabet = u"ABCDEFGHIJKLMNOPQRSTUVWXYZabcxyz 0-'\u00C9\u00E9";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 60);
    for (int round = 0; round < 2000; ++round) {
        std::u16string name;
        for (int i = length(rng); i > 0; --i)
            name += alphabet[pick(rng)];
        int heart = 0, social = 0;
        for (const char16_t c : name) {
            if (c < u'A' || c > u'Z')
                continue;
            const int value = (c - u'A') % 9 + 1;
            (std::u16string_view(u"AEIOU").find(c) != std::u16string_view::npos ? heart : social) += value;
        }
        const Reading r = ComputeReading(name);
        ASSERT_EQ(r.HeartNumber, heart) << "round " << round;
        ASSERT_EQ(r.SocialNumber, social) << "round " << round;
        ASSERT_EQ(r.CharacterNumber, r.HeartNumber + r.SocialNumber) << "round " << round;
    }
}

// The walk near the limit, against a plain letter-by-letter formulation with
// every addition tested: long names from letter mixes that stall the sums at
// different points below 32,767 (only 9s, no 1s, vowels only, all letters).
TEST(ComputeReading, MatchesLetterByLetterWalkPastTheLimit)
{
    const auto reference = [](std::u16string_view name) {
        int sums[3] = {0, 0, 0};
        const auto add = [](int& sum, int v) {
            if (sum + v <= 32767)
                sum += v;
        };
        for (const char16_t c : name) {
            if (c < u'A' || c > u'Z')
                continue;
            const int value = (c - u'A') % 9 + 1;
            add(sums[0], value);
            add(std::u16string_view(u"AEIOU").find(c) != std::u16string_view::npos ? sums[1] : sums[2], value);
        }
        return Reading{static_cast<std::int16_t>(sums[0]), static_cast<std::int16_t>(sums[1]),
                       static_cast<std::int16_t>(sums[2])};
    };
    const std::u16string mixes[] = {u"IR", u"I R", u"BCDHQZ", u"AEIOU", u"EIOU", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ ",
                                    u"RRRRRRRRRA", u"IIIIIIIIIIIIIIIIIIIIIIIIS"};
    std::mt19937 rng(7);
    for (const std::u16string& mix : mixes) {
        std::uniform_int_distribution<std::size_t> pick(0, mix.size() - 1);
        for (const std::size_t length : {3600u, 4000u, 9000u, 32767u, 40000u, 100000u}) {
            std::u16string name;
            for (std::size_t i = 0; i < length; ++i)
                name += mix[pick(rng)];
            ASSERT_EQ(ComputeReading(name), reference(name))
                << "mix " << std::string(mix.begin(), mix.end()) << ", length " << length;
        }
    }
}

} // namespace
