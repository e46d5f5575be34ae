// Opening and closing SDL's audio subsystem and SDL_mixer's device.
#include "platform/sdl/sdl_mixer_device.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include "platform/mixer/decoded_sound.h"

namespace gus {

namespace {

constexpr std::size_t kFrameBytes = sizeof(float) * kMixChannels;

// Our mix runs in SDL_mixer's post-mix hook rather than through its channels: channel volume and
// panning are integer steps (0..128 and 0..255), not our gain law, and every channel call locks
// the device on its own, so one event's operations could be split across two buffers. The hook
// adds our voices to whatever SDL_mixer itself produced (silence, unless something else plays
// through it), after its channels and effects.
void SDLCALL postMix(void* device, Uint8* stream, int length) {
    const std::size_t frames = static_cast<std::size_t>(length) / kFrameBytes;
    static_cast<SdlMixerDevice*>(device)->mix(reinterpret_cast<float*>(stream), frames);
}

bool deviceIsInMixFormat() {
    int rate = 0;
    Uint16 format = 0;
    int channels = 0;
    return Mix_QuerySpec(&rate, &format, &channels) != 0 && rate == kMixRate &&
           format == AUDIO_F32SYS && channels == kMixChannels;
}

// Where PipeWire serves sound, SDL's own PipeWire backend asks the graph for our buffer size
// (node.latency) and the sound reaches the sink about one buffer after our callback; through
// PipeWire's PulseAudio layer, SDL 2.26's first choice, it came some 20 ms later (make bench).
// So PipeWire is tried first, and kept only if it shows an output: a PipeWire that serves no
// sound shows none. SDL_AUDIODRIVER, when the player (or anyone) sets it, decides alone.
bool initAudioSubsystem() {
    if (SDL_GetHint(SDL_HINT_AUDIODRIVER) == nullptr) {
        SDL_SetHint(SDL_HINT_AUDIODRIVER, "pipewire");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            if (SDL_GetNumAudioDevices(0) > 0) return true;
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
        SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    }
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
}

}  // namespace

SdlMixerDevice::SdlMixerDevice(int bufferFrames, MixFunction mixFunction, void* user)
    : mix_(mixFunction), user_(user) {
    opened_ = open(bufferFrames);
}

bool SdlMixerDevice::open(int bufferFrames) {
    // The program's window and signals belong to Qt; only audio is asked of SDL.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (!initAudioSubsystem()) return false;
    subsystem_ = true;
    // No changes allowed: SDL converts for the hardware, and our buffer stays float stereo 48k.
    if (Mix_OpenAudioDevice(kMixRate, AUDIO_F32SYS, kMixChannels, bufferFrames, nullptr, 0) != 0) {
        return false;
    }
    if (!deviceIsInMixFormat()) {
        Mix_CloseAudio();
        return false;
    }
    Mix_SetPostMix(postMix, this);
    return true;
}

SdlMixerDevice::~SdlMixerDevice() {
    if (opened_) {
        Mix_SetPostMix(nullptr, nullptr);
        Mix_CloseAudio();
    }
    if (subsystem_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

}  // namespace gus
