// Where the worms are heard, placed from their cells; and every sound of the game coming to an end.
#include "game_fixture.h"
#include "sound/sound_path.h"

namespace gus::testing {
namespace {

using WormSound = EmptyBoard;

// No board position gives exactly half a unit: K x d is a whole number when d is, and d is
// otherwise irrational. Rounding is checked on both sides of one half (424.26, 670.82, 848.53).
TEST_F(WormSound, StepIsPlacedFromTheWormsNewCell) {
    // clang-format off
    const int cases[][7] = {  // player x, y; worm from x, y, heading (straight on); balance, volume
        {1, 4, 3, 0, 2, 1500, -1500}, {5, 4, 4, 6, 1, -500, -424}, {0, 2, 2, 0, 4, 500, -671},
        {0, 0, 0, 2, 1, 0, -300}, {0, 0, 0, 10, 3, 0, -3300}, {8, 12, 8, 1, 1, 0, -3600},
        {0, 12, 11, 12, 2, 6000, -3600}, {12, 12, 1, 0, 4, -6000, -5091}, {6, 12, 5, 12, 2, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c[2] << ", " << c[3] << " heading " << c[4]);
        clearWorms();
        putPlayer(c[0], c[1]);
        putWorm(0, c[2], c[3], c[4]);
        k().WMPMonstruo[0].setFileName(f().RutaSonidos +
                                       Sonido::MuereGusano);  // its last sound a death
        const std::size_t m = mark();
        f().MueveMonstruo(0);
        s.p.endOfEvent();
        const auto heard = since(m, SimEvent::Kind::Sound, "WMPMonstruo(0)");
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(std::tie(heard[0].file, heard[0].balance, heard[0].volume),
                  std::make_tuple(std::string(Sonido::PasoGusano), c[5], c[6]));
    }
}

TEST_F(WormSound, DeathCarriesFartherAndBeeps) {
    // clang-format off
    const int cases[][7] = {  // slot; player x, y; worm x, y; balance, volume
        {0, 7, 12, 5, 12, -1000, -100}, {0, 12, 12, 0, 0, -6000, -849}, {2, 1, 4, 4, 0, 1500, -250}, {1, 4, 4, 4, 4, 0, 0}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c[3] << ", " << c[4]);
        clearWorms();
        putPlayer(c[1], c[2]);
        putWorm(c[0], c[3], c[4], 1);
        const std::size_t m = mark();
        f().SuenaMuerteMonstruo(static_cast<Entero>(c[0]));
        s.p.endOfEvent();
        const auto e = since(m, SimEvent::Kind::Sound);
        ASSERT_EQ(heard(m), std::vector<std::string>{on("WMPMonstruo(" + std::to_string(c[0]) + ")",
                                                        Sonido::MuereGusano)});
        EXPECT_EQ(std::tie(e[0].balance, e[0].volume), std::make_tuple(c[5], c[6]));
        EXPECT_EQ(beeps(m), 1);
    }
}

// A kill by the fuse, and one by Shift inside a key whose tail re-places every worm channel: the
// dying worm's sound stays where it died, 50 x sqrt(148) away.
TEST_F(WormSound, FlameKillIsHeardFromTheWormsCellAndStaysThere) {
    for (const bool byShift : {false, true}) {
        SCOPED_TRACE(byShift);
        clearWorms();
        putWorm(0, 0, 10, 1);
        putWorm(1, 12, 0, 3);  // another worm, so the phase goes on
        for (int slot : {0, 1}) k().TMRMonstruo[slot].setEnabled(false);
        layAt(0, 12);
        putPlayer(12, 12);
        const std::size_t m = mark();
        if (byShift)
            shift();
        else
            s.wait(4000);  // the fuse runs out
        const auto heard = since(m, SimEvent::Kind::Sound, "WMPMonstruo(0)");
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(std::tie(heard[0].file, heard[0].balance, heard[0].volume),
                  std::make_tuple(std::string(Sonido::MuereGusano), -6000, -608));
        EXPECT_EQ(beeps(m), 1);
        EXPECT_TRUE(k().WMPMonstruo[0].playing());
        EXPECT_EQ(std::make_pair(k().WMPMonstruo[0].balance(), k().WMPMonstruo[0].volume()),
                  std::make_pair(-6000, -608));
    }
}

TEST_F(WormSound, FreeSlotChannelsArePlacedFromNowhereAndStaySilent) {
    putWorm(0, 4, 4, 1);
    putWorm(1, 8, 8, 1);
    putWorm(2, 4, 8, 1);
    freeWormSlot(1);
    freeWormSlot(2);
    putPlayer(12, 12);
    key(kSinOrden);
    for (int slot : {1, 2}) {
        EXPECT_EQ(std::make_pair(k().WMPMonstruo[slot].balance(), k().WMPMonstruo[slot].volume()),
                  std::make_pair(-6500, -5515));
        EXPECT_FALSE(k().WMPMonstruo[slot].playing());
    }
    EXPECT_EQ(k().WMPMonstruo[0].balance(), -4000);
    EXPECT_EQ(k().WMPMonstruo[0].volume(), -3394);  // 300 x sqrt(128)
    EXPECT_TRUE(sounds().empty());
}

TEST_F(WormSound, PlayingStepFollowsThePlayerWithoutStartingAgain) {
    putWorm(0, 3, 0, 2);
    putPlayer(5, 12);
    f().MueveMonstruo(0);
    s.p.endOfEvent();
    const Channel& canal = k().WMPMonstruo[0];
    ASSERT_TRUE(canal.playing());
    EXPECT_EQ(canal.balance(), -500);
    key(tecla::Derecha);
    EXPECT_TRUE(canal.playing());
    EXPECT_EQ(canal.balance(), -1000) << "500 more to the left";
    EXPECT_EQ(canal.volume(), -3650);  // 300 x sqrt(148)
    EXPECT_EQ(sounds("WMPMonstruo(0)").size(), 1u) << "not started again";
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
