// The eight checksums of any cleaned data text against straightforward reference loops, with
// random CRC parameters.
#include "core/checksums.h"

#include <vector>

#include "core/digit_filters.h"
#include "core/number_text.h"
#include "fuzz_input.h"

namespace {

// Reflected CRC, one bit at a time, written from the textbook definition.
std::uint32_t ReferenceCrc(const std::vector<std::uint8_t>& bytes, std::uint32_t reg,
                           std::uint32_t reflectedPoly) {
    for (std::uint8_t byte : bytes) {
        reg ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            reg = (reg & 1) ? (reg >> 1) ^ reflectedPoly : reg >> 1;
    }
    return reg;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto init8 = input.Take<std::uint8_t>();
    const auto poly8 = input.Take<std::uint8_t>();
    const auto init16 = input.Take<std::uint16_t>();
    const auto poly16 = input.Take<std::uint16_t>();
    std::string text = kelvo::KeepHexDigits(input.Rest());
    if (text.size() % 2)
        text.pop_back();
    if (text.empty())
        return 0;
    std::vector<std::uint8_t> bytes;
    unsigned sum = 0, characters = 0, xorValue = 0, contact = 0;
    for (std::size_t i = 0; i < text.size(); i += 2) {
        bytes.push_back(static_cast<std::uint8_t>(std::stoi(text.substr(i, 2), nullptr, 16)));
        sum += bytes.back();
        xorValue ^= bytes.back();
        contact += bytes.back() == 0 ? 10 : bytes.back();
    }
    for (char c : text)
        characters += static_cast<unsigned char>(c);
    const auto hex2 = [](unsigned v) {
        return kelvo::FormatHex(static_cast<std::int32_t>(v & 0xFF), 2);
    };
    if (kelvo::SumOfBytes(text) != hex2(sum) ||
        kelvo::SumOfHalfBytesAscii(text) != hex2(characters) ||
        kelvo::XorOfBytes(text) != hex2(xorValue) ||
        kelvo::IntelHexChecksum(kelvo::SumOfBytes(text)) != hex2(256 - (sum & 0xFF)) ||
        kelvo::Mod15ContactId(text) !=
            kelvo::FormatHex(static_cast<std::int32_t>(15 - contact % 15), 1))
        __builtin_trap();

    kelvo::LazyPolynomial box8([&] { return kelvo::FormatHex(poly8, 2); });
    const std::uint32_t q8 = 0x80u | (poly8 >> 1u);
    if (kelvo::Crc8OfData(text, init8, box8, false) != ReferenceCrc(bytes, init8, q8))
        __builtin_trap();
    const std::vector<std::uint8_t> reversed(bytes.rbegin(), bytes.rend());
    if (kelvo::Crc8OfData(text, init8, box8, true) != ReferenceCrc(reversed, init8, q8))
        __builtin_trap();
    kelvo::LazyPolynomial box16([&] { return kelvo::FormatHex(poly16, 4); });
    if (kelvo::Crc16OfData(text, init16, box16) != ReferenceCrc(bytes, init16, poly16))
        __builtin_trap();
    return 0;
}
