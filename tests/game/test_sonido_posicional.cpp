// Where the worms are heard: their steps and deaths placed from their cells, and re-placing.
#include <string>
#include <vector>

#include "game_fixture.h"
#include "sound/placement.h"

namespace gus::testing {
namespace {

constexpr Entero kTeclaSinOrden = 66;  // 'B': runs only the tail of the key handler

class WormSound : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        clearWorms();
    }
    void freeSlot(int slot) { freeWormSlot(slot); }
};

struct StepPlacement {
    const char* name;
    int playerX, playerY;
    int fromX, fromY, dir;  // the worm's move: from a street cell, straight on
    int balance, volume;
};

TEST_F(WormSound, StepIsPlacedFromTheWormsNewCell) {
    const std::vector<StepPlacement> cases = {
        {"3 columns east, 4 rows north", 1, 4, 3, 0, 2, 1500, -1500},
        {"1 column west, 1 row south", 5, 4, 4, 6, 1, -500, -424},
        {"1 column east, 2 rows north: rounds to nearest", 0, 2, 2, 0, 4, 500, -671},
        {"same column, 1 row south", 0, 0, 0, 2, 1, 0, -300},
        {"same column, 11 rows south", 0, 0, 0, 10, 3, 0, -3300},
        {"same column, 12 rows north", 8, 12, 8, 1, 1, 0, -3600},
        {"12 columns east, same row", 0, 12, 11, 12, 2, 6000, -3600},
        {"opposite corner", 12, 12, 1, 0, 4, -6000, -5091},
        {"onto the player's cell", 6, 12, 5, 12, 2, 0, 0},
    };
    for (const StepPlacement& c : cases) {
        SCOPED_TRACE(c.name);
        clearWorms();
        s.p.log.clear();
        putPlayer(c.playerX, c.playerY);
        putWorm(0, c.fromX, c.fromY, c.dir);
        k().WMPMonstruo[0].setFileName(f().RutaSonidos +
                                       Sonido::MuereGusano);  // its last sound a death
        f().MueveMonstruo(0);
        s.p.endOfEvent();
        const std::vector<SimEvent> heard = soundsOn("WMPMonstruo(0)");
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0].file, Sonido::PasoGusano);
        EXPECT_EQ(heard[0].balance, c.balance);
        EXPECT_EQ(heard[0].volume, c.volume);
    }
}

struct DeathPlacement {
    const char* name;
    int slot;
    int playerX, playerY;
    int wormX, wormY;
    int balance, volume;
};

TEST_F(WormSound, DeathCarriesFartherAndBeeps) {
    const std::vector<DeathPlacement> cases = {
        {"2 columns west in his row", 0, 7, 12, 5, 12, -1000, -100},
        {"opposite corner", 0, 12, 12, 0, 0, -6000, -849},
        {"3 columns east, 4 rows north", 2, 1, 4, 4, 0, 1500, -250},
        {"on the player's cell", 1, 4, 4, 4, 4, 0, 0},
    };
    for (const DeathPlacement& c : cases) {
        SCOPED_TRACE(c.name);
        clearWorms();
        s.p.log.clear();
        putPlayer(c.playerX, c.playerY);
        putWorm(c.slot, c.wormX, c.wormY, 1);
        f().SuenaMuerteMonstruo(static_cast<Entero>(c.slot));
        s.p.endOfEvent();
        const std::vector<SimEvent> heard = soundsOn("WMPMonstruo(" + std::to_string(c.slot) + ")");
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0].file, Sonido::MuereGusano);
        EXPECT_EQ(heard[0].balance, c.balance);
        EXPECT_EQ(heard[0].volume, c.volume);
        EXPECT_EQ(beeps(), 1);
    }
}

