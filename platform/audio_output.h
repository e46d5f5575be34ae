// The audio output underneath the sound channels: voices that play decoded WAV files.
#pragma once

#include <string>

namespace gus {

// One voice per sound channel. Every call returns at once; playback runs in the background.
// Operations made during one event reach the mixer together at commit(), so no audible frame
// carries half of an event's changes. Only the event road (event_road.h) commits.
class AudioOutput {
  public:
    using Voice = int;
    virtual ~AudioOutput() = default;

    virtual Voice createVoice(const std::string& name) = 0;
    // The voice falls silent at once.
    virtual void destroyVoice(Voice v) = 0;
    // Halts the voice and loads the file, positioned at its start. A file that is missing or
    // cannot be decoded leaves the voice silent; nothing is reported.
    virtual void load(Voice v, const std::string& path) = 0;
    // Starts the loaded file from its start, unless the voice is playing already. A looping
    // voice repeats the file without a gap until stopped.
    virtual void play(Voice v, bool loop) = 0;
    // Halts the voice and sets it back to the start of its file.
    virtual void stop(Voice v) = 0;
    // Balance and Volume in hundredths of a decibel, as the sound channels give them; applies at
    // once, also to a sound that is playing.
    virtual void setGains(Voice v, int balance, int volume) = 0;
    virtual bool playing(Voice v) const = 0;
    // Publishes every operation since the last commit at once.
    virtual void commit() = 0;
};

}  // namespace gus
