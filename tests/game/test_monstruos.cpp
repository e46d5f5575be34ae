// The worms: entering the board, their slots, open directions, steps and turns, killing.
#include <algorithm>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "game_fixture.h"

namespace gus::testing {
namespace {

using Celda = std::pair<int, int>;

// Forced after a step's own draws: reading it back proves the step drew exactly those.
constexpr double kTestigo = 0.0123;

// The 16 street cells around the central block, where every worm enters.
bool enAnillo(int x, int y) {
    return x >= 4 && x <= 8 && y >= 4 && y <= 8 && (x == 4 || x == 8 || y == 4 || y == 8);
}

std::set<Celda> celdasCon(const Form1& f, Entero valor) {
    std::set<Celda> out;
    for (int x = kBordeMin; x <= kBordeMax; ++x) {
        for (int y = kBordeMin; y <= kBordeMax; ++y) {
            if (f.Tablero(x, y) == valor) out.insert({x, y});
        }
    }
    return out;
}

std::unique_ptr<SimSession> partida(Entero dificultad, std::int32_t seed) {
    auto s = std::make_unique<SimSession>();
    s->dificultad = dificultad;
    s->p.random.overrideSeed(seed);
    s->load();
    return s;
}

class Worms : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        clearWorms();
    }
    void draws(std::initializer_list<double> rs) {
        for (double r : rs) s.p.random.force(r);
    }
    // One tick of a worm's step timer, as its own event.
    void step(int slot) {
        f().MueveMonstruo(static_cast<Entero>(slot));
        s.p.endOfEvent();
    }
    void place() {
        f().ColocaMonstruo();
        s.p.endOfEvent();
    }
    void killWorm(int slot) { freeWormSlot(slot); }
    void expectWormAt(int slot, int x, int y) {
        EXPECT_EQ(f().Monstruos[static_cast<std::size_t>(slot)].X, x);
        EXPECT_EQ(f().Monstruos[static_cast<std::size_t>(slot)].Y, y);
    }
    Entero heading(int slot) { return f().Monstruos[static_cast<std::size_t>(slot)].Direccion; }
};

// --- start-up ---------------------------------------------------------------------------

TEST(WormStartUp, ExactlyOneWormOnTheRingWithAHeadingAndAThreeSecondStep) {
    for (Entero dificultad = 0; dificultad <= 2; ++dificultad) {
        for (std::int32_t seed = 1; seed <= 30; ++seed) {
            SCOPED_TRACE(::testing::Message() << "difficulty " << dificultad << ", seed " << seed);
            auto s = partida(dificultad, seed);
            const Form1& f = s->form;
            const RegistroMonstruo& m = f.Monstruos[0];
            EXPECT_EQ(celdasCon(f, CeldaMonstruo), (std::set<Celda>{{m.X, m.Y}}));
            EXPECT_TRUE(enAnillo(m.X, m.Y));
            EXPECT_TRUE(esVerdadero(m.Activo));
            EXPECT_GE(m.Direccion, 1);
            EXPECT_LE(m.Direccion, 4);
            for (int i = 1; i < kRanurasMonstruo; ++i) {
                EXPECT_FALSE(esVerdadero(f.Monstruos[static_cast<std::size_t>(i)].Activo));
            }
            EXPECT_EQ(f.MonstruosEnTablero, 1);
            EXPECT_EQ(f.MonstruosPorEntrar, 0);
            ControlesForm1& k = s->form.controles();
            EXPECT_EQ(k.TMRMonstruo.count(), 1);
            EXPECT_EQ(k.TMRMonstruo[0].interval(), 3000);
            EXPECT_TRUE(k.TMRMonstruo[0].enabled());
            EXPECT_FALSE(k.TMRColocaMon.enabled());
        }
    }
}

