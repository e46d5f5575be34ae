// Wiring like the program's, with the program's own folder for the sounds.
#include "bench/audio/game_on_real_audio.h"

#include <filesystem>

#include "sound/sound_path.h"
#include "tools/sim/preparacion.h"

namespace gus::bench {

namespace {

constexpr Entero kHardest = 2;  // up to 15 worms

ProgramFolder thisProgramsFolder() {
    std::error_code error;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return ProgramFolder{error ? std::string(".") : exe.parent_path().string(), '/'};
}

}  // namespace

GameOnRealAudio::GameOnRealAudio(int bufferFrames)
    : out_(bufferFrames),
      form_(
          Services{timers_, timed_, clock_, random_, timed_, dialogs_, thisProgramsFolder(), road_},
          *this, [] { return kHardest; }) {}

GameOnRealAudio::~GameOnRealAudio() {
    road_.handle([this] { form_.Unload(); });
}

bool GameOnRealAudio::ready() const {
    return out_.opened() &&
           std::filesystem::is_regular_file(soundPath(thisProgramsFolder(), "snd01.wav"));
}

void GameOnRealAudio::start(int worms) {
    road_.handle([&] {
        form_.Load();
        // The top street and then the second one: at least eight cells from the player's row.
        for (int slot = 0; slot < worms; ++slot) {
            const bool top = slot <= kUltima;
            ponMonstruo(form_, slot, top ? slot : (slot - kUltima - 1) * 4, top ? 0 : 4,
                        1 + slot % 4);
        }
    });
}

void GameOnRealAudio::key(Entero keyCode) {
    road_.handle([&] {
        Entero code = keyCode;
        form_.Picture1_KeyDown(code, 0);
    });
}

void GameOnRealAudio::wormSteps(int slot) {
    road_.handle([&] { form_.SuenaMonstruo(static_cast<Entero>(slot)); });
}

LabelView* GameOnRealAudio::labelView(const std::string& /*label*/) {
    return &unseen_;
}

}  // namespace gus::bench
