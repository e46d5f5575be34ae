// Play state over virtual time; a sound plays for the length its WAV header gives.
#include "platform/sim/sim_audio.h"

#include <cmath>

#include "platform/sim/sim_platform.h"
#include "platform/wav_info.h"

namespace gus {

AudioOutput::Voice SimAudio::createVoice(const std::string& name) {
    Voice v;
    // A freed voice is reused only once nothing waits to be logged for it.
    if (!free_.empty() && pending_.empty()) {
        v = free_.back();
        free_.pop_back();
    } else {
        v = static_cast<Voice>(voices_.size());
        voices_.emplace_back();
    }
    voice(v) = VoiceState{};
    voice(v).name = name;
    voice(v).alive = true;
    return v;
}

void SimAudio::destroyVoice(Voice v) {
    voice(v).alive = false;
    voice(v).playing = false;
    free_.push_back(v);
}

std::optional<Millis> SimAudio::lengthOf(const std::string& path) {
    auto it = lengths_.find(path);
    if (it != lengths_.end()) return it->second;
    std::optional<Millis> length;
    if (auto info = readWavInfo(path)) {
        length = static_cast<Millis>(std::ceil(info->seconds() * 1000.0));
    }
    lengths_.emplace(path, length);
    return length;
}

void SimAudio::load(Voice v, const std::string& path) {
    VoiceState& s = voice(v);
    s.playing = false;
    const std::size_t slash = path.find_last_of("/\\");
    s.file = slash == std::string::npos ? path : path.substr(slash + 1);
    s.length = lengthOf(path);
}

void SimAudio::play(Voice v, bool loop) {
    if (playing(v)) return;
    VoiceState& s = voice(v);
    s.playing = true;
    s.loop = loop;
    s.startedAt = s_.now();
    s.startedInEvent = event_;
    pending_.push_back(Start{v, s.file});
}

void SimAudio::stop(Voice v) {
    voice(v).playing = false;
}

void SimAudio::setGains(Voice v, int balance, int volume) {
    voice(v).balance = balance;
    voice(v).volume = volume;
}

bool SimAudio::playing(Voice v) const {
    const VoiceState& s = voice(v);
    if (!s.alive || !s.playing) return false;
    // A missing or broken file is silent: it counts as a sound that ends with the event that
    // started it, so the log of a game is the same whether or not its files are there.
    if (!s.length) return s.startedInEvent == event_;
    return s.loop || s_.now() < s.startedAt + *s.length;
}

void SimAudio::commit() {
    for (const Start& start : pending_) {
        const VoiceState& s = voice(start.voice);
        SimEvent e;
        e.kind = SimEvent::Kind::Sound;
        e.t = s_.now();
        e.channel = s.name;
        e.file = start.file;
        e.balance = s.balance;
        e.volume = s.volume;
        log_.add(std::move(e));
    }
    pending_.clear();
    ++event_;
}

std::size_t SimAudio::voiceCount() const {
    std::size_t n = 0;
    for (const VoiceState& s : voices_) n += s.alive ? 1 : 0;
    return n;
}

}  // namespace gus
