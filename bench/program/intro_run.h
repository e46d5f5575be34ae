// The real program with the introduction dialog open: its recording is the largest sound decoded.
#pragma once

#include <QTimer>
#include <cstdint>
#include <string>

#include "bench/program/proc_usage.h"

namespace gus {
class Program;
}  // namespace gus

namespace gus::bench {

class IntroRun {
  public:
    IntroRun(Program& program, double seconds, std::string conditions);
    // Opens "Introducción" from the menu, lets it play, closes the program; the exit status.
    int exec();

  private:
    void pass();
    void finish();

    Program& program_;
    double seconds_;
    std::string conditions_;
    QTimer passes_;
    CpuShare share_;
    bool opened_ = false;
    bool done_ = false;
    std::int64_t ends_ = 0;
    double peakBefore_ = 0.0;  // the menu alone, in this process
};

}  // namespace gus::bench
