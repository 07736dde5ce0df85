#pragma once

#include <QString>

#include <string_view>

namespace velto {

// The engine's text (UTF-16 code units) and Qt's, without a copy on the way
// in: both hold the same code units.
inline std::u16string_view toU16(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QString fromU16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velto
