// AudioOutput over the mixer: voice checks, cached sounds, time-stamped callbacks.
#include "platform/sdl/sdl_audio_output.h"

#include <chrono>

#include "platform/mixer/beep_tone.h"
#include "platform/sdl/sdl_mixer_device.h"
#include "platform/sdl/wav_decoder.h"

namespace gus {

namespace {

std::int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace

SdlAudioOutput::SdlAudioOutput() : SdlAudioOutput(kDefaultBufferFrames) {}

SdlAudioOutput::SdlAudioOutput(int bufferFrames)
    : bufferFrames_(bufferFrames), cache_(decodeWavFile), beepTone_(makeTone()) {
    device_ = std::make_unique<SdlMixerDevice>(bufferFrames, &SdlAudioOutput::mixInto, this);
    if (!opened()) return;
    beepVoice_ = mixer_.createVoice();
    mixer_.load(beepVoice_, &beepTone_);
    mixer_.commit();
}

SdlAudioOutput::~SdlAudioOutput() {
    device_.reset();
}

void SdlAudioOutput::mixInto(void* self, float* stereo, std::size_t frames) {
    static_cast<SdlAudioOutput*>(self)->mixer_.render(stereo, frames, steadyNanos());
}

bool SdlAudioOutput::opened() const {
    return device_ && device_->opened();
}

bool SdlAudioOutput::usable(Voice v) const {
    return opened() && v != beepVoice_ && mixer_.alive(v);
}

AudioOutput::Voice SdlAudioOutput::createVoice(const std::string& /*name*/) {
    return opened() ? mixer_.createVoice() : -1;
}

void SdlAudioOutput::destroyVoice(Voice v) {
    if (usable(v)) mixer_.destroyVoice(v);
}

void SdlAudioOutput::load(Voice v, const std::string& path) {
    if (usable(v)) mixer_.load(v, cache_.get(path));
}

void SdlAudioOutput::play(Voice v, bool loop) {
    if (usable(v)) mixer_.play(v, loop);
}

void SdlAudioOutput::stop(Voice v) {
    if (usable(v)) mixer_.stop(v);
}

void SdlAudioOutput::setGains(Voice v, int balance, int volume) {
    if (usable(v)) mixer_.setGains(v, balance, volume);
}

bool SdlAudioOutput::playing(Voice v) const {
    return usable(v) && mixer_.playing(v);
}

void SdlAudioOutput::commit() {
    if (opened()) mixer_.commit();
}

void SdlAudioOutput::beep() {
    if (!opened()) return;
    mixer_.stop(beepVoice_);
    mixer_.play(beepVoice_, false);
}

std::int64_t SdlAudioOutput::firstFrameNanos(Voice v) const {
    return opened() ? mixer_.firstFrameStamp(v) : 0;
}

}  // namespace gus
