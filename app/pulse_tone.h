#pragma once

namespace kelvo {

// Sounds a sine tone on the default audio output and returns when it has been played. Without
// an audio server it falls back, at once and from then on, to the desktop's plain beep.
class PulseTone {
  public:
    void Play(int frequencyHz, int durationMs);

  private:
    bool unavailable_ = false;
};

} // namespace kelvo
