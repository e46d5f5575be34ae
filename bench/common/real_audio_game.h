// The game window on the real audio output, wired as the program wires it minus the screen, and
// the player walking the bottom street, where every step sounds a wall.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "bench/common/measure.h"
#include "game/game_session.h"
#include "platform/event_road.h"
#include "platform/sdl/sdl_audio_output.h"
#include "platform/sim/sim_platform.h"
#include "platform/speech.h"

namespace gus::bench {

// Every call forwarded to the real output, remembering each voice's name. When asked it times
// each call, and tells apart calls the kernel preempted (another thread took the core: they ran
// longer than they cost) from calls that gave the core up themselves (they waited).
class TimedOutput : public AudioOutput, public Beeper {
  public:
    explicit TimedOutput(SdlAudioOutput& out) : out_(out) {}

    Voice createVoice(const std::string& name) override {
        Voice v{};
        timed("createVoice", [&] { v = voices_[name] = out_.createVoice(name); });
        return v;
    }
    void destroyVoice(Voice v) override {
        timed("destroyVoice", [&] { out_.destroyVoice(v); });
    }
    void load(Voice v, const std::string& path) override {
        timed("load", [&] { out_.load(v, path); });
    }
    void play(Voice v, bool loop) override {
        timed("play", [&] { out_.play(v, loop); });
    }
    void stop(Voice v) override {
        timed("stop", [&] { out_.stop(v); });
    }
    void setGains(Voice v, int balance, int volume) override {
        timed("setGains", [&] { out_.setGains(v, balance, volume); });
    }
    bool playing(Voice v) const override {
        bool is = false;
        timed("playing", [&] { is = out_.playing(v); });
        return is;
    }
    void commit() override {
        timed("commit", [&] { out_.commit(); });
    }
    void beep() override {
        timed("beep", [&] { out_.beep(); });
    }

    Voice voiceNamed(const std::string& name) const { return voices_.at(name); }

    struct Times {
        std::vector<double> micros;
        double longestOwnMicros = 0.0;  // the longest call that kept its core throughout
        std::string longestOwnCall;
        std::size_t preempted = 0;
        std::size_t waited = 0;
    };
    bool timing = false;
    const Times& times() const { return times_; }

  private:
    void timed(const char* name, const std::function<void()>& call) const;

    SdlAudioOutput& out_;
    std::map<std::string, Voice> voices_;
    mutable Times times_;
};

// Voices whose next start is awaited: arm() notes their start stamps and the time just before a
// sound is asked for; await() gives the milliseconds to the callback carrying the first frame of
// whichever starts first, or nothing after a second.
struct StartWatch {
    std::vector<AudioOutput::Voice> voices;
    std::vector<std::int64_t> before;
    std::int64_t askedAt = 0;
    void arm(const SdlAudioOutput& out);
    std::optional<double> await(const SdlAudioOutput& out) const;
};

// Game time stands still (no timer fires), so only the benchmark's keys change the board and no
// worm can reach the player half way through a walk. Everything but the sound is simulated.
class RealAudioGame : public GameWindowHost {
  public:
    static constexpr int kWorms = 15;
    static constexpr int kBufferFrames = 256;

    RealAudioGame();
    ~RealAudioGame() override;

    // False without an audio device or without the game's sounds beside this program.
    bool ready() const;

    struct Walk {
        std::vector<double> keyToSoundMs;  // the key entering the game to the step's first frame
        std::vector<double> keyMicros;     // the key's event and its commit
        std::size_t lost = 0;              // steps never heard within a second
    };
    // Each key comes at a random moment of the callback cycle, after a worm's step, so the mixer
    // is busy as in play; each waits until its step is heard.
    Walk walk(std::size_t keys);

    SdlAudioOutput& output() { return out_; }
    TimedOutput& timed() { return timed_; }

    LabelView* labelView(LabelId) override { return nullptr; }
    void drawMarks() override {}
    void focusKeyReceiver() override {}
    void closeWindow() override {}
    void showWindow(WindowId) override {}

  private:
    // Nobody listens: the status is handed over and dropped.
    struct Mute : ScreenReader {
        void say(const std::string&) override {}
    };
    void step(Entero key, Walk& w);

    SimPlatform p_;
    SdlAudioOutput out_;
    TimedOutput timed_{out_};
    EventRoad road_{p_.scheduler, timed_};  // no time passes: the virtual clock stands still
    Mute mute_;
    Speech speech_{road_, mute_};
    GameSession game_;  // last: its channels give their voices back before the output goes
    Form1& form_ = game_.form();
    Entero lastKey_ = tecla::Derecha;
};

}  // namespace gus::bench
