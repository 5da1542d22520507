#include "app/pulse_tone.h"

#include <QApplication>
#include <cmath>
#include <numbers>
#include <pulse/simple.h>
#include <vector>

namespace kelvo {
namespace {

constexpr int kSampleRate = 44100;

std::vector<std::int16_t> SineSamples(int frequencyHz, int durationMs) {
    const int count = kSampleRate * durationMs / 1000;
    // A short fade at both ends keeps the tone free of clicks.
    const int fade = std::min(count / 4, kSampleRate / 200);
    std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        double gain = 0.3;
        if (i < fade)
            gain *= static_cast<double>(i) / fade;
        else if (count - i < fade)
            gain *= static_cast<double>(count - i) / fade;
        const double phase = 2.0 * std::numbers::pi * frequencyHz * i / kSampleRate;
        samples[static_cast<std::size_t>(i)] =
            static_cast<std::int16_t>(32767 * gain * std::sin(phase));
    }
    return samples;
}

} // namespace

void PulseTone::Play(int frequencyHz, int durationMs) {
    if (!unavailable_) {
        const pa_sample_spec format{PA_SAMPLE_S16LE, kSampleRate, 1};
        int error = 0;
        pa_simple* stream = pa_simple_new(nullptr, "Kelvo Calculator", PA_STREAM_PLAYBACK, nullptr,
                                          "tone", &format, nullptr, nullptr, &error);
        if (stream != nullptr) {
            const auto samples = SineSamples(frequencyHz, durationMs);
            pa_simple_write(stream, samples.data(), samples.size() * sizeof(std::int16_t), &error);
            pa_simple_drain(stream, &error);
            pa_simple_free(stream);
            return;
        }
        unavailable_ = true;
    }
    QApplication::beep();
}

} // namespace kelvo
