#include "engine/VendorAddress.h"

#include "product/Product.h"

namespace velto {

namespace {

bool keptAsIs(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~' || c == '@' || c == ':' || c == '/';
}

// UTF-8, with "?" for a lone surrogate.
std::string toUtf8(std::u16string_view text)
{
    std::string utf8;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDFFF) {
            if (c > 0xDBFF || i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] > 0xDFFF) {
                utf8 += '?';
                continue;
            }
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        // The lead byte holds the top bits, each continuation byte six more.
        static constexpr unsigned char Lead[] = {0x00, 0xC0, 0xE0, 0xF0};
        const int continuations = c < 0x80 ? 0 : c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
        utf8 += static_cast<char>(Lead[continuations] | (c >> (6 * continuations)));
        for (int k = continuations - 1; k >= 0; --k)
            utf8 += static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F));
    }
    return utf8;
}

std::string percentEncodeBytes(std::string_view bytes)
{
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string encoded;
    for (const char byte : bytes) {
        const auto c = static_cast<unsigned char>(byte);
        if (keptAsIs(c)) {
            encoded += byte;
        } else {
            encoded += '%';
            encoded += Hex[c >> 4];
            encoded += Hex[c & 0xF];
        }
    }
    return encoded;
}

} // namespace

std::string PercentEncode(std::u16string_view value)
{
    return percentEncodeBytes(toUtf8(value));
}

std::string VendorPageAddress(std::string_view pageKey)
{
    return std::string(product::ProductPage) + "ssd.php?page=" + std::string(pageKey);
}

std::string TellAFriendAddress(const TellAFriendFields& fields)
{
    return VendorPageAddress("tarn-refer-a-friend") + "&taf1=" + PercentEncode(fields.SenderName)
        + "&taf2=" + PercentEncode(fields.SenderEmail) + "&taf3=" + PercentEncode(fields.MessageText)
        + "&taf4=" + PercentEncode(fields.FriendName) + "&taf5=" + PercentEncode(fields.FriendEmail)
        + "&taf6=" + percentEncodeBytes(product::ProductPage);
}

} // namespace velto
