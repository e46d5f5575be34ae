// Timers over pushed-in time: order, disabling inside handlers, suspension.
#include <gtest/gtest.h>

#include <string>

#include "platform/scheduler.h"
#include "platform/timer.h"

namespace gus {
namespace {

TEST(Scheduler, FirstTickComesOneIntervalAfterEnabling) {
    Scheduler s;
    int ticks = 0;
    Timer t(s, 1000, [&] { ++ticks; });
    t.setEnabled(true);
    s.advanceTo(999);
    EXPECT_EQ(ticks, 0);
    s.advanceTo(1000);
    EXPECT_EQ(ticks, 1);
    s.advanceTo(3500);
    EXPECT_EQ(ticks, 3);
}

TEST(Scheduler, TicksFireInDueOrderAndTiesInArmingOrder) {
    Scheduler s;
    std::string order;
    Timer slow(s, 300, [&] { order += 's'; });
    Timer fast(s, 200, [&] { order += 'f'; });
    slow.setEnabled(true);
    fast.setEnabled(true);
    s.advanceTo(600);
    // f@200, s@300, f@400, then s@600 and f@600: s was re-armed at 300, f at 400.
    EXPECT_EQ(order, "fsfsf");
}

TEST(Scheduler, TimerDisabledInsideAnotherHandlerDoesNotFireEvenIfOverdue) {
    Scheduler s;
    int victimTicks = 0;
    Timer victim(s, 500, [&] { ++victimTicks; });
    Timer killer(s, 400, [&] { victim.setEnabled(false); });
    victim.setEnabled(true);
    killer.setEnabled(true);
    s.advanceTo(5000);
    EXPECT_EQ(victimTicks, 0);
}

TEST(Scheduler, TimerEnabledInsideHandlerCountsFromThatTick) {
    Scheduler s;
    std::vector<Millis> when;
    Timer second(s, 800, [&] { when.push_back(s.now()); });
    Timer first(s, 1000, [&] { second.setEnabled(true); });
    first.setEnabled(true);
    s.advanceTo(1900);
    ASSERT_EQ(when.size(), 1u);
    EXPECT_EQ(when[0], 1800);
}

TEST(Scheduler, SuspendedTimersKeepTheTimeTheyHadLeft) {
    Scheduler s;
    int ticks = 0;
    Timer t(s, 1000, [&] { ++ticks; });
    t.setEnabled(true);
    s.advanceTo(600);
    s.suspend();
    s.advanceTo(10000);  // time pushed in while a box is open does not count
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(s.now(), 600);
    s.resume();
    s.advanceTo(999);
    EXPECT_EQ(ticks, 0);
    s.advanceTo(1000);
    EXPECT_EQ(ticks, 1);
}

TEST(Scheduler, HandlerThatSuspendsHoldsBackLaterTicksUntilResumed) {
    Scheduler s;
    std::string order;
    Timer other(s, 100, [&] { order += 'o'; });
    Timer box(s, 100, [&] {
        order += 'b';
        SuspendGuard hold(s);
        s.advanceTo(s.now() + 5000);  // a nested event loop while the box is open
        order += 'B';
    });
    box.setEnabled(true);
    other.setEnabled(true);
    s.advanceTo(100);
    EXPECT_EQ(order, "bBo");
}

TEST(Scheduler, ReenablingRestartsTheInterval) {
    Scheduler s;
    int ticks = 0;
    Timer t(s, 1000, [&] { ++ticks; });
    t.setEnabled(true);
    s.advanceTo(700);
    t.setEnabled(false);
    t.setEnabled(true);
    s.advanceTo(1500);
    EXPECT_EQ(ticks, 0);
    s.advanceTo(1700);
    EXPECT_EQ(ticks, 1);
}

TEST(TimerArray, NewElementsTakeTheIntervalOfElementZeroAndStartDisabled) {
    Scheduler s;
    std::vector<int> fired;
    TimerArray a(s, 1000, [&](int i) { fired.push_back(i); });
    a.createUpTo(2);
    EXPECT_EQ(a.count(), 3);
    EXPECT_EQ(a[2].interval(), 1000);
    EXPECT_FALSE(a[2].enabled());
    a[2].setEnabled(true);
    s.advanceTo(1000);
    EXPECT_EQ(fired, std::vector<int>{2});
}

TEST(TimerArray, KilledTimersNeverFireAgain) {
    Scheduler s;
    int ticks = 0;
    TimerArray a(s, 100, [&](int) { ++ticks; });
    a[0].setEnabled(true);
    a.killAll();
    a[0].setEnabled(true);
    a.createUpTo(1);
    a[1].setEnabled(true);
    s.advanceTo(1000);
    EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace gus
