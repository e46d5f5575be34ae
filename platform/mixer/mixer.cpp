// UI-side bookkeeping of the voices, and the audio-side application of committed commands.
#include "platform/mixer/mixer.h"

#include "platform/mixer/gain_law.h"

namespace gus {

Mixer::Mixer(std::size_t ringCapacity) : ring_(ringCapacity) {}

int Mixer::createVoice() {
    for (int v = 0; v < kMaxVoices; ++v) {
        UiVoice& u = ui_[v];
        if (u.alive) continue;
        // A destroyed voice keeps its pending "not playing" until the destroy is applied.
        u.alive = true;
        u.sound = nullptr;
        return v;
    }
    return -1;
}

bool Mixer::alive(int voice) const {
    return inRange(voice) && ui_[voice].alive;
}

bool Mixer::send(const Command& command) {
    if (ring_.push(command)) return true;
    ++dropped_;
    return false;
}

void Mixer::expect(int voice, bool playing) {
    ui_[voice].expectPlaying = playing;
    ui_[voice].expectedUntil = ring_.pushed();
}

void Mixer::destroyVoice(int voice) {
    if (!alive(voice)) return;
    ui_[voice].alive = false;
    if (send({CommandKind::Destroy, false, voice, 0, 0, nullptr})) expect(voice, false);
}

void Mixer::load(int voice, const DecodedSound* sound) {
    if (!alive(voice)) return;
    if (!send({CommandKind::Load, false, voice, 0, 0, sound})) return;
    ui_[voice].sound = sound;
    expect(voice, false);
}

void Mixer::play(int voice, bool loop) {
    if (!alive(voice)) return;
    if (!send({CommandKind::Play, loop, voice, 0, 0, nullptr})) return;
    const DecodedSound* sound = ui_[voice].sound;
    expect(voice, sound != nullptr && sound->frames() > 0);
}

void Mixer::stop(int voice) {
    if (!alive(voice)) return;
    if (send({CommandKind::Stop, false, voice, 0, 0, nullptr})) expect(voice, false);
}

void Mixer::setGains(int voice, int balance, int volume) {
    if (!alive(voice)) return;
    send({CommandKind::Gains, false, voice, balance, volume, nullptr});
}

bool Mixer::playing(int voice) const {
    if (!alive(voice)) return false;
    const UiVoice& u = ui_[voice];
    if (u.expectedUntil > ring_.consumed()) return u.expectPlaying;
    return playing_[voice].load(std::memory_order_acquire);
}

std::int64_t Mixer::firstFrameStamp(int voice) const {
    return inRange(voice) ? startStamps_[voice].load(std::memory_order_acquire) : 0;
}

void Mixer::apply(const Command& command) {
    if (!inRange(command.voice)) return;
    VoiceRenderer& v = voices_[command.voice];
    switch (command.kind) {
        case CommandKind::Load:
            v.load(command.sound);
            break;
        case CommandKind::Play:
            v.play(command.loop);
            break;
        case CommandKind::Stop:
            v.stop();
            break;
        case CommandKind::Gains:
            v.setGains(stereoGain(command.balance, command.volume));
            break;
        case CommandKind::Destroy:
            v.reset();
            break;
    }
    // Published before the ring's consumed count, which the UI side reads first.
    playing_[command.voice].store(v.playing(), std::memory_order_release);
}

void Mixer::render(float* out, std::size_t frames, std::int64_t stamp) {
    ring_.drain([this](const Command& command) { apply(command); });
    for (int i = 0; i < kMaxVoices; ++i) {
        VoiceRenderer& v = voices_[i];
        if (v.render(out, frames)) startStamps_[i].store(stamp, std::memory_order_release);
        playing_[i].store(v.playing(), std::memory_order_release);
    }
    renders_.fetch_add(1, std::memory_order_acq_rel);
}

}  // namespace gus
