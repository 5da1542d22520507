// The divider and the regression on any box texts: they compute or end with one of the
// program's own errors, never with anything else.
#include "core/analog.h"

#include <array>

#include "core/errors.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const char separator = input.Take<std::uint8_t>() % 2 ? ',' : '.';
    const bool shift = input.Take<std::uint8_t>() % 2;
    std::array<std::string, 8> texts;
    for (auto& text : texts)
        text = input.Text(14);
    const auto clean = [&](const std::string& text) {
        return kelvo::CleanRealText(text, separator);
    };
    try {
        kelvo::DividerOutputs outputs;
        kelvo::ComputeDivider(
            {clean(texts[0]), clean(texts[1]), clean(texts[2]), clean(texts[3]), texts[4], shift},
            separator, outputs);
    } catch (const kelvo::ConversionError&) {
    } catch (const kelvo::FloatError&) {
    }
    try {
        kelvo::RegressionOutput output;
        kelvo::GenerateRegression({texts[4], texts[5], texts[6], texts[7], clean(texts[0]),
                                   clean(texts[1]), clean(texts[3]), clean(texts[2])},
                                  separator, output);
        if (output.lines.size() != 18)
            __builtin_trap();
    } catch (const kelvo::ConversionError&) {
    } catch (const kelvo::FloatError&) {
    }
    return 0;
}