TEST_F(WormSound, FlameKillIsHeardFromTheWormsCell) {
    putWorm(0, 0, 10, 1);
    putWorm(1, 12, 0, 3);  // another worm, so the phase goes on
    for (int slot : {0, 1}) k().TMRMonstruo[slot].setEnabled(false);
    putPlayer(0, 12);
    key(tecla::Espacio);
    putPlayer(12, 12);
    s.p.log.clear();
    s.wait(4000);  // the fuse runs out
    const std::vector<SimEvent> heard = soundsOn("WMPMonstruo(0)");
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0].file, Sonido::MuereGusano);
    EXPECT_EQ(heard[0].balance, -6000);
    EXPECT_EQ(heard[0].volume, -608);  // 50 x sqrt(148)
    EXPECT_EQ(beeps(), 1);
}

// Shift kills inside a key, whose tail re-places every worm channel: the freed slot's death
// sound, still playing, moves at once to the place of a slot without a position.
// The key's tail re-places the worm channels; a dying worm's sound must stay where it died.
TEST_F(WormSound, DeathSetOffByShiftStaysWhereTheWormDied) {
    putWorm(0, 0, 10, 1);
    putWorm(1, 12, 0, 3);
    putPlayer(0, 12);
    key(tecla::Espacio);
    putPlayer(12, 12);
    s.p.log.clear();
    key(tecla::Mayusculas, tecla::BitShift);
    ASSERT_EQ(soundsOn("WMPMonstruo(0)").size(), 1u);
    EXPECT_EQ(soundsOn("WMPMonstruo(0)")[0].file, Sonido::MuereGusano);
    EXPECT_TRUE(k().WMPMonstruo[0].playing());
    EXPECT_EQ(k().WMPMonstruo[0].balance(), -6000);
    EXPECT_EQ(k().WMPMonstruo[0].volume(), -608);
    EXPECT_EQ(soundsOn("WMPMonstruo(0)")[0].volume, -608);
}

TEST_F(WormSound, FreeSlotChannelsArePlacedFromNowhereAndStaySilent) {
    putWorm(0, 4, 4, 1);
    putWorm(1, 8, 8, 1);
    putWorm(2, 4, 8, 1);
    freeSlot(1);
    freeSlot(2);
    putPlayer(12, 12);
    key(kTeclaSinOrden);
    for (int slot : {1, 2}) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(k().WMPMonstruo[slot].balance(), -6500);
        EXPECT_EQ(k().WMPMonstruo[slot].volume(), -5515);
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
    ASSERT_EQ(soundsOn("WMPMonstruo(0)").size(), 1u);
    const Channel& canal = k().WMPMonstruo[0];
    ASSERT_TRUE(canal.playing());
    EXPECT_EQ(canal.balance(), -500);
    key(tecla::Derecha);
    EXPECT_TRUE(canal.playing());
    EXPECT_EQ(canal.balance(), -1000) << "500 more to the left";
    EXPECT_EQ(canal.volume(), -3650);  // 300 x sqrt(148)
    EXPECT_EQ(soundsOn("WMPMonstruo(0)").size(), 1u) << "not started again";
}

// No board position gives exactly half a unit: K x d is a whole number when d is, and d is
// otherwise irrational. Rounding is therefore checked on both sides of one half.
TEST(Placement, VolumeRoundsToTheNearestWholeNumber) {
    struct Case {
        int dx, dy, fallOff;
        int volume;
    };
    const std::vector<Case> cases = {
        {1, 1, 300, -424},   // 424.26: neither floor nor ceiling of the negative value
        {1, 2, 300, -671},   // 670.82
        {1, 1, 50, -71},     // 70.71
        {3, 4, 300, -1500},  // exact
        {12, 12, 50, -849},  // 848.53
        {0, 0, 300, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.dx << ", " << c.dy << " K " << c.fallOff);
        EXPECT_EQ(placementFor(c.dx, c.dy, 0, 0, c.fallOff).volume, c.volume);
        EXPECT_EQ(placementFor(0, 0, c.dx, c.dy, c.fallOff).volume, c.volume);
        EXPECT_EQ(placementFor(c.dx, c.dy, 0, 0, c.fallOff).balance, 500 * c.dx);
        EXPECT_EQ(placementFor(0, 0, c.dx, c.dy, c.fallOff).balance, -500 * c.dx);
    }
}

}  // namespace
}  // namespace gus::testing
