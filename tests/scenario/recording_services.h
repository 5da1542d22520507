#pragma once

#include <string>
#include <vector>

#include "ui/platform_services.h"

namespace kelvo::scenario {

// Records what the program asks of the platform instead of blocking or sounding.
class RecordingServices : public PlatformServices {
  public:
    void ShowError(std::string_view text) override {
        messages.push_back("error: " + std::string(text));
    }
    void ShowInfo(std::string_view text) override {
        messages.push_back("info: " + std::string(text));
    }
    void Tone(int frequencyHz, int durationMs) override {
        tones.push_back(std::to_string(frequencyHz) + "/" + std::to_string(durationMs));
    }
    void Open(std::string_view name) override { opened.emplace_back(name); }
    [[nodiscard]] char DecimalSeparator() override { return separator; }

    std::vector<std::string> messages;
    std::vector<std::string> tones;
    std::vector<std::string> opened;
    char separator = '.';
};

} // namespace kelvo::scenario