TEST_F(Worms, EntryDrawsColumnThenRowUntilAFreeCellThenTheHeading) {
    putWorm(0, 4, 4, 1);
    // (5, 5) is wall, (4, 4) holds a worm, (4, 8) is free; then heading Int(0.99 x 4) + 1.
    draws({0.25, 0.25, 0.0, 0.0, 0.0, 0.8, 0.99});
    place();
    expectWormAt(1, 4, 8);
    EXPECT_EQ(heading(1), 4);
    EXPECT_EQ(f().Tablero(4, 8), CeldaMonstruo);
    EXPECT_EQ(f().MonstruosEnTablero, 2);
}

TEST_F(Worms, EntryAcceptsThePlayersCellEvenWhereAWormStands) {
    putWorm(0, 4, 4, 1);
    putPlayer(4, 4);
    draws({0.0, 0.0, 0.5});
    place();
    expectWormAt(1, 4, 4);
    EXPECT_EQ(heading(1), 3);
    EXPECT_EQ(f().MonstruosEnTablero, 2);
}

// --- letting worms in ---------------------------------------------------------------------

TEST_F(Worms, PhaseThreeLetsThreeWormsInThreeSecondsApart) {
    f().Fase = 3;
    f().MonstruosPorEntrar = 3;
    k().TMRColocaMon.setEnabled(true);
    s.wait(2999);
    EXPECT_TRUE(soundsOn("Wmp1(5)").empty());
    s.wait(9001);  // up to 12000: one tick past the last entry
    std::vector<Millis> entries;
    for (const SimEvent& e : soundsOn("Wmp1(5)")) {
        EXPECT_EQ(e.file, Sonido::EntraGusano);
        entries.push_back(e.t);
    }
    EXPECT_EQ(entries, (std::vector<Millis>{3000, 6000, 9000}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(esVerdadero(f().Monstruos[static_cast<std::size_t>(i)].Activo));
        EXPECT_EQ(k().TMRMonstruo[i].interval(), 2930);  // 3000 - 2 x 35
    }
    EXPECT_EQ(f().MonstruosEnTablero, 3);
    EXPECT_EQ(f().MonstruosPorEntrar, 0);
    EXPECT_FALSE(k().TMRColocaMon.enabled());
}

TEST_F(Worms, EntryTimerSwitchesOffAtTheTickThatLetsTheLastIn) {
    f().MonstruosPorEntrar = 1;
    k().TMRColocaMon.setEnabled(true);
    s.wait(3000);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    EXPECT_FALSE(k().TMRColocaMon.enabled());
}

TEST_F(Worms, EntryTickWithNoneWaitingPlacesNoWormAndSwitchesOff) {
    putWorm(0, 0, 2, 1);
    k().TMRMonstruo[0].setEnabled(false);
    k().TMRColocaMon.setEnabled(true);
    s.wait(3000);
    EXPECT_FALSE(k().TMRColocaMon.enabled());
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    EXPECT_TRUE(soundsOn("Wmp1(5)").empty());
}

TEST_F(Worms, FullBoardKeepsTheWaitingWormOutUntilAKill) {
    const std::vector<Celda> ring = {{4, 4}, {5, 4}, {6, 4}, {7, 4}, {8, 4},
                                     {4, 5}, {8, 5}, {4, 6}, {8, 6}};
    ASSERT_EQ(f().MaxMonstruos, 9);
    for (int i = 0; i < 9; ++i) {
        putWorm(i, ring[static_cast<std::size_t>(i)].first,
                ring[static_cast<std::size_t>(i)].second, 1);
        k().TMRMonstruo[i].setEnabled(false);
    }
    f().MonstruosPorEntrar = 2;
    k().TMRColocaMon.setEnabled(true);
    s.wait(3000);
    EXPECT_TRUE(soundsOn("Wmp1(5)").empty());
    EXPECT_EQ(f().MonstruosPorEntrar, 2);
    EXPECT_TRUE(k().TMRColocaMon.enabled());
    killWorm(4);
    s.wait(3000);
    EXPECT_EQ(soundsOn("Wmp1(5)").size(), 1u);
    EXPECT_TRUE(esVerdadero(f().Monstruos[4].Activo));
    EXPECT_EQ(f().MonstruosEnTablero, 9);
    EXPECT_EQ(f().MonstruosPorEntrar, 1);
    s.wait(3000);
    EXPECT_EQ(soundsOn("Wmp1(5)").size(), 1u);
    EXPECT_TRUE(k().TMRColocaMon.enabled());
}

TEST(WormEntry, AtTheHardestDifficultyFifteenWormsFitAndSlotFifteenStaysFree) {
    auto s = partida(2, 99);
    Form1& f = s->form;
    ASSERT_EQ(f.MaxMonstruos, 15);
    f.MonstruosPorEntrar = 20;
    for (int tick = 0; tick < 20; ++tick) f.TMRColocaMon_Timer();
    EXPECT_EQ(f.MonstruosEnTablero, 15);
    EXPECT_EQ(f.MonstruosPorEntrar, 6);
    for (int i = 0; i < 15; ++i)
        EXPECT_TRUE(esVerdadero(f.Monstruos[static_cast<std::size_t>(i)].Activo));
    EXPECT_FALSE(esVerdadero(f.Monstruos[15].Activo));
    EXPECT_EQ(f.controles().TMRMonstruo.count(), 15);
    EXPECT_EQ(celdasCon(f, CeldaMonstruo).size(), 15u);
}

// --- slots, their timers and channels -------------------------------------------------------

TEST_F(Worms, FreedSlotIsTakenFirstAndKeepsItsTimerAndChannel) {
    putWorm(0, 4, 4, 1);
    putWorm(1, 8, 8, 1);
    putWorm(2, 4, 8, 1);
    killWorm(1);
    Channel* canal1 = &k().WMPMonstruo[1];
    place();
    EXPECT_TRUE(esVerdadero(f().Monstruos[1].Activo));
    EXPECT_EQ(k().TMRMonstruo.count(), 3);
    EXPECT_EQ(k().WMPMonstruo.count(), 3);
    EXPECT_EQ(&k().WMPMonstruo[1], canal1);
    EXPECT_TRUE(k().TMRMonstruo[1].enabled());
    place();
    EXPECT_TRUE(esVerdadero(f().Monstruos[3].Activo));
    EXPECT_EQ(k().TMRMonstruo.count(), 4);
    EXPECT_EQ(k().WMPMonstruo.count(), 4);
    EXPECT_TRUE(k().TMRMonstruo[3].enabled());
    EXPECT_EQ(k().TMRMonstruo[3].interval(), 3000);
}

TEST_F(Worms, EveryEntrySoundsUnplacedAndTheNewWormIsSilentUntilItMoves) {
    for (int i = 0; i < 3; ++i) place();
    ASSERT_EQ(sounds().size(), 3u);
    for (const SimEvent& e : sounds()) {
        EXPECT_EQ(e.channel, "Wmp1(5)");
        EXPECT_EQ(e.file, Sonido::EntraGusano);
        EXPECT_EQ(e.balance, 0);
        EXPECT_EQ(e.volume, -600);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(k().WMPMonstruo[i].playing());
        EXPECT_EQ(k().WMPMonstruo[i].fileName(), f().RutaSonidos + Sonido::PasoGusano);
    }
}

struct IntervalCase {
    Entero dificultad;
    Entero fase;
    int interval;
};

TEST(WormEntry, StepIntervalShortensWithThePhaseByTheDifficulty) {
    const std::vector<IntervalCase> cases = {
        {0, 1, 3000},  {1, 1, 3000},  {2, 1, 3000},  {1, 3, 2930},
        {0, 25, 3000}, {1, 25, 2160}, {2, 25, 1800},
    };
    for (const IntervalCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << "difficulty " << c.dificultad << ", phase " << c.fase);
        auto s = partida(c.dificultad, 7);
        s->form.Fase = c.fase;
        s->form.ColocaMonstruo();
        EXPECT_EQ(s->form.controles().TMRMonstruo[1].interval(), c.interval);
        EXPECT_EQ(s->form.controles().TMRMonstruo[0].interval(), 3000) << "fixed at entry";
    }
}

