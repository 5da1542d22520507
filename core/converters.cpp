#include "core/converters.h"

#include "core/checksums.h"
#include "core/number_text.h"

namespace kelvo {
namespace {

std::int32_t ParseHex(std::string_view digits) {
    return ParseInteger("$" + std::string(digits));
}

ConvertedValue FromDecimal(std::string_view cleaned) {
    ConvertedValue value;
    value.decimal = cleaned;
    const std::int32_t v = ParseInteger(cleaned);
    // Above 16777215 the hex box stays empty, and so do the character and binary boxes.
    if (v > 0xFFFFFF)
        return value;
    value.hex = FormatHex(v, 2);
    if (v <= 255) {
        value.character = CharacterOf(static_cast<std::uint8_t>(v));
        value.binary = BinaryDigits(static_cast<std::uint8_t>(v));
    }
    return value;
}

ConvertedValue FromHex(std::string_view cleaned) {
    ConvertedValue value;
    value.hex = cleaned;
    const std::int32_t v = ParseHex(cleaned);
    value.decimal = FormatDecimal(v);
    if (v <= 255) {
        value.character = CharacterOf(static_cast<std::uint8_t>(v));
        value.binary = BinaryDigits(static_cast<std::uint8_t>(v));
    }
    return value;
}

ConvertedValue FromCode(std::uint8_t code) {
    return {FormatDecimal(code), FormatHex(code, 2), CharacterOf(code), BinaryDigits(code)};
}

} // namespace

ConvertedValue ConvertValue(ConverterBox source, std::string_view cleaned) {
    switch (source) {
    case ConverterBox::Decimal:
        return FromDecimal(cleaned);
    case ConverterBox::Hex:
        return FromHex(cleaned);
    case ConverterBox::Character:
        if (cleaned.size() != 1)
            return {"", "", std::string(cleaned), ""};
        return FromCode(static_cast<std::uint8_t>(cleaned.front()));
    case ConverterBox::Binary: {
        ConvertedValue value = FromCode(BinaryValue(cleaned));
        value.binary = cleaned;
        return value;
    }
    }
    return {};
}

std::string BinaryDigits(std::uint8_t value) {
    std::string digits(8, '0');
    for (int bit = 0; bit < 8; ++bit) {
        if (value & (1u << bit))
            digits[static_cast<std::size_t>(7 - bit)] = '1';
    }
    return digits;
}

std::uint8_t BinaryValue(std::string_view binaryDigits) {
    unsigned value = 0;
    unsigned weight = 1;
    for (auto digit = binaryDigits.rbegin(); digit != binaryDigits.rend() && weight <= 128;
         ++digit, weight <<= 1) {
        if (*digit == '1')
            value += weight;
    }
    return static_cast<std::uint8_t>(value);
}

std::string CharacterOf(std::uint8_t code) {
    return code == 0 ? std::string() : std::string(1, static_cast<char>(code));
}

std::string HexToText(std::string_view hexDigits) {
    std::string text;
    if (hexDigits.size() % 2 != 0)
        return text;
    text.reserve(hexDigits.size() / 2);
    for (std::size_t i = 0; i < hexDigits.size() / 2; ++i) {
        const std::uint8_t byte = ByteAt(hexDigits, i);
        if (byte != 0)
            text += static_cast<char>(byte);
    }
    return text;
}

std::string TextToHex(std::string_view text) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string hex;
    hex.reserve(2 * text.size());
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 15];
    }
    return hex;
}

} // namespace kelvo
