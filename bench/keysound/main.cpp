// Key to the first sample at the sink: plays a busy game by X keys and times each step's sound.
// Usage: bench_keysound SOURCE SECONDS. SOURCE is the monitor of the sink that carries the game's
// stream alone; the game window must have the keyboard.
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <thread>
#include <vector>

#include "bench/server/monitor_recorder.h"

namespace {

using gus::bench::MonitorRecorder;
using Clock = std::chrono::steady_clock;

std::int64_t steadyNanos() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(Clock::now().time_since_epoch())
        .count();
}

// A key counts only if the game's stream was silent from this long before it until its sound.
constexpr std::int64_t kQuietBeforeKey = 20'000'000;
// A step's sound later than this is taken as missing (a box open, the player dead).
constexpr std::int64_t kLongestWait = 400'000'000;

struct Keys {
    Display* x;
    Window game = None;
    KeyCode code(KeySym s) const { return XKeysymToKeycode(x, s); }
    Window focus() const {
        Window w = None;
        int revert = 0;
        XGetInputFocus(x, &w, &revert);
        return w;
    }
    // Press and release, the modifier held around it; returns when the press was sent.
    std::int64_t press(KeySym s, KeySym modifier = NoSymbol) const {
        if (modifier != NoSymbol) XTestFakeKeyEvent(x, code(modifier), True, CurrentTime);
        const std::int64_t at = steadyNanos();
        XTestFakeKeyEvent(x, code(s), True, CurrentTime);
        XFlush(x);
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        XTestFakeKeyEvent(x, code(s), False, CurrentTime);
        if (modifier != NoSymbol) XTestFakeKeyEvent(x, code(modifier), False, CurrentTime);
        XFlush(x);
        return at;
    }
    // A box over the game (a phase, the game over) has the keyboard: Enter answers it with its
    // default button (Aceptar, or Yes to another game), so the game goes on.
    bool answerBox() const {
        if (focus() == game) return false;
        press(XK_Return);
        std::this_thread::sleep_for(std::chrono::milliseconds(600));
        return true;
    }
};

// A player's busy minutes: walking most, the radar, questions, bombs, Enter for the boxes. Only
// the steps are timed, those that sound: a wall beside the player, or the beep of a step into
// one; a step into the open is silent and left out.
std::vector<std::int64_t> play(Keys& keys, int seconds) {
    const KeySym arrows[] = {XK_Up, XK_Right, XK_Down, XK_Left};
    const KeySym questions[] = {XK_v, XK_z, XK_a};
    std::mt19937 pick(1);
    std::uniform_int_distribution<int> percent(0, 99), gapMs(150, 450), four(0, 3), three(0, 2);
    std::vector<std::int64_t> steps;
    keys.game = keys.focus();
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < end) {
        if (keys.answerBox()) continue;
        const int p = percent(pick);
        if (p < 60) {
            steps.push_back(keys.press(arrows[four(pick)]));
        } else if (p < 75) {
            keys.press(arrows[four(pick)], XK_Control_L);
        } else if (p < 92) {
            keys.press(questions[three(pick)]);
        } else {
            keys.press(XK_space);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(gapMs(pick)));
    }
    return steps;
}

double at(const std::vector<double>& sorted, double q) {
    return sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_keysound SOURCE SECONDS\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    MonitorRecorder recorder(argv[1]);
    if (!recorder.opened()) {
        std::fprintf(stderr, "cannot record %s\n", argv[1]);
        return 1;
    }
    recorder.logOnsets(true);
    Keys keys{display};
    const std::vector<std::int64_t> steps = play(keys, std::atoi(argv[2]));
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    recorder.logOnsets(false);
    const std::vector<MonitorRecorder::Onset> onsets = recorder.onsets();
    std::vector<double> ms;
    std::size_t busy = 0, silent = 0;
    for (const std::int64_t key : steps) {
        const auto next =
            std::find_if(onsets.begin(), onsets.end(), [key](const auto& o) { return o.at > key; });
        if (next == onsets.end() || next->at - key > kLongestWait) {
            ++silent;
        } else if (next->at - next->quietBefore > key - kQuietBeforeKey) {
            ++busy;  // another sound was playing: its end cannot be told from the step's start
        } else {
            ms.push_back(static_cast<double>(next->at - key) / 1e6);
        }
    }
    XCloseDisplay(display);
    std::sort(ms.begin(), ms.end());
    std::printf("steps %zu timed %zu skipped-sounding %zu no-sound %zu\n", steps.size(), ms.size(),
                busy, silent);
    if (ms.empty()) return 1;
    std::printf("RESULT median %.1f p99 %.1f max %.1f n %zu\n", at(ms, 0.5), at(ms, 0.99),
                ms.back(), ms.size());
    return 0;
}