// --- open directions --------------------------------------------------------------------------

TEST_F(Worms, OpenDirectionsAroundACell) {
    const std::vector<std::pair<Celda, std::string>> cases = {
        {{2, 0}, "24"},  {{0, 2}, "13"},  {{6, 8}, "24"},   {{4, 4}, "1234"}, {{8, 8}, "1234"},
        {{4, 0}, "234"}, {{0, 4}, "123"}, {{12, 8}, "134"}, {{8, 12}, "124"}, {{0, 0}, "23"},
        {{12, 0}, "34"}, {{0, 12}, "12"}, {{12, 12}, "14"}, {{-1, -1}, ""},
    };
    for (const auto& [celda, abiertas] : cases) {
        SCOPED_TRACE(::testing::Message() << celda.first << ", " << celda.second);
        EXPECT_EQ(f().BuscaDirecciones(static_cast<Entero>(celda.first),
                                       static_cast<Entero>(celda.second)),
                  abiertas);
    }
}

TEST_F(Worms, NeighbouringWormDoesNotCloseADirection) {
    putWorm(0, 5, 4, 1);
    putWorm(1, 4, 3, 1);
    EXPECT_EQ(f().BuscaDirecciones(4, 4), "1234");
}

// --- one step: moving and choosing -------------------------------------------------------------

