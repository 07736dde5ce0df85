#include "engine/Reading.h"

#include <gtest/gtest.h>

using velto::NumberKind;
using velto::ReadingText;
using velto::ReduceNumber;

namespace {

TEST(ReduceNumber, KnownValues)
{
    const struct {
        std::int16_t n, reduced;
    } cases[] = {{0, 0},  {7, 7},   {9, 9},   {10, 1},  {38, 2},    {44, 8},
                 {99, 9}, {100, 1}, {195, 6}, {595, 1}, {32767, 7}, {19999, 1}};
    for (const auto& c : cases)
        EXPECT_EQ(ReduceNumber(c.n), c.reduced) << "n = " << c.n;
}

TEST(ReduceNumber, EqualsDigitalRootForEveryPositiveValue)
{
    for (int n = 1; n <= 32767; ++n)
        ASSERT_EQ(ReduceNumber(static_cast<std::int16_t>(n)), 1 + (n - 1) % 9) << "n = " << n;
}

TEST(ReduceNumber, NegativeValuesReduceTheirDigitsWithoutSign)
{
    EXPECT_EQ(ReduceNumber(-44), 8);
    EXPECT_EQ(ReduceNumber(-32768), 8); // 3+2+7+6+8 = 26 -> 8
}

TEST(ReadingText, ZeroGivesTheNotAvailableLineOfItsKind)
{
    EXPECT_EQ(ReadingText(NumberKind::Character, 0), u"No Character Number available");
    EXPECT_EQ(ReadingText(NumberKind::Heart, 0), u"No Heart Number available");
    EXPECT_EQ(ReadingText(NumberKind::Social, 0), u"No Social Number available");
}

TEST(ReadingText, AllKindsShareTheProfileTable)
{
    for (int d = 1; d <= 9; ++d) {
        const auto text = velto::NumberProfileText(d);
        ASSERT_FALSE(text.empty()) << d;
        EXPECT_EQ(ReadingText(NumberKind::Character, d), text) << d;
        EXPECT_EQ(ReadingText(NumberKind::Heart, d), text) << d;
        EXPECT_EQ(ReadingText(NumberKind::Social, d), text) << d;
    }
}

TEST(ReadingText, OutOfRangeGivesNothing)
{
    for (const int d : {-1, 10, 32767}) {
        EXPECT_TRUE(velto::NumberProfileText(d).empty()) << d;
        EXPECT_TRUE(ReadingText(NumberKind::Heart, d).empty()) << d;
    }
    EXPECT_TRUE(velto::NumberProfileText(0).empty());
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
