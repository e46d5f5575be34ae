// Any bytes, as if read from a sound file, through the decoder and a mixer of its own: what every
// decoded sound must be, and the libFuzzer entry that tries it (test_fuzz_corpus replays it).
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/sdl/mixer.h"
#include "platform/sdl/wav_decoder.h"

namespace gus::fuzz {

// `frames` and a buffer more, buffer by buffer as the audio callback would: all finite?
bool mixesFinite(Mixer& mixer, std::size_t frames) {
    std::vector<float> buffer(256 * kMixChannels);
    for (std::size_t done = 0; done <= frames; done += 256) {
        std::fill(buffer.begin(), buffer.end(), 0.0f);
        mixer.render(buffer.data(), 256, 1);
        if (!std::all_of(buffer.begin(), buffer.end(), [](float x) { return std::isfinite(x); }))
            return false;
    }
    return true;
}

// Empty when the sound is fit for the mixer: some frames, not too many, every sample finite, and
// played once then looped, every mixed sample finite and the voice stopping at the sound's end.
std::string soundProblem(const DecodedSound& sound) {
    const std::size_t frames = sound.frames(), heard = std::min(frames, std::size_t{2} * kMixRate);
    if (frames == 0 || frames > kMaxDecodedFrames)
        return "no frames, or more than the decoder allows";
    for (std::size_t i = 0; i < frames * kMixChannels; ++i)
        if (!std::isfinite(sound.frame(0)[i]))
            return "a sample that is not a number, at " + std::to_string(i);
    Mixer mixer(64);
    const int voice = mixer.createVoice();
    mixer.load(voice, &sound);
    mixer.play(voice, false);
    mixer.commit();
    if (!mixesFinite(mixer, heard)) return "mixed a non-finite sample";
    if (heard == frames && mixer.playing(voice)) return "still playing after its end";
    mixer.stop(voice);
    mixer.play(voice, true);  // looped, past the seam if the sound is short enough
    mixer.commit();
    if (!mixesFinite(mixer, heard) || !mixer.playing(voice))
        return "looped, it stopped or mixed a non-number";
    mixer.load(voice, nullptr);
    mixer.commit();
    return mixesFinite(mixer, 0) ? "" : "mixed a non-finite fade-out";
}

}  // namespace gus::fuzz

// A finding that is not a crash must still stop the fuzzer, so it saves the input.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto sound = gus::decodeWavBytes(std::vector<unsigned char>(data, data + size));
    const std::string problem = sound ? gus::fuzz::soundProblem(*sound) : "";
    if (!problem.empty()) throw std::runtime_error("fuzz_wav: " + problem);
    return 0;
}
