#pragma once

#include <string>
#include <string_view>

namespace kelvo {

// The boxes clean their text by keeping only the digits of their base, in order and in the case
// they were typed.
[[nodiscard]] std::string KeepDecimalDigits(std::string_view text);
[[nodiscard]] std::string KeepHexDigits(std::string_view text);
[[nodiscard]] std::string KeepBinaryDigits(std::string_view text);

// The value of a hex digit of either case, or -1 for any other character.
[[nodiscard]] int HexDigitValue(char c);

} // namespace kelvo
