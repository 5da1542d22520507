// The finder's solver against trying every candidate: every CRC-8 polynomial of a slice of
// init values for a small sample, and for CRC-16 a slice of init values of one polynomial and every
// reported solution.
#include "core/crc_search.h"

#include <algorithm>

#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const auto choice = input.Take<std::uint8_t>();
    const auto target = input.Take<std::uint16_t>();
    const auto poly16 = input.Take<std::uint16_t>();
    const auto firstInit = input.Take<std::uint16_t>();
    const std::string sample = input.Text(12);
    // A CRC-16 input solves all 65,536 polynomials, so it comes one time in eight.
    const kelvo::CrcSweep sweep = choice % 8 == 7   ? kelvo::CrcSweep::Crc16
                                  : choice % 2 == 0 ? kelvo::CrcSweep::Crc8
                                                    : kelvo::CrcSweep::RotatedCrc8;
    const auto bytes = kelvo::ReadFedSample(sample, sweep).bytes;
    const std::uint32_t last = kelvo::SweepLast(sweep);
    const std::uint32_t wanted = target & last;
    const std::uint32_t from = firstInit & last;
    kelvo::FirstChecksumMatches fast(sweep, bytes, wanted, from);
    while (!fast.Advance(4096)) {
    }
    const auto reported = [&](std::uint32_t init, std::uint32_t poly) {
        const auto polys = fast.PolysFor(init);
        return std::find(polys.begin(), polys.end(), poly) != polys.end();
    };
    if (sweep != kelvo::CrcSweep::Crc16) {
        // Every polynomial of a slice of 16 init values around the first one asked for.
        for (std::uint32_t init = from & ~15u; init <= std::min(last, (from & ~15u) + 15); ++init) {
            for (std::uint32_t poly = 0; poly <= last; ++poly) {
                const bool matches =
                    init >= from && kelvo::CandidateCrc(sweep, init, poly, bytes) == wanted;
                if (matches != reported(init, poly))
                    __builtin_trap();
            }
        }
        return 0;
    }
    // Every init of a slice of 1024 around the first one asked for, and every solution reported.
    for (std::uint32_t init = from & ~1023u; init <= (from | 1023u); ++init) {
        const bool matches =
            init >= from && kelvo::CandidateCrc(sweep, init, poly16, bytes) == wanted;
        if (matches != reported(init, poly16))
            __builtin_trap();
    }
    for (std::uint32_t init = from; init <= last; ++init) {
        for (std::uint16_t poly : fast.PolysFor(init)) {
            if (kelvo::CandidateCrc(sweep, init, poly, bytes) != wanted)
                __builtin_trap();
        }
    }
    return 0;
}
