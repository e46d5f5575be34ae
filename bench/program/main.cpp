// bench_program: the real program measured, one measurement a run (scripts/bench-program.sh
// prints the table's heads and runs them all).
#include <SDL.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "bench/program/program_bench.h"
#include "frontend/program.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/spanish_translator.h"
#include "platform/sdl/sdl_audio_output.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: bench_program start PROGRAM [WARM_RUNS=20]\n"
                 "       bench_program menu PROGRAM [SECONDS=20]\n"
                 "       bench_program game [SECONDS=20]\n"
                 "       bench_program intro [SECONDS=5]\n");
    return 2;
}

// The same start as app/main.cpp, then the menu; headless unless told otherwise (the script may
// run it under Xvfb with xcb).
int inside(int argc, char** argv, bool game, double seconds) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv);
    gus::installSpanishTranslator(app);
    gus::installAccessibility();
    gus::SdlAudioOutput audio;
    if (!audio.opened()) {
        std::fprintf(stderr, "bench_program: no audio device opened\n");
        return 1;
    }
    gus::Program program(audio, audio, gus::qtProgramFolder());
    program.start();
    const char* driver = SDL_GetCurrentAudioDriver();
    const std::string conditions = "Qt " + QGuiApplication::platformName().toStdString() +
                                   ", SDL " + (driver != nullptr ? driver : "no") +
                                   " driver, in process";
    return gus::bench::measureInside(program, audio, game, seconds, conditions);
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "start" && argc > 2) {
        const int runs = argc > 3 ? std::stoi(argv[3]) : 20;
        return runs < 1 ? usage() : gus::bench::measureStarts(argv[2], runs);
    }
    if (mode == "menu" && argc > 2) {
        const double seconds = argc > 3 ? std::stod(argv[3]) : 20.0;
        return seconds <= 0.0 ? usage() : gus::bench::measureMenu(argv[2], seconds);
    }
    if (mode == "game" || mode == "intro") {
        const double seconds = argc > 2 ? std::stod(argv[2]) : mode == "game" ? 20.0 : 5.0;
        return seconds <= 0.0 ? usage() : inside(argc, argv, mode == "game", seconds);
    }
    return usage();
}
