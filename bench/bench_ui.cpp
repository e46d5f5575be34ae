// bench_ui: what the game costs the user-interface thread. On the simulated platform a key with
// 15 worms, a worm's step, a five-bomb chain and whole games; on the real mixer a key, every call
// the game makes while the audio thread mixes, and loading a file.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <sstream>
#include <thread>

#include "bench/common/real_audio_game.h"
#include "tests/audio/wav_bytes.h"
#include "tools/sim/runner.h"
#include "tools/sim/session.h"

namespace gus::bench {
namespace {

const char* kSimulated = "simulated platform";

Summary timeCalls(int times, const std::function<void()>& setUp,
                  const std::function<void()>& call) {
    std::vector<double> micros;
    for (int i = 0; i < times; ++i) {
        if (setUp) setUp();
        const std::int64_t start = nowNanos();
        call();
        micros.push_back(microsSince(start));
    }
    return summarize(std::move(micros));
}

void simulatedKeyAndStep() {
    // A loaded window with 15 worms on the central ring, at the hardest difficulty, phase 25.
    SimSession s;
    s.dificultad = 2;
    s.p.random.overrideSeed(7);
    s.p.log.setKeep(false);
    s.load();
    s.form.Fase = 25;
    const int cells[15][2] = {{4, 4}, {5, 4}, {6, 4}, {7, 4}, {8, 4}, {4, 8}, {5, 8}, {6, 8},
                              {7, 8}, {8, 8}, {4, 5}, {4, 6}, {4, 7}, {8, 5}, {8, 6}};
    for (int i = 0; i < 15; ++i) s.form.colocaMonstruoEn(i, cells[i][0], cells[i][1], 1);
    int i = 0;
    const Entero there[2] = {tecla::Izquierda, tecla::Derecha};
    const Summary key = timeCalls(20000, nullptr, [&] { s.key(there[i++ % 2]); });
    printRow({"one key, 15 worms", spread(key, "us"), "< 50 us", key.median < 50.0,
              kSimulated + std::string(", step + 15 worm channels re-placed")});
    const Summary step = timeCalls(20000, nullptr, [&] {
        s.form.MueveMonstruo(static_cast<Entero>(i++ % 15));
        s.p.endOfEvent();
    });
    printRow({"a worm's step tick", spread(step, "us"), "< 20 us", step.median < 20.0, kSimulated});
}

void fiveBombChain() {
    SimSession s;
    s.p.log.setKeep(false);
    s.load();
    const auto layFive = [&] {
        s.key(tecla::BloqMayus);        // no time passes: clear the status by hand
        s.form.MonstruosPorEntrar = 1;  // the phase goes on
        s.form.Vidas = 5;
        s.form.Jugador.X = 0;
        for (int y = 0; y < 15; y += 3) {
            s.form.Jugador.Y = static_cast<Entero>(y);
            s.key(tecla::Espacio);
        }
        s.form.Jugador.X = 12;
        s.form.Jugador.Y = 12;
    };
    const Summary c = timeCalls(5000, layFive, [&] { s.key(tecla::Mayusculas, tecla::BitShift); });
    printRow(
        {"a five-bomb chain explosion", spread(c, "us"), "< 200 us", c.median < 200.0, kSimulated});
}

// A recorded whole game replayed through the headless runner, its output kept in memory.
void wholeGames() {
    std::ifstream file(GUS_BENCH_DATA "/partida_entera.sim");
    const std::string script((std::istreambuf_iterator<char>(file)), {});
    std::vector<double> ms;
    int won = 0;
    for (int n = 0; n < 60; ++n) {
        std::istringstream in(script);
        std::ostringstream out, err;
        const std::int64_t start = nowNanos();
        SimRunner(out, err).run(in);
        ms.push_back(microsSince(start) / 1000.0);
        won += out.str().find("\"ev\":\"dialog\"") != std::string::npos;
    }
    const Summary g = summarize(ms);
    printRow({"a whole 25-phase game, recorded, replayed", spread(g, "ms"), "< 50 ms",
              g.median < 50.0, kSimulated + (", " + std::to_string(won) + " of 60 won")});
}

// The first walk is timed per key; the second with a stopwatch on every call the game makes, so
// that its cost stays out of the first.
void keysOnTheRealMixer(std::size_t keys) {
    RealAudioGame game;
    if (!game.ready())
        return printRow({"one key, real mixer", "no audio device or sounds", "", false, ""});
    const Summary key = summarize(game.walk(keys).keyMicros);
    const std::string conditions =
        "15 worms, 256 frames, SDL " + std::string(getenv("SDL_AUDIODRIVER"));
    printRow({"one key, 15 worms, real mixer (key + commit)", spread(key, "us"), "< 50 us",
              key.median < 50.0, conditions});
    game.timed().timing = true;
    game.walk(keys);
    game.timed().timing = false;
    const TimedOutput::Times& t = game.timed().times();
    printRow({"longest UI call against the audio thread",
              fixed(t.longestOwnMicros, 2) + " us (" + t.longestOwnCall + ")", "< 20 us",
              t.longestOwnMicros < 20.0, "no lock: ring + atomics; of calls that kept their core"});
    printNote("every call: " + spread(summarize(t.micros), "us") + "; preempted by the kernel " +
              std::to_string(t.preempted) + ", waited " + std::to_string(t.waited) +
              " (goal 0); commands dropped " + std::to_string(game.output().droppedCommands()));
}

void loading() {
    SdlAudioOutput out;
    if (!out.opened()) return printRow({"FileName, real output", "no audio device", "", false, ""});
    test::TempDir folder;
    // The program decodes its music before any effect: the allocator's state it leaves is the
    // one the first loads meet, so twenty pieces' worth of buffers come and go first.
    for (int i = 0; i < 20; ++i) writeToneWav(folder.file("music.wav"), 60.0);
    std::vector<std::string> effects;
    for (int i = 0; i < 20; ++i) {
        effects.push_back(folder.file(std::to_string(i) + ".wav"));
        writeToneWav(effects.back(), 1.0);
    }
    const AudioOutput::Voice v = out.createVoice("load");
    std::size_t i = 0;
    const Summary first = timeCalls(
        20, [&] { out.commit(); }, [&] { out.load(v, effects[i++]); });
    // Keys come far apart next to a callback; the pauses keep the ring from filling in the loop.
    const auto commit = [&] {
        out.commit();
        if (++i % 256 == 0) std::this_thread::sleep_for(std::chrono::milliseconds(6));
    };
    const Summary cached = timeCalls(5000, commit, [&] { out.load(v, effects[0]); });
    printRow({"FileName of a file already decoded", spread(cached, "us"), "< 20 us",
              cached.median < 20.0, "decoded sounds are cached by path"});
    printRow({"FileName, first load of 1 s at 48 kHz", spread(first, "us", 0), "< 1 ms",
              first.median < 1000.0, "mono, the size of the game's effects"});
}

}  // namespace
}  // namespace gus::bench

// Usage: bench_ui [keys] (1000 by default) for the walks on the real mixer. Runs on SDL's dummy
// driver unless SDL_AUDIODRIVER names another.
int main(int argc, char** argv) {
    using namespace gus::bench;
    const std::size_t keys = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 1000;
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    printHeader("bench_ui: time on the user-interface thread");
    simulatedKeyAndStep();
    fiveBombChain();
    wholeGames();
    keysOnTheRealMixer(keys);
    loading();
    return 0;
}