struct StepCase {
    const char* name;
    int x, y, dir;
    bool giroReciente;
    std::vector<double> draws;
    Celda blocker;  // another worm there; (-1, -1) for none
    bool northExitOpen;
    int newDir;
    int toX, toY;
    bool giroAfter;
};

class WormStep : public Worms, public ::testing::WithParamInterface<StepCase> {};

TEST_P(WormStep, MovesOrChoosesAHeading) {
    const StepCase& c = GetParam();
    putWorm(0, c.x, c.y, c.dir);
    if (c.blocker.first >= 0) putWorm(1, c.blocker.first, c.blocker.second, 1);
    if (c.northExitOpen) f().Tablero(7, -1) = CeldaSalida;
    f().GiroReciente = c.giroReciente ? VERDADERO : FALSO;
    for (double r : c.draws) s.p.random.force(r);
    s.p.random.force(kTestigo);
    step(0);
    EXPECT_EQ(s.p.random.next(), kTestigo) << "the step drew other than expected";
    expectWormAt(0, c.toX, c.toY);
    EXPECT_EQ(heading(0), c.newDir);
    EXPECT_EQ(f().GiroReciente, c.giroAfter ? VERDADERO : FALSO);
    const bool moved = c.toX != c.x || c.toY != c.y;
    EXPECT_EQ(f().Tablero(c.x, c.y), moved ? CeldaLibre : CeldaMonstruo);
    EXPECT_EQ(f().Tablero(c.toX, c.toY), CeldaMonstruo);
    EXPECT_EQ(soundsOn("WMPMonstruo(0)").size(), moved ? 1u : 0u);
    if (c.northExitOpen) {
        EXPECT_EQ(f().Tablero(7, -1), CeldaSalida);
    }
}

constexpr Celda kNadie{-1, -1};

