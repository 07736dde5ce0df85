#include "engine/VendorAddress.h"
#include "product/Product.h"

#include <gtest/gtest.h>

#include <string>

using namespace velto;

namespace {

const std::string Host = product::VendorHost;

TEST(TellAFriendAddress, FieldsInOrderThenTheProductPage)
{
    EXPECT_EQ(
        TellAFriendAddress({u"Ann Lee", u"ann@example.org", u"Try it", u"Bob", u"bob_1@example.co.uk"}),
        "http://" + Host
            + "/velto-free-arithmancy/ssd.php?page=tarn-refer-a-friend&taf1=Ann%20Lee&taf2=ann@example.org"
              "&taf3=Try%20it&taf4=Bob&taf5=bob_1@example.co.uk&taf6=http://"
            + Host + "/velto-free-arithmancy/");
}

struct EncodingCase {
    const char* label;
    std::u16string_view value;
    std::string encoded;
};

void PrintTo(const EncodingCase& c, std::ostream* os)
{
    *os << c.label;
}

class Encoding : public testing::TestWithParam<EncodingCase> {};

// What would end a value, start another or change its meaning in a query is
// escaped; letters of any script go as UTF-8.
TEST_P(Encoding, EscapesAllButWhatStaysReadable)
{
    EXPECT_EQ(PercentEncode(GetParam().value), GetParam().encoded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, Encoding,
    testing::Values(EncodingCase{"kept", u"Az09-._~@:/", "Az09-._~@:/"},
                    EncodingCase{"query_syntax", u"a&b=c#d?e+f%", "a%26b%3Dc%23d%3Fe%2Bf%25"},
                    EncodingCase{"blanks_and_breaks", u" \t\r\n\u00A0", "%20%09%0D%0A%C2%A0"},
                    EncodingCase{"separators", u"\u2028\u2029", "%E2%80%A8%E2%80%A9"},
                    EncodingCase{"other_scripts", u"\u00e9\u65e5", "%C3%A9%E6%97%A5"},
                    EncodingCase{"one_byte_to_two", u"\u007F\u0080", "%7F%C2%80"},
                    EncodingCase{"two_bytes_to_three", u"\u07FF\u0800", "%DF%BF%E0%A0%80"},
                    EncodingCase{"last_of_three_bytes", u"\uFFFF", "%EF%BF%BF"},
                    EncodingCase{"surrogate_pair", u"\U0001F600", "%F0%9F%98%80"},
                    EncodingCase{"first_and_last_pair", u"\U00010000\U0010FFFF", "%F0%90%80%80%F4%8F%BF%BF"},
                    EncodingCase{"lone_surrogates", std::u16string_view(u"a\xD800z\xDC00", 4), "a%3Fz%3F"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.label); });

} // namespace
