#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// The three sweeps of the checksum formula finder: CRC-8 over the sample's bytes first to last,
// CRC-8 over them last to first, and CRC-16. Each tries every init value and polynomial with the
// bit steps of the checksum panel.
enum class CrcSweep { Crc8, RotatedCrc8, Crc16 };

[[nodiscard]] constexpr int SweepDigits(CrcSweep sweep) {
    return sweep == CrcSweep::Crc16 ? 4 : 2;
}
[[nodiscard]] constexpr std::uint32_t SweepLast(CrcSweep sweep) {
    return sweep == CrcSweep::Crc16 ? 0xFFFF : 0xFF;
}

// A sample's bytes in the order the sweep feeds them: the pairs of characters 1-2, 3-4, ... (a
// last odd character ignored), last to first for the rotated CRC-8. The bytes end at the first
// pair in that order that is no hex byte; `badPair` then holds the text the byte reader fails
// on, "$" followed by the pair.
struct FedSample {
    std::vector<std::uint8_t> bytes;
    std::optional<std::string> badPair;
    bool operator==(const FedSample&) const = default;
};
[[nodiscard]] FedSample ReadFedSample(std::string_view text, CrcSweep sweep);

// One candidate exactly as the checksum panel's byte feeders compute it, with the polynomial box
// holding the polynomial's hex text: the reference the fast search must agree with.
[[nodiscard]] std::uint32_t CandidateCrc(CrcSweep sweep, std::uint32_t init, std::uint32_t poly,
                                         std::span<const std::uint8_t> bytes);

// The register value a checksum text stands for: exactly `digits` uppercase hex digits, since
// it is compared as text with the register's uppercase hex. Anything else never matches.
[[nodiscard]] std::optional<std::uint32_t> ChecksumValue(std::string_view text, int digits);

// Every candidate from `firstInit` on whose CRC over the first sample equals the first checksum,
// ordered as the sweep meets them: by init, then by polynomial.
//
// For a fixed polynomial the register after the sample is an affine function of the init value
// over GF(2), so the matching inits are the solutions of one 8 x 8 or 16 x 16 linear system per
// polynomial. The work is done a slice of polynomials at a time, so that the caller can handle
// window events in between.
class FirstChecksumMatches {
  public:
    FirstChecksumMatches(CrcSweep sweep, std::vector<std::uint8_t> bytes,
                         std::optional<std::uint32_t> target, std::uint32_t firstInit);

    // Solves up to `polys` more polynomials; true once every polynomial is solved.
    bool Advance(std::uint32_t polys);
    // The matching polynomials of one init value, ascending. Only once Advance returned true.
    [[nodiscard]] std::span<const std::uint16_t> PolysFor(std::uint32_t init) const;

  private:
    CrcSweep sweep_;
    std::vector<std::uint8_t> bytes_;
    std::optional<std::uint32_t> target_;
    std::uint32_t firstInit_;
    std::uint32_t nextPoly_ = 0;
    std::vector<std::pair<std::uint16_t, std::uint16_t>> found_; // (init, poly), by poly
    std::vector<std::uint32_t> offsets_;                         // per init, into polys_
    std::vector<std::uint16_t> polys_;
};

} // namespace kelvo