INSTANTIATE_TEST_SUITE_P(
    Turning, WormStep,
    ::testing::Values(
        // Along a street no draw is made: two open directions are no crossing.
        StepCase{"StreetGoesStraight", 2, 0, 2, false, {}, kNadie, false, 2, 3, 0, false},
        // (4, 0) heading north into the border: "234" without "3" leaves east and west.
        StepCase{"EdgeCrossingIntoWallTakesEast",
                 4,
                 0,
                 1,
                 false,
                 {0.5, 0.0},
                 kNadie,
                 false,
                 2,
                 4,
                 0,
                 false},
        StepCase{"EdgeCrossingIntoWallTakesWest",
                 4,
                 0,
                 1,
                 false,
                 {0.5, 0.5},
                 kNadie,
                 false,
                 4,
                 4,
                 0,
                 false},
        StepCase{
            "EdgeCrossingDecidesToTurn", 4, 0, 1, false, {0.1, 0.99}, kNadie, false, 4, 4, 0, true},
        // (0, 0) heading west: "23"; the excluded "4" is not among them.
        StepCase{
            "CornerHeadingWestTakesEast", 0, 0, 4, false, {0.0}, kNadie, false, 2, 0, 0, false},
        StepCase{
            "CornerHeadingWestTakesSouth", 0, 0, 4, false, {0.5}, kNadie, false, 3, 0, 0, false},
        // (12, 12) heading south: "14" without "1" leaves west alone.
        StepCase{"CornerHeadingSouthAlwaysWest",
                 12,
                 12,
                 3,
                 false,
                 {0.0},
                 kNadie,
                 false,
                 4,
                 12,
                 12,
                 false},
        StepCase{"CornerHeadingSouthAlwaysWestHighDraw",
                 12,
                 12,
                 3,
                 false,
                 {0.99},
                 kNadie,
                 false,
                 4,
                 12,
                 12,
                 false},
        // An inner crossing heading east: r >= 0.4 goes on; r < 0.4 turns to one of "134".
        StepCase{"InnerCrossingGoesOnAtFourTenths",
                 4,
                 4,
                 2,
                 false,
                 {0.4},
                 kNadie,
                 false,
                 2,
                 5,
                 4,
                 false},
        StepCase{
            "InnerCrossingTurnsNorth", 4, 4, 2, false, {0.39, 0.0}, kNadie, false, 1, 4, 4, true},
        StepCase{
            "InnerCrossingTurnsSouth", 4, 4, 2, false, {0.39, 0.34}, kNadie, false, 3, 4, 4, true},
        StepCase{
            "InnerCrossingTurnsBack", 4, 4, 2, false, {0.39, 0.67}, kNadie, false, 4, 4, 4, true},
        // While a turn is pending nobody tests a crossing (a drawn witness would turn it).
        StepCase{
            "PendingTurnSkipsTheCrossingTest", 4, 4, 2, true, {}, kNadie, false, 2, 5, 4, false},
        // No heading: the target is its own cell, which is not free; "24" without "4".
        StepCase{"NoHeadingChoosesOne", 2, 0, 0, false, {0.0}, kNadie, false, 2, 2, 0, false},
        // Blocked by a worm: north-bound may keep the blocked heading, east-bound may not.
        StepCase{"NorthBoundBlockedKeepsItsHeading",
                 0,
                 3,
                 1,
                 false,
                 {0.0},
                 {0, 2},
                 false,
                 1,
                 0,
                 3,
                 false},
        StepCase{"EastBoundBlockedTurnsBack", 2, 0, 2, false, {0.0}, {3, 0}, false, 4, 2, 0, false},
        StepCase{"BlockedWhilePendingTurnStaysPending",
                 2,
                 0,
                 2,
                 true,
                 {0.0},
                 {3, 0},
                 false,
                 4,
                 2,
                 0,
                 true},
        // The exit is no cell to walk onto: the worm stays and chooses again.
        StepCase{"BlockedByTheExit", 7, 0, 1, false, {0.99}, kNadie, true, 4, 7, 0, false}),
    [](const ::testing::TestParamInfo<StepCase>& p) { return std::string(p.param.name); });

// The streets have no dead ends; walls put up by hand make the rare cases of the rule.
TEST_F(Worms, DeadEndLeavesTheExcludedDirectionAsTheOnlyChoice) {
    f().Tablero(3, 0) = CeldaPared;
    putWorm(0, 2, 0, 4);
    putWorm(1, 1, 0, 1);  // blocks the way west, which is all that is open
    draws({0.5, kTestigo});
    step(0);
    EXPECT_EQ(heading(0), 4);
    EXPECT_EQ(s.p.random.next(), kTestigo);
}

