#pragma once

#include <string>
#include <string_view>

namespace kelvo {

// What the tools ask of the platform. The program supplies the desktop's services; tests supply
// recorders, so nothing blocks or sounds while they run.
class PlatformServices {
  public:
    virtual ~PlatformServices() = default;
    // A modal box with a stop icon; the text is shown as given.
    virtual void ShowError(std::string_view text) = 0;
    // A modal box with no icon.
    virtual void ShowInfo(std::string_view text) = 0;
    // Returns once the tone has sounded.
    virtual void Tone(int frequencyHz, int durationMs) = 0;
    // The shell's "open" of a program name or an address.
    virtual void Open(std::string_view name) = 0;
    // The first character of the user's regional decimal symbol, "." when there is none.
    [[nodiscard]] virtual char DecimalSeparator() = 0;
};

} // namespace kelvo
