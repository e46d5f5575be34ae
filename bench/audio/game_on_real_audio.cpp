// Wiring like the program's, with the program's own folder for the sounds.
#include "bench/audio/game_on_real_audio.h"

#include <filesystem>

#include "sound/catalogue.h"
#include "sound/sound_path.h"

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
      dialogs_(noAnswers_, timers_, [this] { timed_.commit(); }),
      form_(Form1Services{timers_, timed_, clock_, random_, timed_, dialogs_, thisProgramsFolder(),
                          *this, [] { return kHardest; }}) {}

GameOnRealAudio::~GameOnRealAudio() {
    form_.Unload();
}

bool GameOnRealAudio::ready() const {
    return out_.opened() &&
           std::filesystem::is_regular_file(soundPath(thisProgramsFolder(), Sonido::PasoA));
}

void GameOnRealAudio::start(int worms) {
    form_.Load();
    // The top street and then the second one: at least eight cells from the player's row.
    for (int slot = 0; slot < worms; ++slot) {
        const bool top = slot <= kUltima;
        form_.colocaMonstruoEn(slot, top ? slot : (slot - kUltima - 1) * 4, top ? 0 : 4,
                               static_cast<Entero>(1 + slot % 4));
    }
    timed_.commit();
}

void GameOnRealAudio::key(Entero keyCode) {
    Entero code = keyCode;
    form_.Picture1_KeyDown(code, 0);
    timed_.commit();
}

void GameOnRealAudio::wormSteps(int slot) {
    form_.SuenaMonstruo(static_cast<Entero>(slot));
    timed_.commit();
}

LabelView* GameOnRealAudio::labelView(const std::string& /*label*/) {
    return &unseen_;
}

}  // namespace gus::bench
