#include "core/crc_search.h"

#include <array>
#include <bit>
#include <utility>

#include "core/checksums.h"
#include "core/digit_filters.h"
#include "core/number_text.h"

namespace kelvo {
namespace {

int Width(CrcSweep sweep) {
    return sweep == CrcSweep::Crc16 ? 16 : 8;
}

// The one-bit step reg -> (reg >> 1) ^ (((reg ^ d) & 1) ? q : 0) of both feeders. The CRC-8 box
// holds the reflected polynomial shifted left by one with bit 7 implied.
std::uint32_t StepPolynomial(CrcSweep sweep, std::uint32_t poly) {
    return sweep == CrcSweep::Crc16 ? poly : 0x80 | (poly >> 1);
}

std::uint32_t Feed(std::uint32_t reg, std::span<const std::uint8_t> bytes, std::uint32_t q) {
    for (std::uint8_t byte : bytes) {
        std::uint32_t d = byte;
        for (int bit = 0; bit < 8; ++bit, d >>= 1)
            reg = (reg >> 1) ^ (((reg ^ d) & 1) ? q : 0);
    }
    return reg;
}

// Calls visit(x) for every x with A x = b over GF(2), A given by its `width` columns.
template <typename Visit>
void ForEachSolution(const std::array<std::uint32_t, 16>& columns, int width, std::uint32_t b,
                     Visit visit) {
    // Rows of the augmented matrix: bit k is column k, bit `width` the right-hand side.
    std::array<std::uint32_t, 16> rows{};
    for (int m = 0; m < width; ++m) {
        for (int k = 0; k < width; ++k)
            rows[m] |= ((columns[k] >> m) & 1u) << k;
        rows[m] |= ((b >> m) & 1u) << width;
    }
    std::array<int, 16> pivotColumn{};
    std::uint32_t pivotMask = 0;
    int rank = 0;
    for (int column = 0; column < width && rank < width; ++column) {
        int pivot = rank;
        while (pivot < width && !((rows[pivot] >> column) & 1u))
            ++pivot;
        if (pivot == width)
            continue;
        std::swap(rows[pivot], rows[rank]);
        for (int m = 0; m < width; ++m) {
            if (m != rank && ((rows[m] >> column) & 1u))
                rows[m] ^= rows[rank];
        }
        pivotColumn[rank++] = column;
        pivotMask |= 1u << column;
    }
    for (int m = rank; m < width; ++m) {
        if ((rows[m] >> width) & 1u)
            return; // inconsistent: no init reaches the target
    }
    std::uint32_t particular = 0;
    for (int r = 0; r < rank; ++r)
        particular |= ((rows[r] >> width) & 1u) << pivotColumn[r];
    std::array<std::uint32_t, 16> basis{};
    int free = 0;
    for (int column = 0; column < width; ++column) {
        if (pivotMask & (1u << column))
            continue;
        std::uint32_t vector = 1u << column;
        for (int r = 0; r < rank; ++r)
            vector |= ((rows[r] >> column) & 1u) << pivotColumn[r];
        basis[free++] = vector;
    }
    // Walk the solution space in Gray-code order, one basis vector flipped per step.
    std::uint32_t x = particular;
    visit(x);
    for (std::uint32_t n = 1; n < (1u << free); ++n) {
        x ^= basis[std::countr_zero(n)];
        visit(x);
    }
}

} // namespace

FedSample ReadFedSample(std::string_view text, CrcSweep sweep) {
    FedSample sample;
    const std::size_t count = text.size() / 2;
    sample.bytes.reserve(count);
    for (std::size_t n = 0; n < count; ++n) {
        const std::size_t k = sweep == CrcSweep::RotatedCrc8 ? count - 1 - n : n;
        const int high = HexDigitValue(text[2 * k]);
        const int low = HexDigitValue(text[2 * k + 1]);
        if (high < 0 || low < 0) {
            sample.badPair = "$" + std::string(text.substr(2 * k, 2));
            break;
        }
        sample.bytes.push_back(static_cast<std::uint8_t>(high * 16 + low));
    }
    return sample;
}

std::uint32_t CandidateCrc(CrcSweep sweep, std::uint32_t init, std::uint32_t poly,
                           std::span<const std::uint8_t> bytes) {
    LazyPolynomial box(
        [&] { return FormatHex(static_cast<std::int32_t>(poly), SweepDigits(sweep)); });
    if (sweep == CrcSweep::Crc16) {
        for (std::uint8_t byte : bytes)
            init = Crc16FeedByte(init, byte, box);
        return init;
    }
    auto reg = static_cast<std::uint8_t>(init);
    for (std::uint8_t byte : bytes)
        reg = Crc8FeedByte(reg, byte, box);
    return reg;
}

std::optional<std::uint32_t> ChecksumValue(std::string_view text, int digits) {
    if (text.size() != static_cast<std::size_t>(digits))
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : text) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || (c >= 'a' && c <= 'f'))
            return std::nullopt;
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

