#include "engine/Reading.h"

#include <gtest/gtest.h>

using velto::NumberKind;
using velto::ReadingText;
using velto::ReduceNumber;

namespace {

TEST(ReduceNumber, ZeroStaysEveryOtherSumGivesItsDigitalRoot)
{
    EXPECT_EQ(ReduceNumber(0), 0);
    for (int n = 1; n <= 32767; ++n)
        ASSERT_EQ(ReduceNumber(static_cast<std::int16_t>(n)), 1 + (n - 1) % 9) << "n = " << n;
}

// Each of the nine texts by its designed opening and length, so that a text
// missing, changed or in another's place fails; and none past them.
TEST(NumberProfileText, EachOpensAsDesignedAndHasItsLength)
{
    struct Designed {
        std::u16string_view opening;
        std::size_t length;
    };
    constexpr Designed texts[] = {
        {u"Being the first digit, number one insists you to be a leader in every sphere of your life.", 607},
        {u"The most important characteristic of number two people is their ability to communicate and "
         u"co-operate with others.",
         762},
        {u"According to Pythagorean theorists, 3 is the first complete digit having a beginning, midpoint "
         u"and an "
         u"end.",
         691},
        {u"The vibe of number four is reflected through the laboriousness and practicality of the number "
         u"four "
         u"person.",
         733},
        {u"Under the influence of number five, you will acquire a volatile temperament with time.", 651},
        {u"This number signifies a highly romantic disposition.", 625},
        {u"Number seven people are infused with the spirit of", 688},
        {u"Down the ages, number eight has earned the reputation of being the most unpredictable number of "
         u"all.",
         700},
        {u"Great resolve, enthusiasm and dynamism are the keywords in life for number nine people.", 756},
    };
    for (int d = 1; d <= 9; ++d) {
        const std::u16string_view text = velto::NumberProfileText(d);
        EXPECT_TRUE(text.starts_with(texts[d - 1].opening)) << "text " << d;
        EXPECT_EQ(text.size(), texts[d - 1].length) << "text " << d;
    }
    EXPECT_NE(velto::NumberProfileText(6).find(u'\u00E9'), std::u16string_view::npos);
    EXPECT_TRUE(velto::NumberProfileText(0).empty());
    EXPECT_TRUE(velto::NumberProfileText(10).empty());
}

// What the results page shows, in one call: reduced numbers, and beside
// each its text or its not-available line.
TEST(ReadName, NumbersAndTheirTexts)
{
    using velto::NumberProfileText;
    const velto::NameReading john = velto::ReadName(u"JOHN SMITH");
    EXPECT_EQ(john.numbers, (velto::Reading{8, 6, 2}));
    EXPECT_EQ(john.texts[0], NumberProfileText(8));
    EXPECT_EQ(john.texts[1], NumberProfileText(6));
    EXPECT_EQ(john.texts[2], NumberProfileText(2));

    const velto::NameReading rhythm = velto::ReadName(u"RHYTHM");
    EXPECT_EQ(rhythm.numbers, (velto::Reading{2, 0, 2}));
    EXPECT_EQ(rhythm.texts[1], u"No Heart Number available");

    const velto::NameReading none = velto::ReadName(u"john 123");
    EXPECT_EQ(none.numbers, (velto::Reading{0, 0, 0}));
    EXPECT_EQ(none.texts[0], u"No Character Number available");
    EXPECT_EQ(none.texts[2], u"No Social Number available");
}

} // namespace
