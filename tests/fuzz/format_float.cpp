// The formats against the C library's correctly rounded printf: at 18 significant digits the
// general format shows exactly printf's digits, and every format stays within its length.
#include <cmath>
#include <cstdio>

#include "core/number_text.h"
#include "fuzz_input.h"

namespace {

// printf's 18 significant digits without trailing zeros, and the decimal exponent.
std::pair<std::string, int> ReferenceDigits(long double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.17Le", std::fabs(value));
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            digits += *p;
    }
    const int exponent = std::atoi(p + 1) + 1;
    digits.erase(digits.find_last_not_of('0') + 1);
    return {digits, exponent};
}

// Our digits back out of the general format at 18 digits.
std::pair<std::string, int> ShownDigits(std::string text) {
    if (text[0] == '-')
        text.erase(0, 1);
    int exponent = 0;
    const std::size_t e = text.find('E');
    if (e != std::string::npos) {
        exponent = std::atoi(text.c_str() + e + 1) + 1;
        text.resize(e);
        const std::size_t point = text.find('.');
        if (point != std::string::npos)
            text.erase(point, 1);
    } else {
        const std::size_t point = text.find('.');
        const std::string whole = text.substr(0, point);
        std::string digits = whole == "0" ? "" : whole;
        exponent = static_cast<int>(digits.size());
        if (point != std::string::npos)
            digits += text.substr(point + 1);
        if (whole == "0") {
            const std::size_t first = digits.find_first_not_of('0');
            exponent = -static_cast<int>(first);
            digits.erase(0, first);
        }
        text = digits;
    }
    text.erase(text.find_last_not_of('0') + 1);
    return {text, exponent};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto value = input.Take<long double>();
    const int precision = input.Take<std::uint8_t>() % 24;
    const int decimals = input.Take<std::uint8_t>() % 24;
    const int exponentDigits = input.Take<std::uint8_t>() % 8;
    if (!std::isfinite(value))
        return 0;
    const std::string general = kelvo::FormatFloatGeneral(value, precision, exponentDigits, '.');
    const std::string fixed = kelvo::FormatFloatFixed(value, precision, decimals, '.');
    if (general.empty() || fixed.empty() || general.size() > 40 || fixed.size() > 60)
        __builtin_trap();
    if (value != 0) {
        const std::string full = kelvo::FormatFloatGeneral(value, 18, 0, '.');
        if (ShownDigits(full) != ReferenceDigits(value))
            __builtin_trap();
    }
    return 0;
}
