#pragma once

#include <array>
#include <string_view>

namespace velto {

// The nine number profile texts, entry d - 1 for number d. Generated at build
// time from resources/text/number-profile-*.txt.
extern const std::array<std::u16string_view, 9> ProfileTexts;

} // namespace velto