FirstChecksumMatches::FirstChecksumMatches(CrcSweep sweep, std::vector<std::uint8_t> bytes,
                                           std::optional<std::uint32_t> target,
                                           std::uint32_t firstInit)
    : sweep_(sweep), bytes_(std::move(bytes)), target_(target), firstInit_(firstInit) {}

bool FirstChecksumMatches::Advance(std::uint32_t polys) {
    const std::uint32_t last = SweepLast(sweep_);
    const int width = Width(sweep_);
    const std::uint32_t steps = 8 * static_cast<std::uint32_t>(bytes_.size());
    for (; polys > 0 && nextPoly_ <= last && target_; --polys, ++nextPoly_) {
        const std::uint32_t q = StepPolynomial(sweep_, nextPoly_);
        const std::uint32_t wanted = *target_ ^ Feed(0, bytes_, q);
        const auto record = [&](std::uint32_t init) {
            if (init >= firstInit_)
                found_.emplace_back(static_cast<std::uint16_t>(init),
                                    static_cast<std::uint16_t>(nextPoly_));
        };
        const std::uint32_t topBit = 1u << (width - 1);
        if (q & topBit) {
            // The step is invertible: the top bit of the new register tells whether the
            // polynomial was applied, so the one matching init is found by stepping back.
            std::uint32_t init = wanted;
            for (std::uint32_t s = 0; s < steps; ++s) {
                const std::uint32_t applied = (init & topBit) ? 1 : 0;
                init = ((init ^ (applied ? q : 0)) << 1) | applied;
            }
            record(init);
            continue;
        }
        // Column k of the linear part is where init bit k ends after the sample's 8n zero-data
        // steps: bit k shifts down to bit 0 in k steps and then follows the orbit of bit 0.
        std::array<std::uint32_t, 16> columns{};
        std::array<std::uint32_t, 17> orbitAt{};
        std::uint32_t orbit = 1; // the register of init 1 after s steps
        for (std::uint32_t s = 0; s <= steps; ++s) {
            if (steps - s < static_cast<std::uint32_t>(width))
                orbitAt[steps - s] = orbit;
            orbit = (orbit >> 1) ^ ((orbit & 1) ? q : 0);
        }
        for (int k = 0; k < width; ++k) {
            columns[k] = static_cast<std::uint32_t>(k) <= steps
                             ? orbitAt[k]
                             : 1u << (static_cast<std::uint32_t>(k) - steps);
        }
        ForEachSolution(columns, width, wanted, record);
    }
    if (nextPoly_ <= last && target_)
        return false;
    if (offsets_.empty()) {
        // Bucket by init; found_ is in polynomial order, so each bucket stays ascending.
        offsets_.assign(last + 2, 0);
        for (const auto& [init, poly] : found_)
            ++offsets_[init + 1u];
        for (std::size_t i = 1; i < offsets_.size(); ++i)
            offsets_[i] += offsets_[i - 1];
        polys_.resize(found_.size());
        std::vector<std::uint32_t> fill(offsets_.begin(), offsets_.end() - 1);
        for (const auto& [init, poly] : found_)
            polys_[fill[init]++] = poly;
        found_.clear();
        found_.shrink_to_fit();
    }
    return true;
}

std::span<const std::uint16_t> FirstChecksumMatches::PolysFor(std::uint32_t init) const {
    if (init + 1 >= offsets_.size())
        return {};
    return std::span(polys_).subspan(offsets_[init], offsets_[init + 1] - offsets_[init]);
}

} // namespace kelvo
