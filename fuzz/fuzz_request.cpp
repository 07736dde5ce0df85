// Feeds arbitrary bytes, read as UTF-16 code units, to the refer-a-friend
// request as the message, and checks that the address holds nothing that
// could split its query, and that the message's bytes decode back to UTF-8
// of as many characters as were typed.
#include "engine/VendorAddress.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

using namespace velto;

namespace {

int hexValue(char c)
{
    return c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::u16string message(size / 2, u'\0');
    std::memcpy(message.data(), data, message.size() * sizeof(char16_t));

    const std::string address = TellAFriendAddress({u"Ann", u"ann@example.org", message, u"Bob", u"b@y.z"});
    std::size_t ampersands = 0;
    for (const char c : address)
        ampersands += c == '&';
    if (ampersands != 6 || address.find_first_of("# +\r\n") != std::string::npos)
        std::abort();

    const std::string encoded = PercentEncode(message);
    std::string bytes;
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] != '%') {
            bytes += encoded[i];
            continue;
        }
        const int high = i + 2 < encoded.size() ? hexValue(encoded[i + 1]) : -1;
        const int low = high >= 0 ? hexValue(encoded[i + 2]) : -1;
        if (low < 0)
            std::abort();
        bytes += static_cast<char>(high * 16 + low);
        i += 2;
    }
    // Every character, a surrogate pair as one and a lone surrogate as "?",
    // is one lead byte followed by its continuation bytes.
    std::size_t characters = 0, leads = 0;
    for (std::size_t i = 0; i < message.size(); ++i, ++characters) {
        const bool pair = message[i] >= 0xD800 && message[i] <= 0xDBFF && i + 1 < message.size()
            && message[i + 1] >= 0xDC00 && message[i + 1] <= 0xDFFF;
        i += pair;
    }
    for (const char c : bytes)
        leads += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    if (leads != characters)
        std::abort();
    return 0;
}
