// Each event does what a busy key press does, and every call in it is timed.
#include "bench/audio/ui_block_bench.h"

#include <functional>
#include <thread>

#include "bench/audio/bench_sounds.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

namespace {

constexpr int kPlaying = 30;

class CallTimer {
  public:
    explicit CallTimer(std::vector<std::string> names)
        : names_(std::move(names)), samples_(names_.size()) {}
    void time(std::size_t which, const std::function<void()>& call) {
        const std::int64_t start = nowNanos();
        call();
        samples_[which].push_back(microsSince(start));
    }
    std::vector<CallCost> results() {
        std::vector<CallCost> costs;
        for (std::size_t i = 0; i < names_.size(); ++i)
            costs.push_back({names_[i], summarize(std::move(samples_[i]))});
        return costs;
    }

  private:
    std::vector<std::string> names_;
    std::vector<std::vector<double>> samples_;
};

}  // namespace

UiBlockResult measureUiBlocking(int bufferFrames, std::size_t events) {
    UiBlockResult result;
    SdlAudioOutput out(bufferFrames);
    result.opened = out.opened();
    if (!out.opened()) return result;
    ScratchFolder folder;
    writeToneWav(folder.file("loop.wav"), 2, 1.3);
    std::vector<AudioOutput::Voice> voices;
    for (int i = 0; i < kPlaying; ++i) {
        voices.push_back(out.createVoice("busy"));
        out.load(voices.back(), folder.file("loop.wav"));
        out.play(voices.back(), true);
    }
    out.commit();

    const std::string loopPath = folder.file("loop.wav");
    CallTimer timer({"setGains", "stop", "play", "playing", "load (cached)", "commit"});
    const std::uint64_t firstCallback = out.callbacks();
    for (std::size_t n = 0; n < events; ++n) {
        const AudioOutput::Voice v = voices[n % voices.size()];
        timer.time(0, [&] { out.setGains(v, static_cast<int>(n % 2000) - 1000, -200); });
        timer.time(1, [&] { out.stop(v); });
        timer.time(2, [&] { out.play(v, true); });
        timer.time(3, [&] { (void)out.playing(v); });
        timer.time(4, [&] { out.load(voices[0], loopPath); });
        timer.time(5, [&] { out.commit(); });
        if (n % 64 == 63) std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    result.calls = timer.results();
    result.callbacks = out.callbacks() - firstCallback;
    result.dropped = out.droppedCommands();
    return result;
}

}  // namespace gus::bench
