#include "engine/SavedReadingFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>

using namespace velto;

namespace {

using Lines = std::array<std::string, SavedReadingLines>;

struct LinesCase {
    const char* label;
    std::string bytes;
    Lines expected;
};

void PrintTo(const LinesCase& c, std::ostream* os)
{
    *os << c.label;
}

class ReadLines : public testing::TestWithParam<LinesCase> {};

TEST_P(ReadLines, SplitsAtCrAndCrLfOnly)
{
    EXPECT_EQ(ReadSavedReadingLines(GetParam().bytes), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadLines,
    testing::Values(LinesCase{"empty_file", "", {}},
                    LinesCase{"crlf", "1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n", {"1", "2", "3", "4", "5", "6"}},
                    LinesCase{"cr", "1\r2\r3\r4\r5\r6", {"1", "2", "3", "4", "5", "6"}},
                    LinesCase{"lone_lf_is_part_of_the_line", "a\nb\nc\r\nd", {"a\nb\nc", "d"}},
                    LinesCase{"lf_only_file_is_one_line", "a\nb\nc\nd\ne\nf\n", {"a\nb\nc\nd\ne\nf\n"}},
                    LinesCase{"empty_lines_count", "\r\n\r\r\nx", {"", "", "", "x"}},
                    LinesCase{"three_lines", "a\r\nb\r\nc\r\n", {"a", "b", "c"}},
                    LinesCase{"lf_cr_pair", "a\n\rb", {"a\n", "b"}},
                    LinesCase{"nul_bytes_kept", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}}),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.label); });

TEST(ReadSavedReadingLines, ReadsNothingPastTheBound)
{
    std::string bytes(MaxSavedReadingBytes - 1, 'x');
    bytes += "\r\nsecond line beyond the bound";
    const Lines lines = ReadSavedReadingLines(bytes);
    EXPECT_EQ(lines[0].size(), MaxSavedReadingBytes - 1);
    EXPECT_EQ(lines[1], ""); // the LF after the CR lies past the bound, so the line is empty

    const Lines whole = ReadSavedReadingLines(std::string(3 * MaxSavedReadingBytes, 'y'));
    EXPECT_EQ(whole[0].size(), MaxSavedReadingBytes);
    EXPECT_TRUE(whole[1].empty());
}

TEST(UnscrambleText, LowersEachByteAndDropsThoseBelowTheOffset)
{
    EXPECT_EQ(UnscrambleText(""), "");
    EXPECT_EQ(UnscrambleText("fz\x8b|\x81"), "March");
    EXPECT_EQ(UnscrambleText("P"), "7");
    EXPECT_EQ(UnscrambleText("JRPK"), "1972");
    EXPECT_EQ(UnscrambleText(std::string("\x00\x01\x18", 3)), "");
    EXPECT_EQ(UnscrambleText("\x19\x1a"), std::string("\x00\x01", 2)); // the offset itself gives 0
    EXPECT_EQ(UnscrambleText("\xff"), "\xe6");
}

TEST(CheckSavedReadingPath, OnlyALowerCaseNumEndingIsRead)
{
    EXPECT_EQ(CheckSavedReadingPath(u""), SavedReadingPath::None);
    EXPECT_EQ(CheckSavedReadingPath(u"/home/ann/reading.num"), SavedReadingPath::Accepted);
    EXPECT_EQ(CheckSavedReadingPath(u"/home/ann/readingnum"), SavedReadingPath::Accepted);
    EXPECT_EQ(CheckSavedReadingPath(u"/home/ann/reading.NUM"), SavedReadingPath::Refused);
    EXPECT_EQ(CheckSavedReadingPath(u"/home/ann/reading.txt"), SavedReadingPath::Refused);
    // Too short to test: read, as a name ending in "num" would be.
    EXPECT_EQ(CheckSavedReadingPath(u"ab"), SavedReadingPath::Accepted);
}

TEST(ReadSavedReading, BirthDateFromLinesFourToSix)
{
    const std::string reading = "JOHN\r\nx\r\ny\r\nfz\x8b|\x81\r\nP\r\nJRPK\r";
    const auto saved = ReadSavedReading(reading + "\nmore");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->month, u"March");
    EXPECT_EQ(saved->day, u"7");
    EXPECT_EQ(saved->year, u"1972");
    const auto short_ = ReadSavedReading("a\r\nb\r\nc\r\nfz\x8b|\x81");
    ASSERT_TRUE(short_);
    EXPECT_EQ(short_->month, u"March");
    EXPECT_TRUE(short_->day.empty() && short_->year.empty());

    // A file that goes on past what is read: whatever follows six whole
    // lines is left unread; a limit that cuts into them refuses the file.
    const std::string padding(MaxSavedReadingBytes - reading.size(), 'x');
    EXPECT_EQ(ReadSavedReading(reading + padding, false)->year, u"1972");
    EXPECT_FALSE(ReadSavedReading(reading.substr(0, reading.size() - 1) + padding + "x\r", false));
    EXPECT_FALSE(ReadSavedReading("a\r\nb\r\nc\r\n", false));
}

TEST(DecodeWindows1252, EveryByteHasItsOwnCharacter)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    const std::u16string text = DecodeWindows1252(all);
    ASSERT_EQ(text.size(), 256u);
    EXPECT_EQ(text[0x41], u'A');
    EXPECT_EQ(text[0x80], u'\u20AC');
    EXPECT_EQ(text[0x92], u'\u2019');
    EXPECT_EQ(text[0x81], u'\u0081');
    EXPECT_EQ(text[0x9D], u'\u009D');
    EXPECT_EQ(text[0xE9], u'\u00E9');
    // No two bytes share a character, so nothing is lost.
    std::u16string sorted = text;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end());
}

} // namespace
