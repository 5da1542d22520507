#pragma once

#include "app/pulse_tone.h"
#include "ui/platform_services.h"

namespace kelvo {

// The real platform: message boxes, the audio tone, the desktop's "open" and the locale.
class DesktopServices : public PlatformServices {
  public:
    void ShowError(std::string_view text) override;
    void ShowInfo(std::string_view text) override;
    void Tone(int frequencyHz, int durationMs) override;
    void Open(std::string_view name) override;
    [[nodiscard]] char DecimalSeparator() override;

  private:
    PulseTone tone_;
};

} // namespace kelvo
