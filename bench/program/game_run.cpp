// Stages on a Qt timer inside the game window's own modal loop: wait, set up, settle, measure.
#include "bench/program/game_run.h"

#include <QApplication>
#include <QPushButton>

#include "bench/program/report.h"
#include "frontend/board_view.h"
#include "frontend/form_ini.h"
#include "frontend/game_window.h"
#include "frontend/program.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

namespace {

constexpr int kPassMs = 200;
constexpr int kHardest = 2;
constexpr std::int64_t kSettleNanos = 2'000'000'000;
constexpr double kGoalPercent = 3.0;
constexpr double kGoalMegabytes = 80.0;

std::int64_t nanosFromSeconds(double s) {
    return static_cast<std::int64_t>(s * 1e9);
}

}  // namespace

GameRun::GameRun(Program& program, SdlAudioOutput& audio, double seconds, std::string conditions)
    : program_(program), audio_(audio), seconds_(seconds), conditions_(std::move(conditions)) {
    QObject::connect(&passes_, &QTimer::timeout, [this] { pass(); });
}

int GameRun::exec() {
    program_.menu().setDificultad(kHardest);
    openGame();
    passes_.start(kPassMs);
    QApplication::exec();
    return stage_ == Stage::Done ? 0 : 1;
}

// As the player does it: the "Jugar" button; the game window then runs modally.
void GameRun::openGame() {
    QTimer::singleShot(kPassMs, [this] { program_.menu().Command1(1)->click(); });
}

void GameRun::pass() {
    GameWindow* game = program_.menu().gameWindow();
    const bool open = game != nullptr && game->form().cargada();
    if (stage_ == Stage::Done) return;
    if (!open) {
        // The window closed under us (it should not): open the game again and start over.
        if (stage_ != Stage::WaitingForGame) {
            ++restarts_;
            stage_ = Stage::WaitingForGame;
            openGame();
        }
        return;
    }
    if (stage_ == Stage::WaitingForGame) return begin(*game);
    keepUp(*game);
    if (steadyNanos() < stageEnds_) return;
    if (stage_ == Stage::Settling) return startMeasuring(*game);
    finish(*game);
}

void GameRun::begin(GameWindow& game) {
    program_.road().handle([&] { load_.setUp(game.form()); });
    keepUp(game);
    stage_ = Stage::Settling;
    stageEnds_ = steadyNanos() + kSettleNanos;
}

// Our changes are an event of their own: its sounds go to the mixer and the board is redrawn,
// as after a key.
void GameRun::keepUp(GameWindow& game) {
    program_.road().handle([&] { load_.keepUp(game.form()); });
    ++ownPasses_;
    wormSum_ += load_.wormsOnBoard(game.form());
    ++wormSamples_;
}

void GameRun::startMeasuring(GameWindow& game) {
    stage_ = Stage::Measuring;
    stageEnds_ = steadyNanos() + nanosFromSeconds(seconds_);
    events_ = -game.board()->refreshCount();
    ownPasses_ = 0;
    wormSum_ = 0;
    wormSamples_ = 0;
    callbacks_ = audio_.callbacks();
    bombsLaid_ = -load_.bombsLaid();
    wormsPutBack_ = -load_.wormsPutBack();
    livesGivenBack_ = -load_.livesGivenBack();
    share_.start();
}

void GameRun::finish(GameWindow& game) {
    share_.stop();
    stage_ = Stage::Done;
    passes_.stop();
    events_ += game.board()->refreshCount() - ownPasses_;
    callbacks_ = audio_.callbacks() - callbacks_;
    bombsLaid_ += load_.bombsLaid();
    wormsPutBack_ += load_.wormsPutBack();
    livesGivenBack_ += load_.livesGivenBack();
    print(peakResidentMegabytes(0).value_or(0.0));
    // "Salir", as the player ends the program: the game window closes, then the menu.
    program_.menu().Command1_Click(6);
}

void GameRun::print(double peakMegabytes) const {
    const double share = share_.percentOfOneCore();
    const double wall = share_.wallSeconds();
    printRow({"CPU, phase 25: 15 worms, 5 bombs, exit beacon",
              fixed(share, 2) + " % of a core over " + fixed(wall, 1) + " s", "< 3 %",
              share < kGoalPercent, conditions_ + ", getrusage"});
    printNote(threadLine(share_.threadPercents()));
    const double worms = wormSamples_ > 0 ? static_cast<double>(wormSum_) / wormSamples_ : 0.0;
    printNote("in that time: " + std::to_string(events_) + " game timer events, " +
              std::to_string(bombsLaid_) + " bombs laid, " + fixed(worms, 1) +
              " worms on the board on average (" + std::to_string(wormsPutBack_) + " put back), " +
              fixed(static_cast<double>(callbacks_) / wall, 0) +
              " audio callbacks/s, player deaths undone: " + std::to_string(livesGivenBack_));
    if (restarts_ > 0)
        printNote("the game window closed and was reopened " + std::to_string(restarts_) +
                  " times");
    printRow({"peak resident memory, phase 25", fixed(peakMegabytes, 1) + " MB (VmHWM)", "< 80 MB",
              peakMegabytes < kGoalMegabytes, conditions_ + ", menu music decoded before"});
    printNote("resident at the end: " + fixed(residentMegabytes(0).value_or(0.0), 1) + " MB");
}

}  // namespace gus::bench
