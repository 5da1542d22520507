#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <system_error>

namespace kelvo {

namespace {

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t SkipBlanks(std::string_view text, std::size_t pos) {
    while (pos < text.size() && text[pos] == ' ')
        ++pos;
    return pos;
}

// The one grammar behind ParseInteger and ParseIntegerOr; never throws, as ParseIntegerOr
// runs in tight loops.
std::optional<std::int32_t> TryParseInteger(std::string_view text) {
    std::size_t pos = SkipBlanks(text, 0);
    bool negative = false;
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        negative = text[pos] == '-';
        ++pos;
    }

    int base = 10;
    if (pos < text.size() && (text[pos] == '$' || text[pos] == 'x' || text[pos] == 'X')) {
        base = 16;
        pos += 1;
    } else if (pos + 1 < text.size() && text[pos] == '0' &&
               (text[pos + 1] == 'x' || text[pos + 1] == 'X')) {
        base = 16;
        pos += 2;
    }

    // from_chars takes digits only (no blanks, signs or prefixes) and reports a value beyond
    // 32 bits as out of range.
    const char* first = text.data() + pos;
    const char* last = text.data() + text.size();
    std::uint32_t magnitude = 0;
    const auto [end, ec] = std::from_chars(first, last, magnitude, base);
    if (ec != std::errc{} || end != last)
        return std::nullopt;

    if (base == 10) {
        const std::uint32_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
        if (magnitude > limit)
            return std::nullopt;
    }
    // Hex digits give the 32 bits as they are, so "$FFFFFFFF" is -1 and "-$80000000" wraps.
    return static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
}

// strtold_l with a fixed "C" locale: the program runs under the user's locale, whose decimal
// point may not be ".".
locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

// A value as 0.d1d2... x 10^exponent, rounded for display; no digits means zero.
struct DecimalDigits {
    std::string digits;
    int exponent = 0;
    bool negative = false;
};

constexpr int kMaxDigits = 18;
constexpr int kAllDecimals = 9999;

// Rounds the value's 18 significant digits half up at digit index min(exponent + decimals,
// precision) and drops trailing zeros. The value must be finite.
DecimalDigits ToDecimalDigits(long double value, int decimals, int precision) {
    DecimalDigits result;
    if (value == 0)
        return result;

    // "d.ddddddddddddddddde[+-]x": 18 digits, correctly rounded.
    std::array<char, 64> buffer{};
    const auto written =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                      std::chars_format::scientific, kMaxDigits - 1);
    const std::string_view text(buffer.data(),
                                static_cast<std::size_t>(written.ptr - buffer.data()));
    const std::size_t e = text.find('e');
    std::string digits;
    digits.reserve(kMaxDigits);
    digits += text[0];
    digits += text.substr(2, e - 2);

    std::string_view exponentText = text.substr(e + 1);
    if (exponentText.front() == '+')
        exponentText.remove_prefix(1);
    int exponent = 0;
    std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    exponent += 1;

    const int position = std::min(exponent + decimals, precision);
    if (position < 0)
        return result;
    if (position < kMaxDigits) {
        const bool roundUp = digits[static_cast<std::size_t>(position)] >= '5';
        digits.resize(static_cast<std::size_t>(position));
        if (roundUp) {
            auto it = digits.rbegin();
            while (it != digits.rend() && *it == '9')
                *it++ = '0';
            if (it != digits.rend()) {
                ++*it;
            } else {
                // All nines (or nothing kept): the carry makes a new leading digit.
                digits.insert(digits.begin(), '1');
                ++exponent;
            }
        }
    }
    const std::size_t lastNonZero = digits.find_last_not_of('0');
    if (lastNonZero == std::string::npos)
        return result;
    digits.resize(lastNonZero + 1);

    result.digits = std::move(digits);
    result.exponent = exponent;
    result.negative = std::signbit(value);
    return result;
}

std::optional<std::string> NonFiniteText(long double value) {
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    return std::nullopt;
}

// The first `count` digits, padded with zeros when there are fewer.
std::string LeadingDigits(const std::string& digits, int count) {
    std::string result = digits.substr(0, static_cast<std::size_t>(count));
    result.resize(static_cast<std::size_t>(count), '0');
    return result;
}

std::string FormatGeneralDigits(const DecimalDigits& d, int precision, int minExponentDigits,
                                char decimalSeparator) {
    if (d.digits.empty())
        return "0";

    std::string result = d.negative ? "-" : "";
    if (d.exponent >= -3 && d.exponent <= precision) {
        if (d.exponent <= 0) {
            result += '0';
            result += decimalSeparator;
            result.append(static_cast<std::size_t>(-d.exponent), '0');
            result += d.digits;
        } else {
            result += LeadingDigits(d.digits, d.exponent);
            if (d.digits.size() > static_cast<std::size_t>(d.exponent)) {
                result += decimalSeparator;
                result += d.digits.substr(static_cast<std::size_t>(d.exponent));
            }
        }
        return result;
    }

    result += d.digits[0];
    if (d.digits.size() > 1) {
        result += decimalSeparator;
        result += d.digits.substr(1);
    }
    result += 'E';
    const int exponent = d.exponent - 1;
    if (exponent < 0)
        result += '-';
    const std::string exponentDigits = std::to_string(std::abs(exponent));
    if (minExponentDigits > 4 || minExponentDigits < 0)
        minExponentDigits = 0;
    if (exponentDigits.size() < static_cast<std::size_t>(minExponentDigits))
        result.append(static_cast<std::size_t>(minExponentDigits) - exponentDigits.size(), '0');
    result += exponentDigits;
    return result;
}

} // namespace