TEST_F(Worms, WalledInWormStaysAndOnlyAPendingTurnMakesItChoose) {
    f().Tablero(1, 0) = CeldaPared;
    f().Tablero(3, 0) = CeldaPared;
    putWorm(0, 2, 0, 2);
    draws({kTestigo});
    step(0);  // the crossing test finds no open direction: nothing happens, nothing is drawn
    expectWormAt(0, 2, 0);
    EXPECT_EQ(heading(0), 2);
    EXPECT_EQ(s.p.random.next(), kTestigo);
    f().GiroReciente = VERDADERO;
    draws({0.5, kTestigo});
    step(0);
    expectWormAt(0, 2, 0);
    EXPECT_EQ(heading(0), 0);
    EXPECT_EQ(s.p.random.next(), kTestigo);
    draws({0.5, kTestigo});
    step(0);  // heading 0 aims at its own cell, not free: it chooses again
    EXPECT_EQ(heading(0), 0);
    EXPECT_EQ(s.p.random.next(), kTestigo);
}

TEST_F(Worms, TurningWormWalksItsNewHeadingWithoutASecondCrossingTest) {
    putWorm(0, 4, 4, 2);
    draws({0.1, 0.0});
    step(0);
    ASSERT_EQ(heading(0), 1);
    ASSERT_TRUE(esVerdadero(f().GiroReciente));
    draws({kTestigo});  // would turn it again if a crossing test were made
    step(0);
    expectWormAt(0, 4, 3);
    EXPECT_FALSE(esVerdadero(f().GiroReciente));
    EXPECT_EQ(s.p.random.next(), kTestigo);
}

TEST_F(Worms, PendingTurnHoldsEveryWormUntilAnyWormCompletesAMove) {
    putWorm(0, 4, 4, 2);
    putWorm(1, 8, 8, 2);
    draws({0.1, 0.0});
    step(0);  // worm 0 decides to turn north
    ASSERT_TRUE(esVerdadero(f().GiroReciente));
    draws({kTestigo});
    step(1);  // worm 1 on a crossing makes no test and moves on
    expectWormAt(1, 9, 8);
    EXPECT_FALSE(esVerdadero(f().GiroReciente));
    EXPECT_EQ(s.p.random.next(), kTestigo);
    draws({0.1, 0.99});
    step(0);  // the test is made again: worm 0 turns once more, from "124"
    expectWormAt(0, 4, 4);
    EXPECT_EQ(heading(0), 4);
    EXPECT_TRUE(esVerdadero(f().GiroReciente));
}

TEST_F(Worms, NewWormFacingAWallSpendsItsFirstTickChoosing) {
    draws({0.25, 0.0, 0.0});  // (5, 4), heading north into the block wall
    place();
    ASSERT_EQ(heading(0), 1);
    draws({0.0});
    s.wait(3000);
    expectWormAt(0, 5, 4);
    EXPECT_EQ(heading(0), 2);
    EXPECT_TRUE(soundsOn("WMPMonstruo(0)").empty());
    s.wait(3000);
    expectWormAt(0, 6, 4);
    EXPECT_EQ(soundsOn("WMPMonstruo(0)").size(), 1u);
}

