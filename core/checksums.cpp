#include "core/checksums.h"

#include "core/digit_filters.h"
#include "core/number_text.h"

namespace kelvo {
namespace {

std::string LastTwoHexDigits(std::uint32_t sum) {
    return FormatHex(static_cast<std::int32_t>(sum & 0xFF), 2);
}

} // namespace

std::uint8_t ByteAt(std::string_view data, std::size_t index) {
    return static_cast<std::uint8_t>(HexDigitValue(data[2 * index]) * 16 +
                                     HexDigitValue(data[2 * index + 1]));
}

std::string SumOfBytes(std::string_view data) {
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < data.size() / 2; ++i)
        sum += ByteAt(data, i);
    return LastTwoHexDigits(sum);
}

std::string SumOfHalfBytesAscii(std::string_view data) {
    std::uint32_t sum = 0;
    for (char c : data)
        sum += static_cast<unsigned char>(c);
    return LastTwoHexDigits(sum);
}

std::string Mod15ContactId(std::string_view data) {
    std::int32_t sum = 0;
    for (std::size_t i = 0; i < data.size() / 2; ++i) {
        const std::uint8_t byte = ByteAt(data, i);
        sum = static_cast<std::int32_t>(static_cast<std::uint32_t>(sum) + (byte == 0 ? 10 : byte));
    }
    // Subtracting 15 until the sum turns negative and negating leaves 15 - sum mod 15.
    const std::int32_t digit =
        sum >= 0 ? 15 - sum % 15 : static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(sum));
    return FormatHex(digit, 1);
}

std::string XorOfBytes(std::string_view data) {
    std::uint8_t value = 0;
    for (std::size_t i = 0; i < data.size() / 2; ++i)
        value ^= ByteAt(data, i);
    return FormatHex(value, 2);
}

std::string IntelHexChecksum(std::string_view sumOfBytes) {
    const auto sum = static_cast<std::uint8_t>(ParseInteger("$" + std::string(sumOfBytes)));
    const auto check = static_cast<std::uint8_t>(~static_cast<std::uint8_t>(sum - 1));
    return FormatHex(check, 2);
}

std::string InvertHexByte(std::string_view hexText) {
    const auto value = static_cast<std::uint8_t>(ParseInteger("$" + std::string(hexText)));
    return FormatHex(static_cast<std::uint8_t>(~value), 2);
}

std::uint32_t LazyPolynomial::value() {
    if (!value_)
        value_ = static_cast<std::uint32_t>(ParseInteger("$" + readBoxText_()));
    return *value_;
}

std::uint8_t Crc8FeedByte(std::uint8_t reg, std::uint8_t byte, LazyPolynomial& poly) {
    for (int bit = 0; bit < 8; ++bit) {
        if ((reg ^ byte) & 1)
            reg = static_cast<std::uint8_t>(((poly.value() ^ reg) >> 1) | 0x80);
        else
            reg = static_cast<std::uint8_t>(reg >> 1);
        byte = static_cast<std::uint8_t>(byte >> 1);
    }
    return reg;
}

std::uint32_t Crc16FeedByte(std::uint32_t reg, std::uint8_t byte, LazyPolynomial& poly) {
    for (int bit = 0; bit < 8; ++bit) {
        const bool apply = (reg ^ byte) & 1;
        reg >>= 1;
        byte = static_cast<std::uint8_t>(byte >> 1);
        if (apply)
            reg ^= poly.value();
    }
    return reg;
}

std::uint8_t Crc8OfData(std::string_view data, std::uint8_t init, LazyPolynomial& poly,
                        bool reversed) {
    const std::size_t count = data.size() / 2;
    for (std::size_t i = 0; i < count; ++i)
        init = Crc8FeedByte(init, ByteAt(data, reversed ? count - 1 - i : i), poly);
    return init;
}

std::uint32_t Crc16OfData(std::string_view data, std::uint32_t init, LazyPolynomial& poly) {
    for (std::size_t i = 0; i < data.size() / 2; ++i)
        init = Crc16FeedByte(init, ByteAt(data, i), poly);
    return init;
}

} // namespace kelvo