std::int32_t ParseInteger(std::string_view text) {
    if (const auto value = TryParseInteger(text))
        return *value;
    throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
}

std::int32_t ParseIntegerOr(std::string_view text, std::int32_t fallback) {
    return TryParseInteger(text).value_or(fallback);
}

std::string FormatHex(std::int32_t value, int minDigits) {
    std::array<char, 8> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(),
                                       static_cast<std::uint32_t>(value), 16);
    std::string digits(buffer.data(), written.ptr);
    std::transform(digits.begin(), digits.end(), digits.begin(),
                   [](char c) { return c >= 'a' ? static_cast<char>(c - 'a' + 'A') : c; });
    if (digits.size() < static_cast<std::size_t>(std::max(minDigits, 0)))
        digits.insert(0, static_cast<std::size_t>(minDigits) - digits.size(), '0');
    return digits;
}

std::string FormatDecimal(std::int32_t value) {
    return std::to_string(value);
}

long double ParseFloat(std::string_view text, char decimalSeparator) {
    const auto fail = [text]() {
        return ConversionError("'" + std::string(text) + "' is not a valid floating point value");
    };
    const auto digitsFrom = [text](std::size_t pos) {
        std::size_t end = pos;
        while (end < text.size() && IsDigit(text[end]))
            ++end;
        return end;
    };

    // The number is checked here and rewritten in C-locale form for strtold_l.
    std::string number;
    number.reserve(text.size() + 8);

    std::size_t pos = SkipBlanks(text, 0);
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        if (text[pos] == '-')
            number += '-';
        ++pos;
    }

    // A lone separator is accepted and reads as 0.
    const std::size_t intEnd = digitsFrom(pos);
    bool hasMantissa = intEnd > pos;
    number += '0';
    number += text.substr(pos, intEnd - pos);
    pos = intEnd;
    if (pos < text.size() && text[pos] == decimalSeparator) {
        hasMantissa = true;
        const std::size_t fracEnd = digitsFrom(pos + 1);
        number += '.';
        number += text.substr(pos + 1, fracEnd - pos - 1);
        pos = fracEnd;
    }
    if (!hasMantissa)
        throw fail();

    if (pos < text.size() && (text[pos] == 'E' || text[pos] == 'e')) {
        ++pos;
        bool negativeExponent = false;
        if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
            negativeExponent = text[pos] == '-';
            ++pos;
        }
        // No digit is taken once the exponent reaches 500, so it stays below 5000 (already out
        // of the extended range) and any further digit counts as trailing garbage.
        int exponent = 0;
        while (pos < text.size() && IsDigit(text[pos]) && exponent < 500)
            exponent = exponent * 10 + (text[pos++] - '0');
        number += negativeExponent ? "e-" : "e";
        number += std::to_string(exponent);
    }

    if (SkipBlanks(text, pos) != text.size())
        throw fail();

    const long double value = strtold_l(number.c_str(), nullptr, ClassicLocale());
    if (std::isinf(value))
        throw fail();
    return value;
}

std::string FormatFloatGeneral(long double value, int precision, int minExponentDigits,
                               char decimalSeparator) {
    if (auto text = NonFiniteText(value))
        return *text;
    precision = std::clamp(precision, 2, kMaxDigits);
    return FormatGeneralDigits(ToDecimalDigits(value, kAllDecimals, precision), precision,
                               minExponentDigits, decimalSeparator);
}

std::string FormatFloatFixed(long double value, int precision, int decimals,
                             char decimalSeparator) {
    if (auto text = NonFiniteText(value))
        return *text;
    precision = std::clamp(precision, 2, kMaxDigits);
    decimals = std::clamp(decimals, 0, kMaxDigits);

    const DecimalDigits d = ToDecimalDigits(value, decimals, precision);
    // Too many integer digits for the precision, even after rounding: use the exponent form.
    if (d.exponent > precision)
        return FormatFloatGeneral(value, precision, decimals, decimalSeparator);

    std::string result = d.negative ? "-" : "";
    result += d.exponent <= 0 ? std::string("0") : LeadingDigits(d.digits, d.exponent);
    if (decimals > 0) {
        std::string fraction;
        if (d.exponent < 0)
            fraction.append(static_cast<std::size_t>(-d.exponent), '0');
        if (d.digits.size() > static_cast<std::size_t>(std::max(d.exponent, 0)))
            fraction += d.digits.substr(static_cast<std::size_t>(std::max(d.exponent, 0)));
        fraction.resize(static_cast<std::size_t>(decimals), '0');
        result += decimalSeparator;
        result += fraction;
    }
    return result;
}

} // namespace kelvo
