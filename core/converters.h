#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kelvo {

// The four boxes of the value converter, numbered as the converter records its source.
enum class ConverterBox { Decimal = 0, Hex = 1, Character = 2, Binary = 3 };

// One number in the converter's four forms; an empty text is an empty box.
struct ConvertedValue {
    std::string decimal;
    std::string hex;
    std::string character;
    std::string binary;
};

// The forms shown when the source box holds `cleaned` (already cleaned to the digits of its
// base; the character box is not cleaned). The source's own form is the cleaned text itself.
// Throws ConversionError for a decimal text beyond the signed 32-bit range.
[[nodiscard]] ConvertedValue ConvertValue(ConverterBox source, std::string_view cleaned);

// Eight binary digits, most significant first.
[[nodiscard]] std::string BinaryDigits(std::uint8_t value);
// The last eight digits weigh 1, 2, ..., 128 from the right; digits further left weigh nothing.
[[nodiscard]] std::uint8_t BinaryValue(std::string_view binaryDigits);
// The character box's text for a code: code 0 is an empty box.
[[nodiscard]] std::string CharacterOf(std::uint8_t code);

// Each pair of hex digits (cleaned, any case) is one character; a byte 00 gives none; an odd
// count gives nothing.
[[nodiscard]] std::string HexToText(std::string_view hexDigits);
// Each character as two uppercase hex digits.
[[nodiscard]] std::string TextToHex(std::string_view text);

} // namespace kelvo
