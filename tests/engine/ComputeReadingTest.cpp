#include "engine/Reading.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace velto {
void PrintTo(const Reading& r, std::ostream* os)
{
    *os << '{' << r.CharacterNumber << ", " << r.HeartNumber << ", " << r.SocialNumber << '}';
}
} // namespace velto

using velto::ComputeReading;
using velto::Reading;

namespace {

struct NameCase {
    const char* label;
    std::u16string name;
    Reading expected;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.label;
}

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
    testing::Values(NameCase{"empty", u"", {0, 0, 0}},
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

TEST(ComputeReading, ReadsTheWholeNameHoweverLong)
{
    // Pasted text can be longer than any sum: letters far out still count.
    std::u16string name(40000, u'.');
    name += u"JOHN SMITH";
    EXPECT_EQ(ComputeReading(name), (Reading{44, 15, 29}));
}

Reading operator+(const Reading& a, const Reading& b)
{
    return {static_cast<std::int16_t>(a.CharacterNumber + b.CharacterNumber),
            static_cast<std::int16_t>(a.HeartNumber + b.HeartNumber),
            static_cast<std::int16_t>(a.SocialNumber + b.SocialNumber)};
}

// Below the limit a name adds up word by word, and Heart and Social share
// out Character between them.
TEST(ComputeReading, SumsAddUpOverWordsAndLetterKinds)
{
    const std::u16string words[] = {u"JOHN",     u"O'NEIL", u"RHYTHM", u"AEIOU",
                                    u"Zo\u00CB", u"X-42",   u"",       u"ABCDEFGHIJKLMNOPQRSTUVWXYZ"};
    for (const std::u16string& first : words) {
        for (const std::u16string& second : words) {
            const Reading whole = ComputeReading(first + u' ' + second);
            EXPECT_EQ(whole, ComputeReading(first) + ComputeReading(second));
            EXPECT_EQ(whole.HeartNumber + whole.SocialNumber, whole.CharacterNumber);
        }
    }
}

// Past the limit an addition is skipped, for each sum on its own.
TEST(ComputeReading, EachSumStopsAtTheLimitOnItsOwn)
{
    const std::u16string z(4095, u'Z'); // 4,095 x 8 = 32,760 for Character and Social
    const std::u16string i(3640, u'I'); // 3,640 x 9 = 32,760 for Character and Heart
    const std::pair<std::u16string, Reading> cases[] = {
        {z, {32760, 0, 32760}},
        {z + u"Z", {32760, 0, 32760}},   // would make 32,768: skipped in both sums
        {z + u"ZG", {32767, 0, 32767}},  // 7: exactly the limit
        {z + u"ZGA", {32767, 1, 32767}}, // skipped for Character, still 1 for Heart
        {i + u"I", {32760, 32760, 0}},   // skipped in both sums
        {i + u"BBK", {32766, 32760, 6}},
        {i + u"BBKT", {32766, 32760, 8}}, // skipped for Character, still 2 for Social
    };
    for (const auto& [name, expected] : cases)
        EXPECT_EQ(ComputeReading(name), expected) << name.size() << " letters, ending " << char(name.back());
}

// Long names from letter mixes that stall the sums at different points: no
// sum passes the limit, and no letter can stall Character more than 8 short.
TEST(ComputeReading, NoSumPassesTheLimitOnLongNames)
{
    for (const std::u16string_view mix :
         {u"IR", u"BCDHQZ", u"AEIOU", u"RRRRRRRRRA", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ "}) {
        std::u16string name;
        while (name.size() < 100000)
            name += mix;
        const Reading r = ComputeReading(name);
        EXPECT_GE(r.CharacterNumber, 32767 - 8) << std::string(mix.begin(), mix.end());
        for (const int sum : {r.CharacterNumber, r.HeartNumber, r.SocialNumber})
            EXPECT_LE(sum, 32767) << std::string(mix.begin(), mix.end());
    }
}

} // namespace
