// The worms: steps and turns, walls put up by hand, stepping onto a bomb.
#include <tuple>

#include "game_fixture.h"

namespace gus::testing {
namespace {

class Worms : public EmptyBoard {
  protected:
    // One tick of a worm's step timer as its own event.
    void step(int slot) {
        f().MueveMonstruo(static_cast<Entero>(slot));
        s.p.endOfEvent();
    }
    std::tuple<int, int, int> worm(int slot) {
        const RegistroMonstruo& m = f().Monstruos[static_cast<std::size_t>(slot)];
        return {m.X, m.Y, m.Direccion};
    }
    bool drewNoMore() { return s.p.random.next() == kTestigo; }
    using W = std::tuple<int, int, int>;
};

struct StepCase {
    const char* name;
    int x, y, dir;
    bool giro;
    std::vector<double> draws;
    int blockerX, blockerY;  // another worm there; -1 for none
    bool northExitOpen;
    int newDir, toX, toY;
    bool giroAfter;
};

class WormStep : public Worms, public ::testing::WithParamInterface<StepCase> {};

TEST_P(WormStep, MovesOrChoosesAHeading) {
    const StepCase& c = GetParam();
    putWorm(0, c.x, c.y, c.dir);
    if (c.blockerX >= 0) putWorm(1, c.blockerX, c.blockerY, 1);
    if (c.northExitOpen) f().Tablero(7, -1) = CeldaSalida;
    f().GiroReciente = c.giro ? VERDADERO : FALSO;
    for (double r : c.draws) s.p.random.force(r);
    s.p.random.force(kTestigo);
    step(0);
    EXPECT_TRUE(drewNoMore());
    EXPECT_EQ(worm(0), W(c.toX, c.toY, c.newDir));
    EXPECT_EQ(f().GiroReciente, c.giroAfter ? VERDADERO : FALSO);
    const bool moved = c.toX != c.x || c.toY != c.y;
    EXPECT_EQ(f().Tablero(c.x, c.y), moved ? CeldaLibre : CeldaMonstruo);
    EXPECT_EQ(f().Tablero(c.toX, c.toY), CeldaMonstruo);
    EXPECT_EQ(heard(), moved ? Strings{on("WMPMonstruo(0)", Sonido::PasoMonstruo)} : Strings{});
    EXPECT_EQ(f().Tablero(7, -1), c.northExitOpen ? CeldaSalida : CeldaPared);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Turning, WormStep, ::testing::Values(
    // Along a street no draw is made: two open directions are no crossing.
    StepCase{"StreetGoesStraight", 2, 0, 2, false, {}, -1, -1, false, 2, 3, 0, false},
    // (4, 0) heading north into the border: "234" without "3" leaves east and west.
    StepCase{"EdgeCrossingIntoWallTakesEast", 4, 0, 1, false, {0.5, 0.0}, -1, -1, false, 2, 4, 0, false},
    StepCase{"EdgeCrossingIntoWallTakesWest", 4, 0, 1, false, {0.5, 0.5}, -1, -1, false, 4, 4, 0, false},
    StepCase{"EdgeCrossingDecidesToTurn", 4, 0, 1, false, {0.1, 0.99}, -1, -1, false, 4, 4, 0, true},
    // (0, 0) heading west: "23"; the excluded "4" is not among them.
    StepCase{"CornerHeadingWestTakesEast", 0, 0, 4, false, {0.0}, -1, -1, false, 2, 0, 0, false},
    StepCase{"CornerHeadingWestTakesSouth", 0, 0, 4, false, {0.5}, -1, -1, false, 3, 0, 0, false},
    // (12, 12) heading south: "14" without "1" leaves west alone.
    StepCase{"CornerHeadingSouthAlwaysWest", 12, 12, 3, false, {0.99}, -1, -1, false, 4, 12, 12, false},
    // An inner crossing heading east: r >= 0.4 goes on; r < 0.4 turns to one of "134".
    StepCase{"InnerCrossingGoesOnAtFourTenths", 4, 4, 2, false, {0.4}, -1, -1, false, 2, 5, 4, false},
    StepCase{"InnerCrossingTurnsNorth", 4, 4, 2, false, {0.39, 0.0}, -1, -1, false, 1, 4, 4, true},
    StepCase{"InnerCrossingTurnsSouth", 4, 4, 2, false, {0.39, 0.34}, -1, -1, false, 3, 4, 4, true},
    StepCase{"InnerCrossingTurnsBack", 4, 4, 2, false, {0.39, 0.67}, -1, -1, false, 4, 4, 4, true},
    // While a turn is pending nobody tests a crossing (a drawn witness would turn it).
    StepCase{"PendingTurnSkipsTheCrossingTest", 4, 4, 2, true, {}, -1, -1, false, 2, 5, 4, false},
    // No heading: the target is its own cell, which is not free; "24" without "4".
    StepCase{"NoHeadingChoosesOne", 2, 0, 0, false, {0.0}, -1, -1, false, 2, 2, 0, false},
    // Blocked by a worm: north-bound may keep the blocked heading, east-bound may not.
    StepCase{"NorthBoundBlockedKeepsItsHeading", 0, 3, 1, false, {0.0}, 0, 2, false, 1, 0, 3, false},
    StepCase{"EastBoundBlockedTurnsBack", 2, 0, 2, false, {0.0}, 3, 0, false, 4, 2, 0, false},
    StepCase{"BlockedWhilePendingTurnStaysPending", 2, 0, 2, true, {0.0}, 3, 0, false, 4, 2, 0, true},
    // The exit is no cell to walk onto: the worm stays and chooses again.
    StepCase{"BlockedByTheExit", 7, 0, 1, false, {0.99}, -1, -1, true, 4, 7, 0, false}),
    [](const ::testing::TestParamInfo<StepCase>& p) { return std::string(p.param.name); });
// clang-format on

// The streets have no dead ends; walls put up by hand make the rare cases of the rule.
TEST_F(Worms, DeadEndLeavesTheExcludedDirectionAsTheOnlyChoiceAndAWalledInWormWaits) {
    const auto stepDrawing = [&](std::initializer_list<double> draws) {
        for (double r : draws) s.p.random.force(r);
        s.p.random.force(kTestigo);
        step(0);
        EXPECT_TRUE(drewNoMore());
    };
    f().Tablero(3, 0) = CeldaPared;
    putWorm(0, 2, 0, 4);
    putWorm(1, 1, 0, 1);  // blocks the way west, which is all that is open
    stepDrawing({0.5});
    EXPECT_EQ(worm(0), W(2, 0, 4));
    clearWorms();
    f().Tablero(1, 0) = CeldaPared;
    putWorm(0, 2, 0, 2);
    stepDrawing({});  // the crossing test finds no open direction: nothing happens, nothing drawn
    EXPECT_EQ(worm(0), W(2, 0, 2));
    f().GiroReciente = VERDADERO;
    for (int i = 0; i < 2; ++i) {  // then heading 0 aims at its own cell: it chooses again
        stepDrawing({0.5});
        EXPECT_EQ(worm(0), W(2, 0, 0));
    }
}

TEST_F(Worms, WormSteppingOntoALiveBombSetsItOffAtOnce) {
    for (const bool playerOnBomb : {false, true}) {
        clearWorms();
        putWorm(0, 1, 0, 2);
        putWorm(1, 12, 12, 1);  // out of the flames' reach, so the phase goes on
        layAt(2, 0);
        if (!playerOnBomb) putPlayer(7, 12);
        k().TMRMuerto.setEnabled(false);
        f().GiroReciente = VERDADERO;
        const std::size_t m = mark();
        step(0);
        // The flames start on the bomb's cell, where the worm now stands; the step ended there.
        EXPECT_EQ(
            std::make_tuple(esVerdadero(f().Bombas[0].Activa), esVerdadero(f().Monstruos[0].Activo),
                            f().Tablero(2, 0), f().Tablero(1, 0), f().GiroReciente),
            std::make_tuple(false, false, CeldaLibre, CeldaLibre, VERDADERO));
        // A player on the bomb dies by the flame, reached once each open way, not by the worm.
        const std::string bomb = on("WMPBomba(0)", Sonido::Explosion),
                          worm = on("WMPMonstruo(0)", Sonido::MuereMonstruo),
                          flame = on("WMPAux", Sonido::Llama);
        EXPECT_EQ(heard(m),
                  (playerOnBomb ? Strings{bomb, flame, worm, flame} : Strings{bomb, worm}));
        EXPECT_EQ(k().TMRMuerto.enabled(), playerOnBomb);
    }
}

// A freed slot's timer may be left running (a new game does so): its ticks move nothing.
TEST_F(Worms, FreeSlotsTickChangesNothing) {
    putWorm(3, 0, 2, 1);
    freeWormSlot(3);
    k().TMRMonstruo[3].setEnabled(true);
    for (const Entero giro : {FALSO, VERDADERO}) {
        f().GiroReciente = giro;
        const std::size_t m = mark();
        s.p.random.force(kTestigo);
        s.wait(3000);
        EXPECT_EQ(std::make_tuple(worm(3), f().Tablero(0, 2), f().GiroReciente, mark()),
                  std::make_tuple(W(-1, -1, 1), CeldaLibre, giro, m));
        EXPECT_TRUE(drewNoMore());
    }
}

}  // namespace
}  // namespace gus::testing
