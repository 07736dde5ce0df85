#pragma once

#include <QString>

#include <string_view>

namespace velto {

// The engine's text and Qt's hold the same UTF-16 code units: no copy on the way in.
inline std::u16string_view toU16(const QString& text)
{
    return {reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())};
}

inline QString fromU16(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace velto
