#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/errors.h"

namespace kelvo {

// Text is bytes: one character is one byte of the program's 8-bit code page.

// Decimal, or hexadecimal after "$", "x", "X" or "0x"; optional leading blanks and one sign.
// Throws ConversionError("'<text>' is not a valid integer value").
[[nodiscard]] std::int32_t ParseInteger(std::string_view text);
[[nodiscard]] std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback);

// Uppercase hex of the 32 bits read as unsigned, left-padded with "0" to minDigits.
[[nodiscard]] std::string FormatHex(std::int32_t value, int minDigits);
[[nodiscard]] std::string FormatDecimal(std::int32_t value);

// Reads a float written with the given decimal separator.
// Throws ConversionError("'<text>' is not a valid floating point value").
[[nodiscard]] long double ParseFloat(std::string_view text, char decimalSeparator);

// Shortest of fixed or scientific notation with `precision` significant digits (clamped to
// 2..18); the exponent is padded to `minExponentDigits` (above 4 counts as 0).
[[nodiscard]] std::string FormatFloatGeneral(long double value, int precision,
                                             int minExponentDigits, char decimalSeparator);
// Fixed notation with exactly `decimals` fraction digits, or the general form when the value
// has more integer digits than `precision`.
[[nodiscard]] std::string FormatFloatFixed(long double value, int precision, int decimals,
                                           char decimalSeparator);

} // namespace kelvo
