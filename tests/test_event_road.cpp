// The event road: what one event hands the mixer, and when, also around a box opened inside it.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/audio_output.h"
#include "platform/event_road.h"
#include "platform/timer.h"

namespace gus {
namespace {

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