TEST_F(Worms, FreeSlotsTickChangesNothing) {
    putWorm(0, 2, 0, 2);
    k().TMRMonstruo[0].setEnabled(false);
    putWorm(3, 0, 2, 1);
    killWorm(3);
    k().TMRMonstruo[3].setEnabled(true);  // left running, as after a new game
    for (const Entero giro : {FALSO, VERDADERO}) {
        SCOPED_TRACE(giro);
        f().GiroReciente = giro;
        const auto tablero = celdasCon(f(), CeldaMonstruo);
        const auto monstruos = f().Monstruos;
        const std::size_t antes = events().size();
        draws({kTestigo});
        s.wait(3000);
        EXPECT_EQ(celdasCon(f(), CeldaMonstruo), tablero);
        for (int i = 0; i < kRanurasMonstruo; ++i) {
            const auto& a = monstruos[static_cast<std::size_t>(i)];
            const auto& b = f().Monstruos[static_cast<std::size_t>(i)];
            EXPECT_EQ(std::tie(a.X, a.Y, a.Direccion, a.Activo),
                      std::tie(b.X, b.Y, b.Direccion, b.Activo));
        }
        EXPECT_EQ(f().GiroReciente, giro);
        EXPECT_EQ(events().size(), antes);
        EXPECT_EQ(s.p.random.next(), kTestigo);
    }
}

// --- a worm reaching the player or a bomb ---------------------------------------------------

TEST_F(Worms, WormSteppingOntoThePlayerKillsHimAndTheOthersWalkOn) {
    putWorm(0, 5, 12, 2);
    putWorm(1, 0, 9, 3);
    putPlayer(6, 12);
    f().MonstruosPorEntrar = 1;
    k().TMRColocaMon.setEnabled(true);
    key(tecla::V);
    step(0);
    expectWormAt(0, 6, 12);
    EXPECT_EQ(status(), "¡Has muerto!");
    ASSERT_EQ(soundsOn("Wmp1(4)").size(), 1u);
    EXPECT_EQ(soundsOn("Wmp1(4)")[0].file, Sonido::GusanoTeMata);
    EXPECT_TRUE(k().TMRMuerto.enabled());
    EXPECT_EQ(f().Vidas, 5);
    EXPECT_TRUE(k().TMRMonstruo[0].enabled());
    EXPECT_TRUE(k().TMRMonstruo[1].enabled());
    EXPECT_TRUE(k().TMRColocaMon.enabled());
    step(1);
    expectWormAt(1, 0, 10);
}

TEST_F(Worms, SecondWormSteppingOntoThePlayerRepeatsTheDeath) {
    putWorm(0, 5, 12, 2);
    putPlayer(6, 12);
    step(0);
    step(0);  // worm 0 walks on to (7, 12); the player stays until the death is handled
    expectWormAt(0, 7, 12);
    putWorm(1, 5, 12, 2);
    k().Label2.setCaption("x");
    step(1);
    EXPECT_EQ(status(), "¡Has muerto!") << "set, not appended";
    EXPECT_EQ(soundsOn("Wmp1(4)").size(), 2u);
    EXPECT_TRUE(k().TMRMuerto.enabled());
}

TEST_F(Worms, WormSteppingOntoALiveBombSetsItOffAtOnce) {
    putWorm(0, 1, 0, 2);
    putWorm(1, 12, 12, 1);  // out of the flames' reach, so the phase goes on
    putPlayer(2, 0);
    key(tecla::Espacio);  // bomb in slot 0 at (2, 0)
    putPlayer(7, 12);
    f().GiroReciente = VERDADERO;
    s.p.log.clear();
    step(0);
    EXPECT_FALSE(esVerdadero(f().Bombas[0].Activa));
    const auto bomba = soundsOn("WMPBomba(0)");
    ASSERT_EQ(bomba.size(), 1u);
    EXPECT_EQ(bomba[0].file, Sonido::Explosion);
    for (const SimEvent& e : soundsOn("WMPMonstruo(0)")) EXPECT_NE(e.file, Sonido::PasoGusano);
    // The flames start on the bomb's cell, where the worm now stands.
    EXPECT_FALSE(esVerdadero(f().Monstruos[0].Activo));
    EXPECT_EQ(f().Tablero(2, 0), CeldaLibre);
    EXPECT_EQ(f().Tablero(1, 0), CeldaLibre);
    EXPECT_TRUE(esVerdadero(f().GiroReciente)) << "the step ended at the bomb";
}

