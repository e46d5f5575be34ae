// A dying worm heard where it died, and channels without a file or closed.
#include "game_fixture.h"
#include "sound/sound_path.h"

namespace gus::testing {
namespace {

using WormSound = EmptyBoard;
using Placed = std::tuple<std::string, int, int>;  // file, balance, volume

// A kill by the fuse, and one by Shift inside a key whose tail re-places every worm channel: the
// dying worm's sound stays where it died, 50 x sqrt(148) away.
TEST_F(WormSound, FlameKillIsHeardFromTheWormsCellAndStaysThere) {
    for (const bool byShift : {false, true}) {
        clearWorms();
        putWorm(0, 0, 10, 1);
        putWorm(1, 12, 0, 3);  // another worm, so the phase goes on
        for (int slot : {0, 1}) k().TMRMonstruo[slot].setEnabled(false);
        layAt(0, 12);
        putPlayer(12, 12);
        const std::size_t m = mark();
        byShift ? shift() : s.wait(4000);  // or the fuse runs out
        const auto e = sounds("WMPMonstruo(0)", m);
        ASSERT_EQ(e.size(), 1u);
        const Channel& c = k().WMPMonstruo[0];
        EXPECT_EQ(std::make_tuple(Placed(e[0].file, e[0].balance, e[0].volume), beeps(m),
                                  c.playing(), c.balance(), c.volume()),
                  std::make_tuple(Placed(Sonido::MuereMonstruo, -6000, -608), 1, true, -6000, -608))
            << byShift;
    }
}

TEST(Channel, WithoutAFileOrOnceClosedItStaysSilentAndKeepsItsSettings) {
    SimPlatform p;
    const std::string tick = soundFolder(p.folder) + Sonido::Mecha;
    Channel idle(p.audio, "idle", {true, 1, -600, 0});
    idle.play();
    ChannelArray bombs(p.audio, "bomb", {true, 1, -600, 0});
    bombs[0].setFileName(tick);
    ASSERT_TRUE(bombs[0].playing());
    bombs.killAll();
    bombs.createUpTo(1);
    for (Channel* c : {&bombs[0], &bombs[1]}) {
        c->setBalance(100);
        c->setVolume(-100);
        c->setFileName(tick);
        c->play();
        EXPECT_EQ(std::make_tuple(c->balance(), c->volume(), c->fileName()),
                  std::make_tuple(0, -600, std::string(c == &bombs[0] ? tick : "")));
    }
    p.endOfEvent();
    EXPECT_EQ(p.log.events().size(), 1u) << "only the bomb's first tick";
    EXPECT_FALSE(idle.playing() || bombs[0].playing() || bombs[1].playing());
}

}  // namespace
}  // namespace gus::testing
