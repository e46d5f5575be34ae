// The player walks left and right along the bottom street, where every step sounds a wall.
#include "bench/audio/key_sound_bench.h"

#include <optional>
#include <random>
#include <thread>

#include "bench/audio/game_on_real_audio.h"

namespace gus::bench {

namespace {

constexpr int kWorms = 15;
// The bottom street: the border wall lies south of every cell, blocks north of most.
constexpr int kWestEnd = 5;
constexpr int kEastEnd = 9;
constexpr std::int64_t kGiveUpNanos = 1'000'000'000;

// Where the player is going, and the wall whose channel will carry the step.
struct Step {
    Entero key = tecla::Derecha;
    AudioOutput::Voice wallVoice = -1;
};

// The same test SuenaParedes makes, on the cell the key leads to.
Step nextStep(GameOnRealAudio& game, Entero lastKey) {
    Form1& f = game.form();
    Step step;
    step.key = f.Jugador.X >= kEastEnd   ? tecla::Izquierda
               : f.Jugador.X <= kWestEnd ? tecla::Derecha
                                         : lastKey;
    const int x = f.Jugador.X + (step.key == tecla::Derecha ? 1 : -1);
    const int sides[4][2] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    for (int side = 0; side < 4; ++side) {
        if (f.Tablero(x + sides[side][0], f.Jugador.Y + sides[side][1]) != CeldaPared) continue;
        step.wallVoice = game.timed().voiceNamed("Wmp1(" + std::to_string(side) + ")");
        break;
    }
    return step;
}

std::optional<double> awaitStart(const SdlAudioOutput& out, AudioOutput::Voice v,
                                 std::int64_t stampBefore, std::int64_t keyAt) {
    while (out.firstFrameNanos(v) == stampBefore) {
        if (nowNanos() - keyAt > kGiveUpNanos) return std::nullopt;
        std::this_thread::yield();
    }
    return static_cast<double>(out.firstFrameNanos(v) - keyAt) / 1e6;
}

struct Walk {
    std::vector<double> keyToSoundMs;
    std::vector<double> keyCostMicros;
    std::size_t lost = 0;
};

// Each key comes at a random moment of the callback cycle, after a worm's step like the ones
// the worms' timers sound, so the mixer is busy as in play.
Walk walk(GameOnRealAudio& game, int bufferFrames, std::size_t keys) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> pauseMicros(0.0, 1e6 * bufferFrames / kMixRate);
    Walk w;
    Entero lastKey = tecla::Derecha;
    for (std::size_t n = 0; n < keys; ++n) {
        game.wormSteps(static_cast<int>(n % kWorms));
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(pauseMicros(random)));
        const Step step = nextStep(game, lastKey);
        lastKey = step.key;
        const std::int64_t stampBefore = game.output().firstFrameNanos(step.wallVoice);
        const std::int64_t keyAt = nowNanos();
        game.key(step.key);
        w.keyCostMicros.push_back(microsSince(keyAt));
        const std::optional<double> ms =
            awaitStart(game.output(), step.wallVoice, stampBefore, keyAt);
        if (ms)
            w.keyToSoundMs.push_back(*ms);
        else
            ++w.lost;
    }
    return w;
}

}  // namespace

KeySoundResult measureKeyToSound(int bufferFrames, std::size_t keys) {
    KeySoundResult result;
    result.bufferFrames = bufferFrames;
    result.worms = kWorms;
    GameOnRealAudio game(bufferFrames);
    result.ready = game.ready();
    if (!result.ready) return result;
    game.start(kWorms);
    walk(game, bufferFrames, 50);  // every sound decoded and cached, as after the first steps
    Walk measured = walk(game, bufferFrames, keys);
    result.keyToSoundMs = summarize(std::move(measured.keyToSoundMs));
    result.keyCostMicros = summarize(std::move(measured.keyCostMicros));
    result.lost = measured.lost;
    // A second walk with a stopwatch on every call, so its cost is kept out of the first.
    game.timed().timeCalls(true);
    walk(game, bufferFrames, keys);
    game.timed().timeCalls(false);
    const CallTimes& calls = game.timed().callTimes();
    result.callMicros = summarize(calls.micros);
    result.longestOwnCallMicros = calls.longestOwnMicros;
    result.longestOwnCall = calls.longestOwnCall;
    result.preemptedCalls = calls.preempted;
    result.waitingCalls = calls.waited;
    result.callsOverTwentyMicros = calls.overTwentyMicros;
    result.longestEmptyCallMicros = calls.longestEmptyMicros;
    result.dropped = game.output().droppedCommands();
    return result;
}

}  // namespace gus::bench
