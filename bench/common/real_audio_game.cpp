// Forwarding with an optional stopwatch; the walk timed against the mixer's start stamps.
#include "bench/common/real_audio_game.h"

#include <sys/resource.h>

#include <filesystem>
#include <random>
#include <thread>

#include "platform/program_folder.h"
#include "sound/catalogue.h"
#include "sound/sound_path.h"

namespace gus::bench {

namespace {

constexpr Entero kHardest = 2;  // up to 15 worms
// The bottom street: the border wall lies south of every cell.
constexpr int kWestEnd = 5;
constexpr int kEastEnd = 9;
constexpr std::int64_t kGiveUpNanos = 1'000'000'000;

}  // namespace

// The thread's context switches are read outside the timed span, so reading them costs nothing.
void TimedOutput::timed(const char* name, const std::function<void()>& call) const {
    if (!timing) return call();
    rusage before{};
    getrusage(RUSAGE_THREAD, &before);
    const std::int64_t start = nowNanos();
    call();
    const double micros = microsSince(start);
    rusage after{};
    getrusage(RUSAGE_THREAD, &after);
    const bool preempted = after.ru_nivcsw != before.ru_nivcsw;
    const bool waited = after.ru_nvcsw != before.ru_nvcsw;
    times_.micros.push_back(micros);
    times_.preempted += preempted ? 1 : 0;
    times_.waited += waited ? 1 : 0;
    if (preempted || waited || micros <= times_.longestOwnMicros) return;
    times_.longestOwnMicros = micros;
    times_.longestOwnCall = name;
}

RealAudioGame::RealAudioGame()
    : out_(kBufferFrames),
      game_(Services{p_.scheduler, timed_, p_.clock, p_.random, timed_, p_.dialogs,
                     ProgramFolder{runningProgramFolder(), '/'}, road_, speech_},
            *this, [] { return kHardest; }) {
    if (!ready()) return;
    game_.load();
    road_.handle([this] {
        // The top street and then the second one: at least eight cells from the player's row.
        for (int slot = 0; slot < kWorms; ++slot) {
            const bool top = slot <= kUltima;
            form_.colocaMonstruoEn(slot, top ? slot : (slot - kUltima - 1) * 4, top ? 0 : 4,
                                   static_cast<Entero>(1 + slot % 4));
        }
    });
    walk(50);  // every sound decoded and cached, as after the first steps
}

RealAudioGame::~RealAudioGame() {
    game_.unload();
}

bool RealAudioGame::ready() const {
    return out_.opened() && std::filesystem::is_regular_file(soundPath(
                                ProgramFolder{runningProgramFolder(), '/'}, Sonido::PasoA));
}

RealAudioGame::Walk RealAudioGame::walk(std::size_t keys) {
    std::mt19937 random(2024);
    std::uniform_real_distribution<double> pauseMicros(0.0, 1e6 * kBufferFrames / kMixRate);
    Walk w;
    for (std::size_t n = 0; n < keys; ++n) {
        road_.handle([&] { form_.SuenaMonstruo(static_cast<Entero>(n % kWorms)); });
        std::this_thread::sleep_for(std::chrono::duration<double, std::micro>(pauseMicros(random)));
        lastKey_ = form_.Jugador.X >= kEastEnd   ? tecla::Izquierda
                   : form_.Jugador.X <= kWestEnd ? tecla::Derecha
                                                 : lastKey_;
        step(lastKey_, w);
    }
    return w;
}

// Whichever wall channel the step sounds on, its first frame is the first of the four to change.
void RealAudioGame::step(Entero key, Walk& w) {
    StartWatch walls;
    for (int side = 0; side < 4; ++side)
        walls.voices.push_back(timed_.voiceNamed("Wmp1(" + std::to_string(side) + ")"));
    walls.arm(out_);
    game_.key(key, 0);
    w.keyMicros.push_back(microsSince(walls.askedAt));
    const std::optional<double> ms = walls.await(out_);
    if (ms)
        w.keyToSoundMs.push_back(*ms);
    else
        ++w.lost;
}

void StartWatch::arm(const SdlAudioOutput& out) {
    before.clear();
    for (const AudioOutput::Voice v : voices) before.push_back(out.firstFrameNanos(v));
    askedAt = nowNanos();
}

std::optional<double> StartWatch::await(const SdlAudioOutput& out) const {
    while (nowNanos() - askedAt < kGiveUpNanos) {
        for (std::size_t i = 0; i < voices.size(); ++i) {
            const std::int64_t heard = out.firstFrameNanos(voices[i]);
            if (heard != before[i]) return static_cast<double>(heard - askedAt) / 1e6;
        }
        std::this_thread::yield();
    }
    return std::nullopt;
}

}  // namespace gus::bench
