// Bombs: the fuse, Shift, the five-bomb limit, flames along the streets, chains and kill counts.
#include <algorithm>

#include "game_fixture.h"

namespace gus::testing {
namespace {

using Bombs = EmptyBoard;

int soundsOf(const std::vector<SimEvent>& heard, const std::string& file) {
    return static_cast<int>(std::count_if(heard.begin(), heard.end(),
                                          [&](const SimEvent& e) { return e.file == file; }));
}

TEST_F(Bombs, TicksEverySecondFromWhereThePlayerIsThenExplodesAtFullVolume) {
    layAt(7, 12);
    // clang-format off
    const int steps[][5] = {  // player x, y, then the sound's balance and volume and its time
        {8, 11, -500, -424, 1000}, {4, 8, 1500, -1500, 2000}, {4, 8, 1500, -1500, 3000}, {8, 11, -500, 0, 4000}};
    // clang-format on
    for (const auto& c : steps) {
        putPlayer(c[0], c[1]);
        const std::size_t m = mark();
        s.wait(1000);
        const auto heard = since(m, SimEvent::Kind::Sound);
        ASSERT_EQ(heard.size(), 1u);
        EXPECT_EQ(heard[0].channel, "WMPBomba(0)");
        EXPECT_EQ(heard[0].file, c[4] < 4000 ? Sonido::Mecha : Sonido::Explosion);
        EXPECT_EQ(std::tie(heard[0].balance, heard[0].volume, heard[0].t),
                  std::make_tuple(c[2], c[3], Millis{c[4]}));
    }
    EXPECT_EQ(std::tie(f().Bombas[0].Activa, f().Bombas[0].X), std::make_tuple(FALSO, -1));
    EXPECT_FALSE(k().TMRBomba[0].enabled());
}

TEST_F(Bombs, SixthBombBeepsAndAFreedSlotIsReusedLowestFirst) {
    // Far apart, so that no flame reaches another bomb.
    for (auto [x, y] : {std::pair{0, 0}, {12, 0}, {0, 12}, {12, 12}, {6, 4}}) layAt(x, y);
    EXPECT_EQ(k().TMRBomba.count(), 5);
    EXPECT_EQ(k().WMPBomba.count(), 5);
    layAt(5, 12);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(f().Bombas[5].Activa, FALSO);
    EXPECT_EQ(f().PilaBombas, (std::array<Entero, 6>{4, 3, 2, 1, 0, -1}));
    putPlayer(12, 0);
    f().AvanzaBomba(2, true);
    s.p.endOfEvent();
    layAt(8, 0);
    EXPECT_EQ(f().PilaBombas[0], 2);
    EXPECT_EQ(f().Bombas[2].X, 8);
}

TEST_F(Bombs, ShiftSetsOffTheNewestFirstAndBeepsWithNone) {
    layAt(0, 12);
    layAt(4, 0);
    layAt(12, 4);
    putPlayer(8, 8);
    for (int newest = 2; newest >= 0; --newest) {
        const std::size_t m = mark();
        shift();
        EXPECT_EQ(heard(m), std::vector<std::string>{
                                on("WMPBomba(" + std::to_string(newest) + ")", Sonido::Explosion)});
        EXPECT_EQ(f().Bombas[newest].Activa, FALSO);
        if (newest > 0) {
            EXPECT_EQ(std::tie(f().Bombas[0].Activa, f().Bombas[0].Mecha),
                      std::make_tuple(VERDADERO, 4));
        }
        EXPECT_EQ(beeps(m), 0);
    }
    EXPECT_EQ(f().PilaBombas[0], -1);
    const std::size_t m = mark();
    shift();
    EXPECT_EQ(beeps(m), 1);
    EXPECT_TRUE(heard(m).empty());
}

TEST_F(Bombs, FlamesRunThreeCellsAlongOpenStreetsOnly) {
    struct Case {
        int bombX, bombY;
        std::vector<std::pair<int, int>> reached, spared;
    };
    // clang-format off
    const Case cases[] = {
        {6, 12, {{3, 12}, {9, 12}, {5, 12}}, {{2, 12}, {10, 12}}},                          // a street between walls
        {4, 8, {{4, 5}, {7, 8}, {4, 11}, {1, 8}}, {{4, 4}, {8, 8}, {4, 12}, {0, 8}}},        // a crossing
        {0, 4, {{0, 1}, {3, 4}, {0, 7}}, {{0, 0}, {4, 4}, {0, 8}}},                          // nothing west
        {11, 12, {{12, 12}, {8, 12}}, {{7, 12}}}};                                           // stops at the edge
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.bombX) + "," + std::to_string(c.bombY));
        clearWorms();
        int slot = 0;
        for (auto [x, y] : c.reached) putWorm(slot++, x, y, 0);
        const int firstSpared = slot;
        for (auto [x, y] : c.spared) putWorm(slot++, x, y, 0);
        f().MonstruosPorEntrar = 1;  // keep the phase going
        layAt(c.bombX, c.bombY);
        putPlayer(12, 0);
        shift();
        for (int i = 0; i < slot; ++i) EXPECT_EQ(wormAlive(i), i >= firstSpared) << "slot " << i;
    }
}

