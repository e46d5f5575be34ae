// Timers over pushed-in time: order, intervals, disabling inside handlers, suspension.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "platform/scheduler.h"
#include "platform/timer.h"

namespace gus {
namespace {

// A timer that writes its letter and the time at each tick.
struct Ticks {
    Scheduler s;
    std::string log;
    Timer make(char name, int interval) {
        return Timer(s, interval, [this, name] { log += name + std::to_string(s.now()) + " "; });
    }
};

TEST(Scheduler, TicksEveryIntervalFromEnablingInDueOrderAndTiesInArmingOrder) {
    Ticks t;
    Timer slow = t.make('s', 300), fast = t.make('f', 200);
    slow.setEnabled(true);
    fast.setEnabled(true);
    t.s.advanceTo(599);
    EXPECT_EQ(t.log, "f200 s300 f400 ");
    t.s.advanceTo(600);  // s was re-armed at 300, f at 400
    EXPECT_EQ(t.log, "f200 s300 f400 s600 f600 ");
    EXPECT_EQ(t.s.now(), 600);
}

TEST(Scheduler, ReenablingRestartsTheIntervalAndDisablingInsideAnotherHandlerHoldsAnOverdueTick) {
    Ticks t;
    Timer a = t.make('a', 1000), victim = t.make('v', 500);
    Timer killer(t.s, 400, [&] { victim.setEnabled(false); });
    a.setEnabled(true);
    victim.setEnabled(true);
    killer.setEnabled(true);
    t.s.advanceTo(700);
    a.setEnabled(false);
    a.setEnabled(true);
    t.s.advanceTo(5000);
    EXPECT_EQ(t.log, "a1700 a2700 a3700 a4700 ");
}

TEST(Scheduler, TimerEnabledInsideAHandlerCountsFromThatTick) {
    Ticks t;
    Timer second = t.make('b', 800);
    Timer first(t.s, 1000, [&] { second.setEnabled(true); });
    first.setEnabled(true);
    t.s.advanceTo(1900);
    EXPECT_EQ(t.log, "b1800 ");
}

TEST(Scheduler, NewIntervalCountsFromTheNextTickOrFromNowForATimerThatCouldNotFire) {
    Ticks t;
    Timer running = t.make('r', 1000), idle = t.make('i', 0), late = t.make('l', 0);
    running.setEnabled(true);
    idle.setEnabled(true);  // an interval of 0 never fires
    t.s.advanceTo(500);
    late.setEnabled(true);  // due at once: now
    running.setInterval(300);
    idle.setInterval(700);
    late.setInterval(100);
    EXPECT_EQ(running.interval(), 300);
    t.s.advanceTo(1300);
    EXPECT_EQ(t.log, "l600 l700 l800 l900 r1000 l1000 l1100 i1200 l1200 r1300 l1300 ");
}

TEST(Scheduler, ClockNeverMovesBackAndNextDueFollowsIt) {
    Ticks t;
    Timer a = t.make('a', 1000);
    t.s.advanceTo(1000);
    t.s.advanceTo(400);
    EXPECT_EQ(t.s.now(), 1000);
    EXPECT_EQ(t.s.nextDue(), std::nullopt);
    a.setEnabled(true);
    EXPECT_EQ(t.s.nextDue(), 2000);
}

TEST(Scheduler, SuspendedTimersKeepTheTimeTheyHadLeftAndAHandlerThatSuspendsHoldsTheRest) {
    Ticks t;
    Timer a = t.make('a', 1000), other = t.make('o', 700);
    Timer box(t.s, 700, [&] {  // opens a box that stays open past its own event
        t.log += "box ";
        t.s.suspend();
    });
    std::string modal;  // what a window system is told: a modal loop starts or ends
    t.s.setOnSuspendChange([&](bool on) { modal += on ? '+' : '-'; });
    a.setEnabled(true);
    t.s.advanceTo(600);
    t.s.suspend();
    t.s.suspend();         // a box over a box
    t.s.advanceTo(10000);  // time pushed in while a box is open does not count
    EXPECT_EQ(t.s.now(), 600);
    t.s.resume();
    t.s.resume();
    t.s.resume();  // an extra resume does not undo a later suspend
    t.s.suspend();
    EXPECT_TRUE(t.s.suspended());
    t.s.resume();
    box.setEnabled(true);
    other.setEnabled(true);
    t.s.advanceTo(1500);
    EXPECT_EQ(t.log, "a1000 box ");
    EXPECT_EQ(t.s.now(), 1300) << "game time stands still from the moment the box opened";
    box.setEnabled(false);
    t.s.resume();
    t.s.advanceTo(1300);
    EXPECT_EQ(t.log, "a1000 box o1300 ");
    EXPECT_EQ(modal, "+-+-+-");
}

TEST(Scheduler, LiveTimersAreCountedUntilDestroyed) {
    Scheduler s;
    std::optional<Timer> a, b;
    a.emplace(s, 100, [] {});
    b.emplace(s, 100, [] {});
    EXPECT_EQ(s.liveTimerCount(), 2u);
    a.reset();
    EXPECT_EQ(s.liveTimerCount(), 1u);
    TimerArray arr(s, 100, [](int) {});
    arr.createUpTo(2);
    EXPECT_EQ(s.liveTimerCount(), 4u);
    b.reset();
    EXPECT_EQ(s.liveTimerCount(), 3u);
}

TEST(TimerArray, NewElementsTakeTheIntervalOfElementZeroAndStartDisabled) {
    Scheduler s;
    std::vector<int> fired;
    TimerArray a(s, 1000, [&](int i) { fired.push_back(i); });
    a[0].setInterval(700);
    a.createUpTo(2);
    EXPECT_EQ(a.count(), 3);
    EXPECT_EQ(a[2].interval(), 700);
    EXPECT_FALSE(a[1].enabled() || a[2].enabled());
    a[2].setEnabled(true);
    s.advanceTo(1400);
    EXPECT_EQ(fired, (std::vector<int>{2, 2}));
}

TEST(TimerArray, KilledTimersNeverFireAgainNorDoThoseMadeAfter) {
    Scheduler s;
    int ticks = 0;
    TimerArray a(s, 100, [&](int) { ++ticks; });
    a[0].setEnabled(true);
    a.killAll();
    a[0].setEnabled(true);
    a[0].setInterval(50);
    a.createUpTo(1);
    a[1].setEnabled(true);
    s.advanceTo(1000);
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(a[0].interval(), 100);
    EXPECT_EQ(s.nextDue(), std::nullopt);
}

}  // namespace
}  // namespace gus