TEST_F(Worms, WormSteppingOntoABombUnderThePlayerLeavesHimToTheFlames) {
    putWorm(0, 1, 0, 2);
    putWorm(1, 12, 12, 1);
    putPlayer(2, 0);
    key(tecla::Espacio);
    s.p.log.clear();
    step(0);
    EXPECT_TRUE(soundsOn("Wmp1(4)").empty()) << "not the worm's kill";
    EXPECT_FALSE(soundsOn("WMPAux").empty()) << "the flame's";
    EXPECT_TRUE(k().TMRMuerto.enabled());
}

// --- a long game of random keys and ticks ----------------------------------------------------

TEST(WormBoard, InvariantsHoldThroughALongRandomGame) {
    SimSession s;
    s.p.log.setKeep(false);
    s.p.random.overrideSeed(4321);
    std::mt19937 rng(20240611);
    const std::vector<Entero> keys = {tecla::Arriba,    tecla::Derecha, tecla::Abajo,
                                      tecla::Izquierda, tecla::Espacio, tecla::Mayusculas,
                                      tecla::V,         tecla::A};
    int games = 0;
    int deaths = 0;
    int maxOnBoard = 0;
    Entero lastVidas = 0;
    for (int event = 0; event < 20000; ++event) {
        if (!s.form.cargada()) {
            // Every difficulty in turn; a later phase, so that many worms come in; some games
            // end with a Yes to the game-over question, which starts a new game in place.
            s.dificultad = static_cast<Entero>(games % 3);
            if (games % 2 == 1) s.p.rawDialogs.queueAnswer(Answer::Yes);
            ++games;
            s.load();
            s.form.Fase = static_cast<Entero>(10 + games % 16);
            s.form.MonstruosPorEntrar = static_cast<Entero>(s.form.Fase - 1);
            s.form.controles().TMRColocaMon.setEnabled(true);
            lastVidas = s.form.Vidas;
        }
        if (rng() % 10 < 6) {
            const Entero code = keys[rng() % keys.size()];
            const Entero mods = rng() % 8 == 0 ? tecla::BitCtrl : Entero{0};
            s.key(code, mods);
        } else {
            s.wait(static_cast<Millis>(rng() % 1500));
        }
        const Form1& f = s.form;
        if (f.Vidas < lastVidas) ++deaths;
        lastVidas = f.Vidas;
        if (!s.form.cargada() || esVerdadero(f.JuegoTerminado)) continue;
        SCOPED_TRACE(::testing::Message() << "event " << event);
        std::set<Celda> activas;
        int enUso = 0;
        for (const RegistroMonstruo& m : f.Monstruos) {
            if (!esVerdadero(m.Activo)) continue;
            ++enUso;
            activas.insert({m.X, m.Y});
            ASSERT_TRUE(enZonaDeJuego(m.X, m.Y));
        }
        ASSERT_EQ(celdasCon(f, CeldaMonstruo), activas);
        ASSERT_LE(celdasCon(f, CeldaSalida).size(), 1u);
        ASSERT_EQ(f.MonstruosEnTablero, enUso);
        ASSERT_LE(f.MonstruosEnTablero, f.MaxMonstruos);
        ASSERT_FALSE(esVerdadero(f.Monstruos[15].Activo));
        ASSERT_GE(f.Jugador.X, -1);
        ASSERT_LE(f.Jugador.X, 13);
        ASSERT_GE(f.Jugador.Y, -1);
        ASSERT_LE(f.Jugador.Y, 13);
        maxOnBoard = std::max(maxOnBoard, enUso);
    }
    // The walk must have been a real game: deaths, new games and a crowded board.
    EXPECT_GT(deaths, 10);
    EXPECT_GT(games, 2);
    EXPECT_GE(maxOnBoard, 9);
}

}  // namespace
}  // namespace gus::testing
