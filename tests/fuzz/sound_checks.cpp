// The mixer here is private to each call, so a sound never outlives the voice that plays it.
#include "tests/fuzz/sound_checks.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/sdl/mixer.h"
#include "platform/sdl/wav_decoder.h"

namespace gus::fuzz {

namespace {

constexpr std::size_t kBuffer = 256;
// Long sounds are heard only this far: enough to pass every buffer boundary case.
constexpr std::size_t kMaxPlayedFrames = std::size_t{2} * kMixRate;

bool renderFinite(Mixer& mixer, std::size_t frames) {
    std::vector<float> buffer(kBuffer * kMixChannels);
    for (std::size_t done = 0; done < frames; done += kBuffer) {
        std::fill(buffer.begin(), buffer.end(), 0.0f);
        mixer.render(buffer.data(), kBuffer, 1);
        if (!std::all_of(buffer.begin(), buffer.end(), [](float x) { return std::isfinite(x); }))
            return false;
    }
    return true;
}

}  // namespace

std::string soundProblem(const DecodedSound& sound) {
    if (sound.frames() == 0) return "no frames";
    if (sound.frames() > kMaxDecodedFrames) return "longer than the decoder allows";
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        if (!std::isfinite(sound.frame(i)[0]) || !std::isfinite(sound.frame(i)[1]))
            return "a sample that is not a finite number, at frame " + std::to_string(i);
    }
    Mixer mixer(64);
    const int voice = mixer.createVoice();
    mixer.load(voice, &sound);
    mixer.play(voice, false);
    mixer.commit();
    const std::size_t heard = std::min(sound.frames(), kMaxPlayedFrames);
    if (!renderFinite(mixer, heard + kBuffer)) return "mixed a non-finite sample";
    if (heard == sound.frames() && mixer.playing(voice)) return "still playing after its end";
    mixer.stop(voice);
    mixer.play(voice, true);  // looped, past the seam if the sound is short enough
    mixer.commit();
    if (!renderFinite(mixer, heard + kBuffer)) return "mixed a non-finite sample looping";
    if (!mixer.playing(voice)) return "a looping voice stopped";
    mixer.load(voice, nullptr);
    mixer.commit();
    return renderFinite(mixer, kBuffer) ? std::string{} : "mixed a non-finite fade-out";
}

}  // namespace gus::fuzz
