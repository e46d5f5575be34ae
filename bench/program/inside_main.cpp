// bench_program_inside: the real program's windows built in this process, measured from within.
#include <SDL.h>
#include <stdlib.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "bench/program/game_run.h"
#include "bench/program/intro_run.h"
#include "frontend/program.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/spanish_translator.h"
#include "platform/sdl/sdl_audio_output.h"

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: bench_program_inside game [SECONDS=20]\n"
                 "       bench_program_inside intro [SECONDS=5]\n");
    return 2;
}

std::string conditions() {
    const char* driver = SDL_GetCurrentAudioDriver();
    return "Qt " + QGuiApplication::platformName().toStdString() + ", SDL " +
           (driver != nullptr ? driver : "no") + " driver, in process";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string mode = argv[1];
    const double seconds = argc > 2 ? std::stod(argv[2]) : mode == "game" ? 20.0 : 5.0;
    if ((mode != "game" && mode != "intro") || seconds <= 0.0) return usage();
    // Headless unless told otherwise (the script may run it under Xvfb with xcb).
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    // The same start as app/main.cpp, then the menu.
    QApplication app(argc, argv);
    gus::installSpanishTranslator(app);
    gus::installAccessibility();
    gus::SdlAudioOutput audio;
    if (!audio.opened()) {
        std::fprintf(stderr, "bench_program_inside: no audio device opened\n");
        return 1;
    }
    gus::Program program(audio, audio, gus::qtProgramFolder());
    program.start();
    if (mode == "game") return gus::bench::GameRun(program, audio, seconds, conditions()).exec();
    return gus::bench::IntroRun(program, seconds, conditions()).exec();
}
