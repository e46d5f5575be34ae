// bench_program: the real program measured, one measurement a run (scripts/bench-program.sh runs
// them all). Its windows are built in this process and measured on a Qt timer inside their own
// modal loops: phase 25 under full load, and the introduction playing, the largest sound.
#include <SDL.h>
#include <stdlib.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>

#include "bench/common/measure.h"
#include "bench/program/process.h"
#include "frontend/board_view.h"
#include "frontend/form_ini.h"
#include "frontend/game_application.h"
#include "frontend/game_window.h"
#include "frontend/program.h"
#include "frontend/text_dialog.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/spanish_translator.h"
#include "platform/sdl/sdl_audio_output.h"

namespace gus::bench {

namespace {

constexpr int kPassMs = 200;
constexpr std::int64_t kSettleNanos = 2'000'000'000;

struct Cell {
    int x;
    int y;
};
// The sixteen street cells of the central ring, where worms enter in the game too.
constexpr Cell kRing[] = {{4, 4}, {5, 4}, {6, 4}, {7, 4}, {8, 4}, {4, 8}, {5, 8}, {6, 8},
                          {7, 8}, {8, 8}, {4, 5}, {4, 6}, {4, 7}, {8, 5}, {8, 6}, {8, 7}};
// Street cells whose flames (three cells each way) reach neither the player at (7, 12) nor
// another of these cells, so no bomb sets off the next.
constexpr Cell kBombCells[] = {{0, 0}, {4, 0}, {8, 0}, {12, 0}, {0, 4}, {12, 4}};

// Phase 25 at the hardest difficulty, kept full: 15 worms walking, 5 bombs ticking, the exit
// beacon. The player stands still at his start; worms and flames may still kill him, so every
// pass gives his lives back, lets worms in again where some died, and keeps one worm waiting so
// that the phase never ends. Everything is done through the game's own procedures.
void putWorm(Form1& f, int slot, Cell c) {
    f.colocaMonstruoEn(slot, c.x, c.y, static_cast<Entero>(slot % 4 + 1));
}

void setUpPhase25(Form1& f) {
    f.Fase = 25;
    for (int slot = 0; slot < 15; ++slot) putWorm(f, slot, kRing[slot]);
    f.abreSalida(0);
}

// Bombs are laid with the game's own ColocaBomba, the player stepped for a moment onto the cell.
void keepPhase25Full(Form1& f, std::size_t& bombsLaid) {
    f.Vidas = 5;
    f.MonstruosPorEntrar = std::max<Entero>(f.MonstruosPorEntrar, 1);
    const auto isFree = [&f](Cell c) {
        return f.Tablero(c.x, c.y) == CeldaLibre && (c.x != f.Jugador.X || c.y != f.Jugador.Y);
    };
    for (int slot = 0; slot < 15; ++slot) {
        const auto cell = std::find_if(std::begin(kRing), std::end(kRing), isFree);
        if (!esVerdadero(f.Monstruos[static_cast<std::size_t>(slot)].Activo) &&
            cell != std::end(kRing))
            putWorm(f, slot, *cell);
    }
    const auto live = [](const RegistroBomba& b) { return esVerdadero(b.Activa); };
    if (std::count_if(f.Bombas.begin(), f.Bombas.end(), live) >= kBombasVivasMax) return;
    const RegistroJugador player = f.Jugador;
    const Cell c = kBombCells[bombsLaid++ % std::size(kBombCells)];
    f.Jugador.X = static_cast<Entero>(c.x);
    f.Jugador.Y = static_cast<Entero>(c.y);
    f.ColocaBomba();
    f.Jugador = player;
}

// A window opened from the menu and measured on a timer inside its own modal loop: `pass` runs
// every 200 ms while the window is up (and `settle` before the measured stretch), `report` prints
// at the end; then "Salir" ends the program. A window that closes under us ends the run.
int measureWindow(Program& program, double seconds, std::int64_t settle,
                  const std::function<void()>& open, const std::function<bool()>& shown,
                  const std::function<void()>& pass,
                  const std::function<void(const CpuShare&)>& report) {
    std::int64_t from = 0;
    std::int64_t ends = 0;
    bool done = false;
    CpuShare share;
    QTimer passes;
    QTimer::singleShot(kPassMs, open);
    QObject::connect(&passes, &QTimer::timeout, [&] {
        if (done || (!shown() && from == 0)) return;
        if (!shown()) return QApplication::exit(1);
        if (from == 0) from = nowNanos() + settle;
        if (pass) pass();
        if (nowNanos() < from || (ends != 0 && nowNanos() < ends)) return;
        if (ends == 0) {
            share.start();
            ends = nowNanos() + static_cast<std::int64_t>(seconds * 1e9);
            return;
        }
        share.stop();
        done = true;
        passes.stop();
        report(share);
        program.menu().Command1_Click(6);
    });
    passes.start(kPassMs);
    QApplication::exec();
    return done ? 0 : 1;
}

// Phase 25 in the game window, opened with "Jugar" at the hardest difficulty. Our changes are
// events of their own: their sounds go to the mixer and the board is redrawn, as after a key.
int gameRun(Program& program, double seconds, const std::string& conditions) {
    bool setUp = false;
    std::size_t bombsLaid = 0;
    const auto game = [&program] { return program.menu().gameWindow(); };
    const auto pass = [&] {
        program.road().handle([&] {
            if (!setUp) setUpPhase25(game()->form());
            setUp = true;
            keepPhase25Full(game()->form(), bombsLaid);
        });
    };
    const auto report = [&](const CpuShare& share) {
        printRow({"CPU, phase 25: 15 worms, 5 bombs, exit beacon",
                  fixed(share.percentOfOneCore(), 2) + " % of a core over " +
                      fixed(share.wallSeconds(), 1) + " s",
                  "< 3 %", share.percentOfOneCore() < 3.0, conditions + ", process clock"});
        const double peak = peakResidentMegabytes(0);
        printRow({"peak resident memory, phase 25", fixed(peak, 1) + " MB (VmHWM)", "< 80 MB",
                  peak < 80.0, conditions + ", menu music decoded before"});
    };
    program.menu().setDificultad(2);
    return measureWindow(
        program, seconds, kSettleNanos, [&] { program.menu().Command1(1)->click(); },
        [&] { return game() != nullptr && game()->form().cargada(); }, pass, report);
}

// The introduction dialog, opened with "Introducción", playing its recording.
int introRun(Program& program, double seconds, const std::string& conditions) {
    const auto report = [&](const CpuShare& share) {
        const bool playing = program.menu().textDialog()->MediaPlayer1().playing();
        const double peak = peakResidentMegabytes(0);
        printRow({"peak resident memory, introduction open", fixed(peak, 1) + " MB (VmHWM)",
                  "< 80 MB", peak < 80.0 && playing,
                  conditions + ", after " + fixed(share.wallSeconds(), 0) + " s of it, " +
                      (playing ? "playing" : "NOT playing")});
    };
    return measureWindow(
        program, seconds, 0, [&] { program.menu().Command1(0)->click(); },
        [&] { return program.menu().textDialog() != nullptr; }, nullptr, report);
}

// The same start as app/main.cpp, then the menu; headless unless told otherwise (the script may
// run it under Xvfb with xcb).
int inside(int argc, char** argv, bool game, double seconds) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    GameApplication app(argc, argv);
    installSpanishTranslator(app);
    installAccessibility();
    SdlAudioOutput audio;
    if (!audio.opened()) {
        std::fprintf(stderr, "bench_program: no audio device opened\n");
        return 1;
    }
    Program program(audio, audio, qtProgramFolder());
    program.start();
    const char* driver = SDL_GetCurrentAudioDriver();
    const std::string conditions = "Qt " + QGuiApplication::platformName().toStdString() +
                                   ", SDL " + (driver != nullptr ? driver : "no") +
                                   " driver, in process";
    return game ? gameRun(program, seconds, conditions) : introRun(program, seconds, conditions);
}

}  // namespace
}  // namespace gus::bench

// Run by scripts/bench-program.sh: start|menu PROGRAM RUNS|SECONDS, or game|intro SECONDS.
int main(int argc, char** argv) {
    using namespace gus::bench;
    const std::string mode = argc > 1 ? argv[1] : "";
    const bool outside = mode == "start" || mode == "menu";
    const double n = argc > (outside ? 3 : 2) ? std::atof(argv[outside ? 3 : 2]) : 0.0;
    if (n <= 0.0 || (!outside && mode != "game" && mode != "intro")) {
        std::fprintf(stderr, "usage: bench_program start|menu PROGRAM N, or game|intro SECONDS\n");
        return 2;
    }
    if (mode == "start") return measureStarts(argv[2], static_cast<int>(n));
    if (mode == "menu") return measureMenu(argv[2], n);
    return inside(argc, argv, mode == "game", n);
}
