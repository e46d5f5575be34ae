// A dying worm heard where it died, free slots' channels, and every sound of the game ending.
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

TEST_F(WormSound, FreeSlotChannelsArePlacedFromNowhereAndStaySilent) {
    for (int i = 0; i < 3; ++i) putWorm(i, 4 + 4 * (i % 2), 4 + 4 * (i > 0), 1);
    freeWormSlot(1);
    freeWormSlot(2);
    putPlayer(12, 12);
    key(kSinOrden);
    for (int slot : {1, 2}) {
        const Channel& c = k().WMPMonstruo[slot];
        EXPECT_EQ(std::make_tuple(c.balance(), c.volume(), c.playing()),
                  std::make_tuple(-6500, -5515, false));
    }
    // 300 x sqrt(128) away.
    EXPECT_EQ(Cell(k().WMPMonstruo[0].balance(), k().WMPMonstruo[0].volume()), Cell(-4000, -3394));
    EXPECT_TRUE(sounds().empty());
}

// Only the menu's music loops: every sound of the game plays once and ends.
TEST_F(WormSound, EverySoundOfTheGameEnds) {
    putWorm(0, 0, 8, 3);
    key(tecla::Izquierda);  // the walls' step
    layAt(0, 12);           // ticks, explosion, a worm's step and death, the flame on the player
    putWorm(1, 5, 12, 4);   // a worm that steps onto the player
    s.wait(4000);
    f().Tablero(7, 13) = CeldaSalida;
    k().WMPSalida.setFileName(f().RutaSonidos + Sonido::Salida);
    k().TMRSalida.setEnabled(true);
    putPlayer(7, 12);
    s.wait(1500);      // the beacon
    f().PasaDeFase();  // the door
    s.p.endOfEvent();
    ASSERT_GE(sounds().size(), 10u);
    EXPECT_TRUE(k().WMPAux.playing());
    k().TMRColocaMon.setEnabled(false);
    s.wait(60000);
    for (const Channel* c : channels()) EXPECT_FALSE(c->playing()) << c->name();
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
