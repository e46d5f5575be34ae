// The Qt driver of the game's timers, over a clock the test moves by hand.
#include <gtest/gtest.h>

#include "platform/qt/scheduler_driver.h"
#include "platform/timer.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

class SchedulerDriverTest : public ::testing::Test {
  protected:
    QApplication& app = testing::testApplication();  // before any Qt timer
    Millis real = 0;
    Scheduler timers;
    SchedulerDriver driver{timers, [this] { return real; }};
    int ticks = 0;
    Timer timer{timers, 1000, [this] { ++ticks; }};
};

TEST_F(SchedulerDriverTest, ArmsForTheNextDueTickOnly) {
    EXPECT_FALSE(driver.armed());
    timer.setEnabled(true);
    EXPECT_TRUE(driver.armed());
    EXPECT_EQ(driver.armedInterval(), 1000);
    real = 400;
    driver.sync();
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(driver.armedInterval(), 600);
    timer.setEnabled(false);
    EXPECT_FALSE(driver.armed());
}

TEST_F(SchedulerDriverTest, TheTimeoutFiresWhatIsDueAndArmsForTheNext) {
    timer.setEnabled(true);
    real = 1000;
    driver.onTimeout();
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(driver.armedInterval(), 1000);
}

TEST_F(SchedulerDriverTest, ALateTimeoutCatchesUpEveryTickInOrder) {
    timer.setEnabled(true);
    real = 3500;
    driver.onTimeout();
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(driver.armedInterval(), 500);
}

TEST_F(SchedulerDriverTest, TimeSpentSuspendedDoesNotCount) {
    timer.setEnabled(true);
    real = 600;
    driver.sync();
    timers.suspend();
    EXPECT_FALSE(driver.armed());
    real = 10600;  // ten seconds with a message box open
    EXPECT_EQ(driver.gameNow(), 600);
    driver.onTimeout();
    EXPECT_EQ(ticks, 0);
    timers.resume();
    EXPECT_EQ(driver.gameNow(), 600);
    EXPECT_EQ(driver.armedInterval(), 400);
    real = 10999;
    driver.sync();
    EXPECT_EQ(ticks, 0);
    real = 11000;
    driver.sync();
    EXPECT_EQ(ticks, 1);
}

TEST_F(SchedulerDriverTest, ATimerEnabledAfterSyncCountsFromTheKey) {
    real = 5000;
    driver.sync();
    timer.setEnabled(true);
    real = 5999;
    driver.sync();
    EXPECT_EQ(ticks, 0);
    real = 6000;
    driver.sync();
    EXPECT_EQ(ticks, 1);
}

TEST_F(SchedulerDriverTest, RunsOnTheRealClockByDefault) {
    Scheduler own;
    SchedulerDriver realDriver(own);
    EXPECT_GE(realDriver.gameNow(), 0);
    EXPECT_LT(realDriver.gameNow(), 60000);
}

}  // namespace
}  // namespace gus
