// Any bytes, as if read from a sound file, through the decoder and a mixer of its own: what every
// decoded sound must be, the libFuzzer entry that tries it, and the replay of what it kept.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/mixer/mixer.h"
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
    if (frames == 0 || frames > kMaxDecodedFrames) return "no frames, or more than the decoder allows";
    if (!std::all_of(sound.frame(0), sound.frame(0) + frames * kMixChannels,
                     [](float x) { return std::isfinite(x); }))
        return "a sample that is not a number";
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

#ifdef GUS_FUZZ_CORPUS_DIR  // test_fuzz_corpus, built with whatever compiler builds the rest
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/sdl/file_bytes.h"

// Seeds say in their names what they must give (ok-: a sound, bad-: nothing); whatever else the
// fuzzer kept need only give nothing or a sane sound.
TEST(FuzzCorpus, EverySavedInputGivesNothingOrASaneSoundThatPlays) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(GUS_FUZZ_CORPUS_DIR)) {
        const std::string name = entry.path().filename().string();
        const auto bytes = gus::readSoundFile(entry.path().string());
        const auto sound = bytes ? gus::decodeWavBytes(*bytes) : nullptr;
        EXPECT_TRUE(bytes && (sound ? !name.starts_with("bad-") : !name.starts_with("ok-"))) << name;
        EXPECT_EQ(sound ? gus::fuzz::soundProblem(*sound) : "", "") << name;
        ++files;
    }
    EXPECT_GE(files, 39) << "the seeds are missing from " << GUS_FUZZ_CORPUS_DIR;
}
#endif