TEST_F(Bombs, PlayerOnHisOwnBombIsReachedOncePerOpenDirection) {
    putWorm(0, 3, 12, 0);
    f().MonstruosPorEntrar = 1;
    layAt(6, 12);
    shift();
    const auto t = texts("Label2");
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[0], "¡Has muerto! ");
    EXPECT_EQ(t[1], "¡Has muerto! ¡Has muerto! ");
    EXPECT_EQ(soundsOf(sounds(), Sonido::Llama), 2);
    EXPECT_TRUE(k().TMRMuerto.enabled());
    EXPECT_EQ(k().WMPAux.volume(), -60);
    EXPECT_FALSE(wormAlive(0));
    EXPECT_EQ(status(), "Monstruo eliminado ");
}

TEST_F(Bombs, TwoBombsOnOneCellChainAtRadiusZero) {
    f().MonstruosPorEntrar = 1;
    layAt(6, 12);
    layAt(6, 12);
    putPlayer(12, 0);
    const std::size_t m = mark();
    shift();
    EXPECT_EQ(std::tie(f().Bombas[0].Activa, f().Bombas[1].Activa), std::make_tuple(FALSO, FALSO));
    EXPECT_EQ(soundsOf(since(m, SimEvent::Kind::Sound), Sonido::Explosion), 2);
    EXPECT_NE(status().find(" Cadena de bombas!"), std::string::npos);
    for (Entero p : f().PilaBombas) EXPECT_EQ(p, -1);
}

TEST_F(Bombs, KillCountsEndTheExplosionText) {
    f().MonstruosPorEntrar = 1;
    const std::vector<std::vector<std::pair<int, int>>> worms = {
        {{4, 11}}, {{4, 11}, {5, 12}, {2, 12}}, {}};
    const char* said[] = {"Monstruo eliminado ", "3 monstruos eliminados!", ""};
    for (std::size_t i = 0; i < worms.size(); ++i) {
        int slot = 0;
        for (auto [x, y] : worms[i]) putWorm(slot++, x, y, 0);
        if (worms[i].empty()) key(tecla::BloqMayus);  // an explosion that kills none says nothing
        layAt(4, 12);
        putPlayer(12, 0);
        shift();
        EXPECT_EQ(status(), said[i]);
    }
}

TEST_F(Bombs, LastWormClearsThePhaseAtOnceAndDropsTheRestOfTheExplosion) {
    putWorm(0, 4, 11, 0);
    layAt(4, 4);  // further out: must not be set off
    layAt(4, 12);
    putPlayer(12, 0);
    shift();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "Busca la salida para pasar a la siguiente");
    EXPECT_EQ(boxes()[0].title, "¡Fase 1 superada!");
    EXPECT_EQ(f().Bombas[0].Activa, VERDADERO);
    EXPECT_EQ(f().Bombas[1].X, 4);  // the record keeps its position
    EXPECT_EQ(status(), "");
    EXPECT_TRUE(k().TMRSalida.enabled());
}

TEST_F(Bombs, AfterThePlayersDeathALiveBombTicksAndExplodesHarmlessly) {
    putWorm(0, 1, 12, 0);
    f().MonstruosPorEntrar = 1;
    layAt(3, 12);
    k().TMRMuerto.setEnabled(true);
    s.wait(800);  // the death: positions of every bomb cleared
    ASSERT_EQ(f().Bombas[0].X, -1);
    putWorm(0, 3, 12, 0);
    const std::size_t m = mark();
    s.wait(3200);
    EXPECT_EQ(soundsOf(since(m, SimEvent::Kind::Sound), Sonido::Mecha), 3);
    EXPECT_EQ(soundsOf(since(m, SimEvent::Kind::Sound), Sonido::Explosion), 1);
    EXPECT_TRUE(wormAlive(0));
    EXPECT_TRUE(texts("Label2", m).empty());
    EXPECT_EQ(f().PilaBombas[0], -1);
}

// A chained bomb that kills the last worm of the last phase closes the window; the explosion
// that set it off must not touch the closed window.
TEST_F(Bombs, ChainThatEndsTheGameLeavesTheClosedWindowAlone) {
    f().Fase = 25;
    putWorm(0, 4, 10, 0);
    layAt(0, 12);      // slot 0: reached by the outer flame only after the chain
    layAt(4, 12);      // slot 1: chained by the outer flame, kills the last worm
    layAt(2, 12);      // slot 2: set off by Shift
    putPlayer(0, 12);  // would be reached by the outer flame after the chain
    const std::size_t m = mark();
    shift();
    const auto closed =
        std::find_if(events().begin() + static_cast<long>(m), events().end(),
                     [](const SimEvent& e) { return e.kind == SimEvent::Kind::Close; });
    ASSERT_NE(closed, events().end());
    EXPECT_TRUE(
        since(static_cast<std::size_t>(closed - events().begin()), SimEvent::Kind::Text).empty());
    EXPECT_EQ(soundsOf(since(m, SimEvent::Kind::Sound), Sonido::Llama), 0);
    EXPECT_EQ(f().JuegoTerminado, VERDADERO);
    EXPECT_FALSE(f().cargada());
    EXPECT_EQ(f().Bombas[0].Activa, VERDADERO);
}

}  // namespace
}  // namespace gus::testing
