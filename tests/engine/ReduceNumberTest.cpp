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
