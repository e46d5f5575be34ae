// An audio output that plays nothing: the program still runs where no sound device exists.
#pragma once

#include "platform/audio_output.h"
#include "platform/services.h"

namespace gus {

class SilentAudio : public AudioOutput, public Beeper {
  public:
    Voice createVoice(const std::string&) override { return next_++; }
    void destroyVoice(Voice) override {}
    void load(Voice, const std::string&) override {}
    void play(Voice, bool) override {}
    void stop(Voice) override {}
    void setGains(Voice, int, int) override {}
    bool playing(Voice) const override { return false; }
    void commit() override {}
    void beep() override {}

  private:
    Voice next_ = 0;
};

}  // namespace gus
