// ParseFloat on any text: it accepts or names the text, never yields infinity or NaN, and what
// it reads prints back to the same value at 18 digits within the last digit.
#include <cmath>

#include <cstring>

#include "core/errors.h"
#include "core/number_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char separator = input.Take<std::uint8_t>() % 2 ? ',' : '.';
    const std::string text = input.Rest();
    long double value = 0;
    try {
        value = kelvo::ParseFloat(text, separator);
    } catch (const kelvo::ConversionError& error) {
        // The message quotes the text; compared as C strings, since a NUL ends it there.
        const std::string expected = "'" + text + "' is not a valid floating point value";
        if (std::strcmp(error.what(), expected.c_str()) != 0)
            __builtin_trap();
        return 0;
    }
    if (!std::isfinite(value))
        __builtin_trap();
    const std::string printed = kelvo::FormatFloatGeneral(value, 18, 0, separator);
    const long double back = kelvo::ParseFloat(printed, separator);
    const long double tolerance = std::fabs(value) * 1e-17L;
    if (std::fabs(back - value) > tolerance && value != 0)
        __builtin_trap();
    return 0;
}
