// Timers over pushed-in time (order, intervals, handlers, suspension, arrays), and the event road
// that brings them to the present before each input and hands the mixer each event whole.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/audio_output.h"
#include "platform/event_road.h"
#include "platform/scheduler.h"
#include "platform/timer.h"

namespace gus {
namespace {

// Timers that write their letter and the time at each tick, enabled unless told otherwise.
class Sched : public ::testing::Test {
  protected:
    Scheduler s;
    std::string log;
    std::deque<Timer> timers;
    void tick(char name) { log += name + std::to_string(s.now()) + " "; }
    Timer& make(char name, int interval, bool on = true) {
        Timer& t = timers.emplace_back(s, interval, [this, name] { tick(name); });
        t.setEnabled(on);
        return t;
    }
};

TEST_F(Sched, TicksEveryIntervalFromEnablingInDueOrderAndTiesInArmingOrder) {
    Timer& slow = make('s', 300, false);  // made first, armed last
    make('f', 200);
    make('t', 300);
    slow.setEnabled(true);
    s.advanceTo(599);
    EXPECT_EQ(log, "f200 t300 s300 f400 ");
    s.advanceTo(600);  // t and s were re-armed at 300 in that order, f at 400
    EXPECT_EQ(log, "f200 t300 s300 f400 t600 s600 f600 ");
    EXPECT_EQ(s.now(), 600);
}

// Handlers act at their own tick: disabling an overdue timer holds its tick, enabling one (also
// itself) arms it from there. Enabling restarts a disabled timer's interval, not a running one's.
TEST_F(Sched, HandlersChangingTimersActAtTheirTickAndReenablingRestartsTheInterval) {
    Timer &a = make('a', 1000), &victim = make('v', 500), &second = make('b', 1500, false);
    Timer killer(s, 400, [&] { victim.setEnabled(false), second.setEnabled(true); });
    Timer self(s, 2000, [&] { tick('r'), self.setEnabled(false), self.setEnabled(true); });
    killer.setEnabled(true);
    self.setEnabled(true);
    s.advanceTo(700);
    a.setEnabled(false);
    a.setEnabled(true);
    s.advanceTo(2000);
    a.setEnabled(true);
    s.advanceTo(5000);
    EXPECT_EQ(log, "a1700 b1900 r2000 a2700 b3400 a3700 r4000 a4700 b4900 ");
}

// The clock never moves back; the next due time leaves out timers that cannot fire.
TEST_F(Sched, NewIntervalCountsFromTheNextTickOrFromNowForATimerThatCouldNotFire) {
    Timer &running = make('r', 1000), &idle = make('i', 0);  // an interval of 0 never fires
    EXPECT_EQ(s.nextDue(), 1000);
    s.advanceTo(500);
    Timer& late = make('l', 0);  // due at once: now
    running.setInterval(300);
    idle.setInterval(700);
    late.setInterval(100);
    EXPECT_EQ(running.interval(), 300);
    s.advanceTo(1300);
    s.advanceTo(400);
    EXPECT_EQ(log, "l600 l700 l800 l900 r1000 l1000 l1100 i1200 l1200 r1300 l1300 ");
    EXPECT_EQ(std::pair(s.now(), s.nextDue()),
              std::pair(Millis{1300}, std::optional<Millis>{1400}));
}

TEST_F(Sched, SuspendedTimersKeepTheTimeTheyHadLeftAndAHandlerThatSuspendsHoldsTheRest) {
    make('a', 1000);
    std::string modal;  // what a window system is told: a modal loop starts or ends
    s.setOnSuspendChange([&](bool on) { modal += on ? '+' : '-'; });
    s.advanceTo(600);
    s.suspend();
    s.suspend();         // a box over a box
    s.advanceTo(10000);  // time pushed in while a box is open does not count
    EXPECT_EQ(s.now(), 600);
    for (int i = 0; i < 3; ++i) s.resume();  // an extra resume does not undo a later suspend
    s.suspend();
    EXPECT_TRUE(s.suspended());
    s.resume();
    Timer box(s, 700, [&] { log += "box ", s.suspend(); });  // a box open past its own event
    box.setEnabled(true);
    make('o', 700);
    s.advanceTo(1500);
    EXPECT_EQ(log, "a1000 box ");
    EXPECT_EQ(s.now(), 1300) << "game time stands still from the moment the box opened";
    box.setEnabled(false);
    s.resume();
    s.advanceTo(1300);
    EXPECT_EQ(log, "a1000 box o1300 ");
    EXPECT_EQ(modal, "+-+-+-");
}

// Elements of an array start disabled with element 0's interval; once killed, none fires again.
// Live timers are counted until destroyed, killed ones too.
TEST_F(Sched, TimerArrayElementsCopyElementZeroKilledOnesNeverFireAndLiveOnesAreCounted) {
    {
        const Timer gone(s, 100, [] {});
    }
    std::vector<int> fired;
    TimerArray live(s, 1000, [&](int i) { fired.push_back(i); });
    TimerArray dead(s, 100, [&](int i) { fired.push_back(10 + i); });
    live[0].setInterval(700);
    live.createUpTo(2);
    EXPECT_EQ(live[2].interval(), 700);
    EXPECT_FALSE(live[1].enabled() || live[2].enabled());
    live[2].setEnabled(true);
    dead[0].setEnabled(true);
    dead.killAll();
    dead[0].setEnabled(true);
    dead[0].setInterval(50);
    dead.createUpTo(1);
    dead[1].setEnabled(true);
    s.advanceTo(1400);
    EXPECT_EQ(fired, (std::vector<int>{2, 2}));
    EXPECT_EQ(std::pair(dead[0].interval(), s.liveTimerCount()), std::pair(100, std::size_t{5}));
    live[2].setEnabled(false);
    EXPECT_EQ(s.nextDue(), std::nullopt);
}

// Each commit as one batch: the voices started since the last one, in order.
struct BatchAudio : AudioOutput {
    Voice createVoice(const std::string&) override { return 0; }
    void destroyVoice(Voice) override {}
    void load(Voice, const std::string&) override {}
    void play(Voice v, bool) override { pending += std::to_string(v); }
    void stop(Voice) override {}
    void setGains(Voice, int, int) override {}
    bool playing(Voice) const override { return false; }
    void commit() override {
        if (!pending.empty()) batches.push_back(std::exchange(pending, ""));
    }
    std::string pending;
    std::vector<std::string> batches;
};

class Road : public ::testing::Test {
  protected:
    Scheduler timers;
    BatchAudio audio;
    EventRoad road{timers, audio};
    std::string ends;  // V: views refreshed, A: the announcer spoke
    EventRoad::Listener views = road.listen(EventRoad::Stage::Views, [this] { ends += 'V'; });
    EventRoad::Listener speaks = road.listen(EventRoad::Stage::Announcer, [this] { ends += 'A'; });
};

TEST_F(Road, ABoxInTheMiddleOfAnEventHearsWhatCameBeforeItInOneBatch) {
    road.handle([&] {
        audio.play(1, false);
        audio.play(2, false);
        road.modal([&] {
            EXPECT_EQ(audio.batches, std::vector<std::string>{"12"});
            EXPECT_EQ(ends, "VA");
            road.handle([&] { audio.play(3, false); });  // an event of the box's own loop
        });
        audio.play(4, false);
        road.handle([&] { audio.play(5, false); });  // a handler the event calls: the same event
    });
    EXPECT_EQ(audio.batches, (std::vector<std::string>{"12", "3", "45"}));
    EXPECT_EQ(ends, "VAVAVA");
}

TEST_F(Road, TicksDueBeforeAnInputAreEventsOfTheirOwnAndComeFirst) {
    Timer tick(timers, 100, [&] { audio.play(7, false); });
    tick.setEnabled(true);
    Millis present = 250;
    road.setPresent([&] { return present; });
    road.handle([&] {
        present = 350;  // time goes on while an event runs: a handler it calls catches no tick up
        road.handle([&] { audio.play(8, false); });
    });
    EXPECT_EQ(audio.batches, (std::vector<std::string>{"7", "7", "8"}));
    EXPECT_EQ(timers.now(), 250);
    speaks.reset();
    present = 250;
    road.handle([] {});
    EXPECT_EQ(ends, "VAVAVAV");
}

}  // namespace
}  // namespace gus
