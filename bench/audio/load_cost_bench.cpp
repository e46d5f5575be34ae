// Timing load(): first loads each of a file of its own, then loads from the cache.
#include "bench/audio/load_cost_bench.h"

#include <string>
#include <thread>
#include <vector>

#include "bench/audio/bench_sounds.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

namespace {

Summary timeFirstLoads(SdlAudioOutput& out, AudioOutput::Voice v,
                       const std::vector<std::string>& paths) {
    std::vector<double> micros;
    for (const std::string& path : paths) {
        const std::int64_t start = nowNanos();
        out.load(v, path);
        micros.push_back(microsSince(start));
        out.commit();
    }
    return summarize(std::move(micros));
}

std::vector<std::string> writeFiles(const ScratchFolder& folder, const std::string& stem, int count,
                                    int channels, double seconds) {
    std::vector<std::string> paths;
    for (int i = 0; i < count; ++i) {
        paths.push_back(folder.file(stem + std::to_string(i) + ".wav"));
        writeToneWav(paths.back(), channels, seconds);
    }
    return paths;
}

}  // namespace

LoadCostResult measureLoadCost(std::size_t cachedLoads, std::size_t firstLoads) {
    LoadCostResult result;
    SdlAudioOutput out;
    result.opened = out.opened();
    if (!out.opened()) return result;
    ScratchFolder folder;
    const int count = static_cast<int>(firstLoads);
    const auto shortFiles = writeFiles(folder, "short", count, 1, 1.0);
    const auto longFiles = writeFiles(folder, "long", count, 2, 30.0);
    const auto v = out.createVoice("load");

    result.firstShortMicros = timeFirstLoads(out, v, shortFiles);
    result.firstLongMicros = timeFirstLoads(out, v, longFiles);

    std::vector<double> micros;
    for (std::size_t i = 0; i < cachedLoads; ++i) {
        const std::int64_t start = nowNanos();
        out.load(v, shortFiles[i % shortFiles.size()]);
        micros.push_back(microsSince(start));
        out.commit();
        // Keys come far apart next to a callback; this keeps the ring from filling in the loop.
        if (i % 256 == 255) std::this_thread::sleep_for(std::chrono::milliseconds(6));
    }
    result.cachedMicros = summarize(std::move(micros));
    result.dropped = out.droppedCommands();
    return result;
}

}  // namespace gus::bench
