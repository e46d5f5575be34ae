// Decoding with SDL's own WAV loader and converter; neither touches the audio device.
#include "platform/sdl/wav_decoder.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>

#include "platform/sdl/file_bytes.h"
#include "platform/wav_info.h"

namespace gus {

namespace {

constexpr int kMinRate = 1000;
constexpr int kMaxRate = 384000;
constexpr int kMaxChannels = 8;
// Far above full scale (+36 dBFS): a float file beyond it holds garbage, not sound.
constexpr float kMaxFloatSample = 64.0f;

// What our own header walk can rule out before SDL sees the bytes: no channels, absurd rates,
// and sounds that would decode to more than we are willing to hold.
bool plausible(const WavInfo& info) {
    if (info.channels < 1 || info.channels > kMaxChannels) return false;
    if (info.sampleRate < kMinRate || info.sampleRate > kMaxRate) return false;
    const double frames = static_cast<double>(info.dataBytes) /
                          (info.channels * (info.bitsPerSample / 8)) * kMixRate / info.sampleRate;
    return info.dataBytes > 0 && frames <= static_cast<double>(kMaxDecodedFrames);
}

// A truncated data chunk, or one that is not a whole number of blocks, is an error rather than
// a sound cut short; the RIFF size is ignored, as many writers get it wrong. Set on every decode:
// SDL_Quit, wherever it is called, clears all hints.
void insistOnWholeData() {
    SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
}

struct SdlWav {
    SDL_AudioSpec layout{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ~SdlWav() { SDL_FreeWAV(buffer); }
};

std::size_t framesAtMixRate(const SdlWav& wav) {
    const std::size_t bytesPerFrame =
        SDL_AUDIO_BITSIZE(wav.layout.format) / 8 * wav.layout.channels;
    const std::size_t frames = wav.length / bytesPerFrame;
    return frames * static_cast<std::size_t>(kMixRate) / static_cast<std::size_t>(wav.layout.freq);
}

// SDL takes the first fmt chunk and our header walk the last one before the data, so a file with
// two could pass plausible() with a layout SDL never uses; what SDL loaded is held to the same
// bounds before it is converted (a rate far below ours makes SDL's resampler write out of bounds).
bool plausible(const SdlWav& wav) {
    const int channels = wav.layout.channels;
    const int rate = wav.layout.freq;
    return channels >= 1 && channels <= kMaxChannels && rate >= kMinRate && rate <= kMaxRate &&
           framesAtMixRate(wav) <= kMaxDecodedFrames;
}

// SDL's resampler keeps back the last few milliseconds of its input even when flushed; a little
// silence after the sound pushes all of it through, and the result is cut to its true length.
bool feed(SDL_AudioStream* stream, const SdlWav& wav) {
    const std::vector<Uint8> padding(std::size_t{4096} * 8 * wav.layout.channels,
                                     wav.layout.format == AUDIO_U8 ? Uint8{0x80} : Uint8{0});
    return SDL_AudioStreamPut(stream, wav.buffer, static_cast<int>(wav.length)) == 0 &&
           SDL_AudioStreamPut(stream, padding.data(), static_cast<int>(padding.size())) == 0 &&
           SDL_AudioStreamFlush(stream) == 0;
}

// Only float files can hold NaN, infinities or absurd values, and one such sample would poison
// the sum of every voice mixed with it; integer files cannot, and are not scanned.
bool trustworthy(const SdlWav& wav, const std::vector<float>& samples) {
    if (!SDL_AUDIO_ISFLOAT(wav.layout.format)) return true;
    return std::all_of(samples.begin(), samples.end(),
                       [](float x) { return std::isfinite(x) && std::abs(x) <= kMaxFloatSample; });
}

// The game's own files are 16-bit at the mixing rate: widened to float directly, they skip SDL's
// stream, whose queue and padding would briefly hold several copies of a long recording.
bool direct(const SdlWav& wav) {
    return wav.layout.format == AUDIO_S16SYS && wav.layout.freq == kMixRate &&
           (wav.layout.channels == 1 || wav.layout.channels == 2);
}

std::unique_ptr<const DecodedSound> widen(const SdlWav& wav) {
    const int channels = wav.layout.channels;
    const std::size_t frames = wav.length / (sizeof(Sint16) * static_cast<std::size_t>(channels));
    if (frames == 0) return nullptr;
    std::vector<float> samples(frames * kMixChannels);
    for (std::size_t f = 0; f < frames; ++f) {
        for (int c = 0; c < kMixChannels; ++c) {
            Sint16 v;
            const std::size_t from = f * static_cast<std::size_t>(channels) +
                                     static_cast<std::size_t>(channels == 1 ? 0 : c);
            std::memcpy(&v, wav.buffer + from * sizeof(Sint16),
                        sizeof v);  // inlined: no alignment assumed
            samples[f * kMixChannels + static_cast<std::size_t>(c)] =
                static_cast<float>(v) / 32768.0f;
        }
    }
    return std::make_unique<const DecodedSound>(std::move(samples));
}

std::unique_ptr<const DecodedSound> convert(const SdlWav& wav) {
    if (direct(wav)) return widen(wav);
    SDL_AudioStream* stream =
        SDL_NewAudioStream(wav.layout.format, wav.layout.channels, wav.layout.freq, AUDIO_F32SYS,
                           kMixChannels, kMixRate);
    if (stream == nullptr) return nullptr;
    std::vector<float> samples;
    if (feed(stream, wav)) {
        samples.resize(framesAtMixRate(wav) * kMixChannels);
        const int wanted = static_cast<int>(samples.size() * sizeof(float));
        const int got = SDL_AudioStreamGet(stream, samples.data(), wanted);
        samples.resize(got > 0 ? static_cast<std::size_t>(got) / sizeof(float) : 0);
    }
    SDL_FreeAudioStream(stream);
    samples.resize(samples.size() - samples.size() % kMixChannels);
    if (samples.empty() || !trustworthy(wav, samples)) return nullptr;
    return std::make_unique<const DecodedSound>(std::move(samples));
}

}  // namespace

// Not Mix_LoadWAV_RW: Mix_FreeChunk takes the audio device lock (a first load would wait for the
// audio callback), and for a file that is not RIFF it hands over to the music decoders, which
// decode the whole file holding that lock (the audio thread would stall). For a WAV file
// Mix_LoadWAV_RW does what this does: SDL_LoadWAV_RW, then SDL's converter.
std::unique_ptr<const DecodedSound> decodeWavBytes(const std::vector<unsigned char>& bytes) {
    const std::optional<WavInfo> info = parseWavHeader(bytes.data(), bytes.size());
    if (!info || !plausible(*info)) return nullptr;
    insistOnWholeData();
    SDL_RWops* source = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (source == nullptr) return nullptr;
    SdlWav wav;
    if (SDL_LoadWAV_RW(source, 1, &wav.layout, &wav.buffer, &wav.length) == nullptr) return nullptr;
    return plausible(wav) ? convert(wav) : nullptr;
}

std::unique_ptr<const DecodedSound> decodeWavFile(const std::string& path) {
    const std::optional<std::vector<unsigned char>> bytes = readSoundFile(path);
    return bytes ? decodeWavBytes(*bytes) : nullptr;
}

}  // namespace gus
