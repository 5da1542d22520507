// ParseInteger against the C library on plain decimal text, and round trips through FormatDecimal
// and FormatHex for every text it accepts.
#include <cerrno>
#include <cstdlib>
#include <optional>
#include <regex>

#include <cstring>

#include "core/errors.h"
#include "core/number_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = FuzzInput(data, size).Rest();
    std::optional<std::int32_t> parsed;
    try {
        parsed = kelvo::ParseInteger(text);
    } catch (const kelvo::ConversionError& error) {
        // The message quotes the text; compared as C strings, since a NUL ends it there.
        const std::string expected = "'" + text + "' is not a valid integer value";
        if (std::strcmp(error.what(), expected.c_str()) != 0)
            __builtin_trap();
    }
    // The quiet form agrees with the throwing one.
    const std::int32_t a = kelvo::ParseIntegerOr(text, 0);
    const std::int32_t b = kelvo::ParseIntegerOr(text, 1);
    if (parsed ? (a != *parsed || b != *parsed) : (a != 0 || b != 1))
        __builtin_trap();

    static const std::regex plainDecimal(" *[+-]?[0-9]{1,30}");
    if (text.find('\0') == std::string::npos && std::regex_match(text, plainDecimal)) {
        errno = 0;
        const long long reference = std::strtoll(text.c_str(), nullptr, 10);
        const bool fits = errno == 0 && reference >= INT32_MIN && reference <= INT32_MAX;
        if (fits != parsed.has_value() || (fits && reference != *parsed))
            __builtin_trap();
    }
    if (parsed) {
        if (kelvo::ParseInteger(kelvo::FormatDecimal(*parsed)) != *parsed ||
            kelvo::ParseInteger("$" + kelvo::FormatHex(*parsed, 1)) != *parsed)
            __builtin_trap();
    }
    return 0;
}
