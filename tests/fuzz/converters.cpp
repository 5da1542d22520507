// The value converter and the hex/text conversions on any input: no crash, only conversion
// errors, and text survives the way through hex and back.
#include "core/converters.h"
#include "core/digit_filters.h"
#include "core/errors.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto source = static_cast<kelvo::ConverterBox>(input.Take<std::uint8_t>() % 4);
    const std::string text = input.Rest();
    std::string cleaned = text;
    if (source == kelvo::ConverterBox::Decimal)
        cleaned = kelvo::KeepDecimalDigits(text);
    else if (source == kelvo::ConverterBox::Hex)
        cleaned = kelvo::KeepHexDigits(text);
    else if (source == kelvo::ConverterBox::Binary)
        cleaned = kelvo::KeepBinaryDigits(text);
    try {
        const kelvo::ConvertedValue value = kelvo::ConvertValue(source, cleaned);
        if (value.binary.size() > 8 && source != kelvo::ConverterBox::Binary)
            __builtin_trap();
    } catch (const kelvo::ConversionError&) {
    }
    std::string withoutZeros;
    for (char c : text) {
        if (c != '\0')
            withoutZeros += c;
    }
    if (kelvo::HexToText(kelvo::TextToHex(text)) != withoutZeros)
        __builtin_trap();
    return 0;
}
