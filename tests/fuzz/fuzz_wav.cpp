// libFuzzer entry: any bytes, as if read from a sound file, through the decoder and the mixer.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/sdl/wav_decoder.h"
#include "tests/fuzz/sound_checks.h"

namespace {

// A finding that is not a crash must still stop the fuzzer, so it saves the input.
void fail(const std::string& what) {
    std::fprintf(stderr, "fuzz_wav: %s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<unsigned char> bytes(data, data + size);
    const auto sound = gus::decodeWavBytes(bytes);
    if (!sound) return 0;
    if (const std::string problem = gus::fuzz::soundProblem(*sound); !problem.empty())
        fail(problem);
    return 0;
}
