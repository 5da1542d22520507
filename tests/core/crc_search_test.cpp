#include "core/crc_search.h"

#include <gtest/gtest.h>
#include <random>

#include "core/number_text.h"

namespace kelvo {
namespace {

using Match = std::pair<std::uint32_t, std::uint32_t>; // (init, poly)

std::vector<std::uint8_t> Bytes(std::string_view sample, CrcSweep sweep) {
    return ReadFedSample(sample, sweep).bytes;
}

// What a sweep prints for two well-formed samples, in order.
std::vector<Match> SweepMatches(CrcSweep sweep, std::string_view sample1, std::string_view sum1,
                                std::string_view sample2, std::string_view sum2,
                                std::uint32_t firstInit) {
    const int digits = SweepDigits(sweep);
    FirstChecksumMatches first(sweep, Bytes(sample1, sweep), ChecksumValue(sum1, digits),
                               firstInit);
    while (!first.Advance(1000)) {
    }
    const auto bytes2 = Bytes(sample2, sweep);
    std::vector<Match> matches;
    for (std::uint32_t init = firstInit; init <= SweepLast(sweep); ++init) {
        for (std::uint16_t poly : first.PolysFor(init)) {
            const std::uint32_t crc2 = CandidateCrc(sweep, init, poly, bytes2);
            if (FormatHex(static_cast<std::int32_t>(crc2), digits) == sum2)
                matches.emplace_back(init, poly);
        }
    }
    return matches;
}

struct SweepRow {
    CrcSweep sweep;
    const char* sum1;
    const char* sum2;
    std::uint32_t firstInit;
    std::vector<Match> printed;
};

const SweepRow kSweeps[] = {
    {CrcSweep::Crc8, "86", "C7", 0x00, {{0x00, 0x18}, {0x00, 0x19}}},
    {CrcSweep::RotatedCrc8, "86", "C7", 0x00, {{0x03, 0x84}, {0x03, 0x85}}},
    {CrcSweep::Crc8, "86", "C7", 0x01, {}},
    {CrcSweep::Crc16, "8858", "FA97", 0xFFFF, {{0xFFFF, 0xA001}}},
    // A checksum typed in lower case never matches.
    {CrcSweep::Crc16, "8858", "fa97", 0xFFFF, {}},
    {CrcSweep::Crc8, "86", "c7", 0x00, {}},
};

TEST(CrcSearch, FindsTheParametersOfTheSampleFrames) {
    for (const auto& row : kSweeps) {
        SCOPED_TRACE(std::string(row.sum1) + "/" + row.sum2 + " from " +
                     std::to_string(row.firstInit));
        EXPECT_EQ(SweepMatches(row.sweep, "C10601000169", row.sum1, "C1060100020101", row.sum2,
                               row.firstInit),
                  row.printed);
    }
}

TEST(CrcSearch, ReadsSamplesInFeedOrderUpToTheFirstBadPair) {
    EXPECT_EQ(ReadFedSample("C1 06", CrcSweep::Crc8), (FedSample{{0xC1}, "$ 0"}));
    EXPECT_EQ(ReadFedSample("C1 06", CrcSweep::RotatedCrc8), (FedSample{{}, "$ 0"}));
    EXPECT_EQ(ReadFedSample("c10601", CrcSweep::RotatedCrc8), (FedSample{{0x01, 0x06, 0xC1}, {}}));
    EXPECT_EQ(ReadFedSample("C10", CrcSweep::Crc16), (FedSample{{0xC1}, {}}));
    EXPECT_EQ(ReadFedSample("", CrcSweep::Crc16), (FedSample{}));
}

struct ChecksumRow {
    const char* text;
    int digits;
    std::optional<std::uint32_t> value;
};
const ChecksumRow kChecksums[] = {
    {"86", 2, 0x86},         {"C7A0", 4, 0xC7A0},      {"00", 2, 0},
    {"c7", 2, std::nullopt}, {"8G", 2, std::nullopt},  {"C7A0", 2, std::nullopt},
    {"86", 4, std::nullopt}, {" 86", 2, std::nullopt},
};

TEST(CrcSearch, ChecksumsAreComparedAsUppercaseText) {
    for (const auto& row : kChecksums) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(ChecksumValue(row.text, row.digits), row.value);
    }
}

std::vector<std::uint8_t> RandomBytes(std::mt19937& random, std::size_t maxLength) {
    std::vector<std::uint8_t> bytes(random() % (maxLength + 1));
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random());
    return bytes;
}

// Every CRC-8 candidate, for many random samples and targets, against the byte feeders.
TEST(CrcSearch, Crc8AgreesWithBruteForceOnEveryCandidate) {
    std::mt19937 random(8);
    for (int round = 0; round < 12; ++round) {
        for (CrcSweep sweep : {CrcSweep::Crc8, CrcSweep::RotatedCrc8}) {
            const auto bytes = RandomBytes(random, 7);
            const auto target = static_cast<std::uint32_t>(random() % 256);
            const auto firstInit = static_cast<std::uint32_t>(round == 0 ? 0 : random() % 256);
            FirstChecksumMatches fast(sweep, bytes, target, firstInit);
            ASSERT_TRUE(fast.Advance(256));
            for (std::uint32_t init = 0; init <= 0xFF; ++init) {
                std::vector<std::uint16_t> expected;
                for (std::uint32_t poly = 0; poly <= 0xFF; ++poly) {
                    if (init >= firstInit && CandidateCrc(sweep, init, poly, bytes) == target)
                        expected.push_back(static_cast<std::uint16_t>(poly));
                }
                const auto found = fast.PolysFor(init);
                ASSERT_EQ(std::vector<std::uint16_t>(found.begin(), found.end()), expected)
                    << "round " << round << " init " << init;
            }
        }
    }
}

// CRC-16 on whole polynomial slices (every init for chosen polynomials), and every solution the
// fast path reports anywhere checked against the byte feeders.
TEST(CrcSearch, Crc16AgreesWithBruteForce) {
    std::mt19937 random(16);
    for (int round = 0; round < 4; ++round) {
        const auto bytes = RandomBytes(random, 6);
        const auto target = static_cast<std::uint32_t>(random() % 65536);
        FirstChecksumMatches fast(CrcSweep::Crc16, bytes, target, 0);
        while (!fast.Advance(4096)) {
        }
        std::vector<std::uint32_t> polys = {0x0000, 0x0001, 0x8000, 0xA001, 0xFFFF};
        for (int n = 0; n < 3; ++n)
            polys.push_back(random() % 65536);
        for (std::uint32_t poly : polys) {
            for (std::uint32_t init = 0; init <= 0xFFFF; ++init) {
                const auto found = fast.PolysFor(init);
                const bool reported = std::find(found.begin(), found.end(), poly) != found.end();
                ASSERT_EQ(reported, CandidateCrc(CrcSweep::Crc16, init, poly, bytes) == target)
                    << "round " << round << " poly " << poly << " init " << init;
            }
        }
        std::size_t solutions = 0;
        for (std::uint32_t init = 0; init <= 0xFFFF; ++init) {
            for (std::uint16_t poly : fast.PolysFor(init)) {
                ++solutions;
                ASSERT_EQ(CandidateCrc(CrcSweep::Crc16, init, poly, bytes), target);
            }
        }
        EXPECT_GT(solutions, 0u);
    }
}

} // namespace
} // namespace kelvo
