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

// The keys timed: the steps that sound (a wall beside the player, or the beep of a step into
// one; a step into the open is silent and left out, but a later sound may pass for its own), and
// Shift, which always sounds at once: the beep with no bomb down, else the oldest bomb going off.
struct Timed {
    std::vector<std::int64_t> steps, shifts;
};

// A player's busy minutes: walking most, the radar, questions, bombs, Shift, Enter for the boxes.
Timed play(Keys& keys, int seconds) {
    const KeySym arrows[] = {XK_Up, XK_Right, XK_Down, XK_Left};
    const KeySym questions[] = {XK_v, XK_z, XK_a};
    std::mt19937 pick(1);
    std::uniform_int_distribution<int> percent(0, 99), gapMs(150, 450), four(0, 3), three(0, 2);
    Timed timed;
    keys.game = keys.focus();
    const auto end = Clock::now() + std::chrono::seconds(seconds);
    while (Clock::now() < end) {
        if (keys.answerBox()) continue;
        const int p = percent(pick);
        if (p < 45) {
            timed.steps.push_back(keys.press(arrows[four(pick)]));
        } else if (p < 60) {
            keys.press(arrows[four(pick)], XK_Control_L);
        } else if (p < 75) {
            keys.press(questions[three(pick)]);
        } else if (p < 80) {
            keys.press(XK_space);
        } else {
            timed.shifts.push_back(keys.press(XK_Shift_L));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(gapMs(pick)));
    }
    return timed;
}

double at(const std::vector<double>& sorted, double q) {
    return sorted[static_cast<std::size_t>(q * static_cast<double>(sorted.size() - 1))];
}

// Each key to the first sound after it; prints the counts and the figures of one kind of key.
bool report(const char* kind, const char* result, const std::vector<std::int64_t>& keys,
            const std::vector<MonitorRecorder::Onset>& onsets) {
    std::vector<double> ms;
    std::size_t busy = 0, silent = 0;
    for (const std::int64_t key : keys) {
        const auto next =
            std::find_if(onsets.begin(), onsets.end(), [key](const auto& o) { return o.at > key; });
        if (next == onsets.end() || next->at - key > kLongestWait) {
            ++silent;
        } else if (next->at - next->quietBefore > key - kQuietBeforeKey) {
            ++busy;  // another sound was playing: its end cannot be told from the key's start
        } else {
            ms.push_back(static_cast<double>(next->at - key) / 1e6);
        }
    }
    for (const double m : ms)
        if (m >= 100.0) std::fprintf(stderr, "held-%s %.1f ms\n", kind, m);
    std::sort(ms.begin(), ms.end());
    std::printf("%s %zu timed %zu skipped-sounding %zu no-sound %zu\n", kind, keys.size(),
                ms.size(), busy, silent);
    if (ms.empty()) return false;
    // A key whose sound came 100 ms or more after it was held, whatever held it.
    const auto held = std::count_if(ms.begin(), ms.end(), [](double m) { return m >= 100.0; });
    std::printf("%s median %.1f p99 %.1f max %.1f n %zu held100 %td\n", result, at(ms, 0.5),
                at(ms, 0.99), ms.back(), ms.size(), held);
    return true;
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
    const Timed timed = play(keys, std::atoi(argv[2]));
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    recorder.logOnsets(false);
    XCloseDisplay(display);
    const std::vector<MonitorRecorder::Onset> onsets = recorder.onsets();
    const bool steps = report("steps", "RESULT", timed.steps, onsets);
    const bool shifts = report("shifts", "RESULT-SHIFT", timed.shifts, onsets);
    return steps && shifts ? 0 : 1;
}
