#include "engine/VendorAddress.h"

#include "product/Product.h"

namespace velto {

namespace {

bool keptAsIs(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.'
        || c == '_' || c == '~' || c == '@' || c == ':' || c == '/';
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string toUtf8(std::u16string_view text)
{
    std::string utf8;
    utf8.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            appendUtf8(utf8, 0x10000 + ((static_cast<char32_t>(c) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            utf8 += '?';
        } else {
            appendUtf8(utf8, c);
        }
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
