#pragma once

#include <optional>

namespace kelvo {

// The program's 8-bit code page is Windows-1252. Its five undefined bytes (81, 8D, 8F, 90 and
// 9D hex) map to the control characters of the same code, so every byte round-trips.
[[nodiscard]] char32_t CharFromByte(unsigned char byte);
// The byte of a character, or nothing when the code page has no such character.
[[nodiscard]] std::optional<unsigned char> ByteFromChar(char32_t ch);

} // namespace kelvo
