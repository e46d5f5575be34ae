// The real program with its game window open at phase 25 under full load, measured.
#pragma once

#include <QTimer>
#include <cstdint>
#include <string>

#include "bench/program/phase25_load.h"
#include "bench/program/proc_usage.h"

namespace gus {
class GameWindow;
class Program;
class SdlAudioOutput;
}  // namespace gus

namespace gus::bench {

class GameRun {
  public:
    GameRun(Program& program, SdlAudioOutput& audio, double seconds, std::string conditions);
    // Opens the game from the menu, measures, closes the program; returns the exit status.
    int exec();

  private:
    enum class Stage { WaitingForGame, Settling, Measuring, Done };

    void pass();
    void openGame();
    void begin(GameWindow& game);
    void keepUp(GameWindow& game);
    void startMeasuring(GameWindow& game);
    void finish(GameWindow& game);
    void print(double peakMegabytes) const;

    Program& program_;
    SdlAudioOutput& audio_;
    double seconds_;
    std::string conditions_;
    QTimer passes_;
    Phase25Load load_;
    CpuShare share_;
    Stage stage_ = Stage::WaitingForGame;
    std::int64_t stageEnds_ = 0;
    int restarts_ = 0;
    // Counted over the measured stretch.
    int events_ = 0;
    int ownPasses_ = 0;
    int wormSamples_ = 0;
    long wormSum_ = 0;
    std::uint64_t callbacks_ = 0;
    int bombsLaid_ = 0;
    int wormsPutBack_ = 0;
    int livesGivenBack_ = 0;
};

}  // namespace gus::bench
