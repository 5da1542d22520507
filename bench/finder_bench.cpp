// Times the checksum formula finder's sweeps through the window, against a plain integer brute
// force and the literal per-candidate computation, both measured on a slice in the same run.
#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/main_form.h"
#include "core/crc_search.h"
#include "recording_services.h"
#include "ui/checksum_panel.h"
#include "ui/edit_box.h"
#include "ui/formula_finder.h"
#include "ui/results_pane.h"

namespace {

using Clock = std::chrono::steady_clock;

double MedianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        prepare();
        const auto start = Clock::now();
        work();
        times.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The plain brute force: every init of a polynomial slice, register arithmetic only.
double BruteForceNsPerCandidate(const std::vector<std::uint8_t>& bytes, std::uint32_t target) {
    constexpr std::uint32_t kPolys = 64;
    std::uint64_t hits = 0;
    const auto start = Clock::now();
    for (std::uint32_t poly = 0xA000; poly < 0xA000 + kPolys; ++poly) {
        for (std::uint32_t init = 0; init <= 0xFFFF; ++init) {
            std::uint32_t reg = init;
            for (std::uint8_t byte : bytes) {
                std::uint32_t d = byte;
                for (int bit = 0; bit < 8; ++bit, d >>= 1)
                    reg = (reg >> 1) ^ (((reg ^ d) & 1) ? poly : 0);
            }
            hits += reg == target;
        }
    }
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    std::printf("  (brute-force slice: %llu hits)\n", static_cast<unsigned long long>(hits));
    return ns / (kPolys * 65536.0);
}

// The candidate as the byte feeders compute it, parsing the polynomial box text.
double LiteralNsPerCandidate(const std::vector<std::uint8_t>& bytes) {
    constexpr std::uint32_t kCandidates = 1 << 18;
    std::uint32_t sink = 0;
    const auto start = Clock::now();
    for (std::uint32_t n = 0; n < kCandidates; ++n)
        sink += kelvo::CandidateCrc(kelvo::CrcSweep::Crc16, n & 0xFFFF, 0xA000 + (n >> 16), bytes);
    const double ns = std::chrono::duration<double, std::nano>(Clock::now() - start).count();
    std::printf("  (literal slice checksum %u)\n", sink);
    return ns / kCandidates;
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    kelvo::scenario::RecordingServices services;
    kelvo::TMainForm form(services);
    form.show();
    kelvo::FormulaFinder& finder = *form.Finder;

    const auto search = [&](const char* sum1, const char* sum2) {
        return [&, sum1, sum2] {
            finder.AdvEdit_SUM_1->Assign(sum1);
            finder.AdvEdit_SUM_2->Assign(sum2);
            form.Checksums->AdvEdit_InitCRC8->Assign("00");
            form.Checksums->AdvEdit_InitCRC16->Assign("0000");
        };
    };
    const auto tick = [&] { finder.CheckBox1->click(); };

    // A zero-interval timer fires whenever the search hands the window its events.
    std::vector<Clock::time_point> eventTimes;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, &probe, [&] { eventTimes.push_back(Clock::now()); });
    probe.start(0);
    const double crc16 = MedianMs(7, search("8858", "FA97"), [&] {
        eventTimes.assign(1, Clock::now());
        tick();
        eventTimes.push_back(Clock::now());
    });
    probe.stop();
    double longestGap = 0;
    for (std::size_t i = 1; i < eventTimes.size(); ++i)
        longestGap = std::max(
            longestGap,
            std::chrono::duration<double, std::milli>(eventTimes[i] - eventTimes[i - 1]).count());
    const std::string crc16Lines = form.TextReciveUDP->GetText();
    const double crc8 = MedianMs(21, search("86", "C7"), tick);
    if (!services.messages.empty() || !crc16Lines.ends_with("Finish!")) {
        std::fprintf(stderr, "the search did not finish cleanly\n");
        return 1;
    }

    const auto bytes = kelvo::ReadFedSample("C10601000169", kelvo::CrcSweep::Crc16).bytes;
    const double bruteNs = BruteForceNsPerCandidate(bytes, 0x8858);
    const double literalNs = LiteralNsPerCandidate(bytes);
    const double candidates = 65536.0 * 65536.0;
    const double bruteMs = bruteNs * candidates / 1e6;

    std::printf(
        "full CRC-16 sweep from 0000, window included: median %.1f ms (%zu lines)\n", crc16,
        static_cast<std::size_t>(std::count(crc16Lines.begin(), crc16Lines.end(), '\n') + 1));
    std::printf("longest time without window events in the last CRC-16 sweep: %.1f ms\n",
                longestGap);
    std::printf("both CRC-8 sweeps, window included: median %.2f ms\n", crc8);
    std::printf("integer brute force: %.1f ns a candidate, %.0f s for the 2^32 CRC-16 candidates\n",
                bruteNs, bruteMs / 1000);
    std::printf("literal candidate (box text parsed): %.1f ns a candidate, %.0f s for 2^32\n",
                literalNs, literalNs * candidates / 1e9);
    std::printf("CRC-16 sweep speed-up over the integer brute force: %.0fx\n", bruteMs / crc16);
    return 0;
}
