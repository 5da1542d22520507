#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

// The checksums below take a data text: hex digits, two per byte, of even non-zero length.
[[nodiscard]] std::uint8_t ByteAt(std::string_view data, std::size_t index);
[[nodiscard]] std::string SumOfBytes(std::string_view data);
// Sums the digits' character codes, so "a" counts 97 and "A" 65.
[[nodiscard]] std::string SumOfHalfBytesAscii(std::string_view data);
// Contact ID check digit: a zero byte counts 10; "1" to "F".
[[nodiscard]] std::string Mod15ContactId(std::string_view data);
[[nodiscard]] std::string XorOfBytes(std::string_view data);
// Intel HEX record checksum from the two-digit byte-sum text: (256 - sum) mod 256.
[[nodiscard]] std::string IntelHexChecksum(std::string_view sumOfBytes);
// Bitwise NOT of the low 8 bits of a hex text, as two digits; throws ConversionError for a text
// that is not hex.
[[nodiscard]] std::string InvertHexByte(std::string_view hexText);

// A CRC polynomial read from its box as "$" + text. The box is read at the first bit step that
// applies the polynomial and kept for the rest of that computation, so a malformed box fails
// exactly when the polynomial is first needed and not at all when no step needs it.
class LazyPolynomial {
  public:
    explicit LazyPolynomial(std::function<std::string()> readBoxText)
        : readBoxText_(std::move(readBoxText)) {}
    [[nodiscard]] std::uint32_t value();

  private:
    std::function<std::string()> readBoxText_;
    std::optional<std::uint32_t> value_;
};

// One byte, least significant bit first. The CRC-8 box holds the reflected polynomial shifted
// left by one (bit 0 unused, bit 7 always applied); the CRC-16 box holds the reflected
// polynomial itself.
[[nodiscard]] std::uint8_t Crc8FeedByte(std::uint8_t reg, std::uint8_t byte, LazyPolynomial& poly);
[[nodiscard]] std::uint32_t Crc16FeedByte(std::uint32_t reg, std::uint8_t byte,
                                          LazyPolynomial& poly);

// Whole data texts fed byte by byte from the initial value; the reversed CRC-8 feeds the bytes
// from last to first.
[[nodiscard]] std::uint8_t Crc8OfData(std::string_view data, std::uint8_t init,
                                      LazyPolynomial& poly, bool reversed);
[[nodiscard]] std::uint32_t Crc16OfData(std::string_view data, std::uint32_t init,
                                        LazyPolynomial& poly);

} // namespace kelvo
