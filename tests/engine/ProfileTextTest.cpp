// The texts are content; what the program relies on is their shape: the
// designed length and opening, one paragraph, and the one accented letter of
// entry 6.
#include "engine/Reading.h"

#include <gtest/gtest.h>

#include <algorithm>

using velto::NumberProfileText;

namespace {

struct ProfileShape {
    int number;
    std::size_t length;
    std::u16string_view opening;
};

constexpr ProfileShape Shapes[] = {
    {1, 607, u"Being the first digit, number one insists you to be a leader in every sphere of your life."},
    {2, 762,
     u"The most important characteristic of number two people is their ability to communicate and "
     u"co-operate with others."},
    {3, 691,
     u"According to Pythagorean theorists, 3 is the first complete digit having a beginning, midpoint and "
     u"an end."},
    {4, 733,
     u"The vibe of number four is reflected through the laboriousness and practicality of the number four "
     u"person."},
    {5, 651, u"Under the influence of number five, you will acquire a volatile temperament with time."},
    {6, 625, u"This number signifies a highly romantic disposition."},
    {7, 688, u"Number seven people are infused with the spirit of"},
    {8, 700,
     u"Down the ages, number eight has earned the reputation of being the most unpredictable number of "
     u"all."},
    {9, 756, u"Great resolve, enthusiasm and dynamism are the keywords in life for number nine people."},
};

TEST(ProfileText, LengthOpeningAndOneParagraph)
{
    for (const ProfileShape& shape : Shapes) {
        const std::u16string_view text = NumberProfileText(shape.number);
        EXPECT_EQ(text.size(), shape.length) << "entry " << shape.number;
        EXPECT_TRUE(text.starts_with(shape.opening)) << "entry " << shape.number;
        EXPECT_EQ(text.find_first_of(u"\r\n"), std::u16string_view::npos) << "entry " << shape.number;
    }
}

TEST(ProfileText, OnlyEntrySixHoldsNonAsciiAndThatIsOneEAcute)
{
    for (int d = 1; d <= 9; ++d) {
        const std::u16string_view text = NumberProfileText(d);
        const auto nonAscii = std::count_if(text.begin(), text.end(), [](char16_t c) { return c > 0x7E; });
        EXPECT_EQ(nonAscii, d == 6 ? 1 : 0) << "entry " << d;
    }
    EXPECT_EQ(std::count(NumberProfileText(6).begin(), NumberProfileText(6).end(), u'\u00E9'), 1);
}

} // namespace
