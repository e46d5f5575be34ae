// Bombs: the fuse, Shift, the five-bomb limit, flames along the streets, chains and kill counts.
#include <algorithm>

#include "game_fixture.h"

namespace gus::testing {
namespace {

class Bombs : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        clearWorms();
    }
    // Lays a bomb where the player stands after moving him there.
    void layAt(int x, int y) {
        putPlayer(x, y);
        key(tecla::Espacio);
    }
    void shift() { key(tecla::Mayusculas, tecla::BitShift); }
    bool wormAlive(int slot) {
        return esVerdadero(f().Monstruos[static_cast<std::size_t>(slot)].Activo);
    }
    int soundsOf(const std::string& file) {
        const auto all = sounds();
        return static_cast<int>(std::count_if(all.begin(), all.end(),
                                              [&](const SimEvent& e) { return e.file == file; }));
    }
    std::vector<std::string> texts() {
        std::vector<std::string> out;
        for (const SimEvent& e : eventsOf(SimEvent::Kind::Text)) {
            if (e.label == "Label2") out.push_back(e.text);
        }
        return out;
    }
};

TEST_F(Bombs, TicksThreeTimesFromWhereThePlayerIsThenExplodesAtFullVolume) {
    layAt(7, 12);
    putPlayer(4, 8);  // 3 columns west and 4 rows north of the bomb
    s.p.log.clear();
    s.wait(3000);
    auto ticks = sounds();
    ASSERT_EQ(ticks.size(), 3u);
    for (const SimEvent& e : ticks) {
        EXPECT_EQ(e.channel, "WMPBomba(0)");
        EXPECT_EQ(e.file, Sonido::Mecha);
        EXPECT_EQ(e.balance, 1500);
        EXPECT_EQ(e.volume, -1500);
    }
    EXPECT_EQ(ticks[2].t, 3000);
    putPlayer(8, 11);  // one column east, one row north: the tick follows the player
    s.p.log.clear();
    s.wait(1000);
    auto boom = sounds();
    ASSERT_EQ(boom.size(), 1u);
    EXPECT_EQ(boom[0].file, Sonido::Explosion);
    EXPECT_EQ(boom[0].balance, -500);
    EXPECT_EQ(boom[0].volume, 0);
    EXPECT_EQ(f().Bombas[0].Activa, FALSO);
    EXPECT_EQ(f().Bombas[0].X, -1);
    EXPECT_FALSE(k().TMRBomba[0].enabled());
}

TEST_F(Bombs, TickOneColumnWestOneRowAway) {
    layAt(7, 12);
    putPlayer(8, 11);
    s.p.log.clear();
    s.wait(1000);
    ASSERT_EQ(sounds().size(), 1u);
    EXPECT_EQ(sounds()[0].balance, -500);
    EXPECT_EQ(sounds()[0].volume, -424);
}

TEST_F(Bombs, SixthBombBeepsAndAFreedSlotIsReusedLowestFirst) {
    // Far apart, so that no flame reaches another bomb.
    for (auto [x, y] : {std::pair{0, 0}, {12, 0}, {0, 12}, {12, 12}, {6, 4}}) layAt(x, y);
    EXPECT_EQ(k().TMRBomba.count(), 5);
    EXPECT_EQ(k().WMPBomba.count(), 5);
    s.p.log.clear();
    layAt(5, 12);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(f().Bombas[5].Activa, FALSO);
    const std::array<Entero, 6> stack{4, 3, 2, 1, 0, -1};
    EXPECT_EQ(f().PilaBombas, stack);
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
    shift();
    EXPECT_EQ(f().Bombas[2].Activa, FALSO);
    EXPECT_EQ(f().Bombas[1].Activa, VERDADERO);
    shift();
    EXPECT_EQ(f().Bombas[1].Activa, FALSO);
    EXPECT_EQ(f().Bombas[0].Activa, VERDADERO);
    EXPECT_EQ(f().Bombas[0].Mecha, 4);  // the older bombs keep their own fuses
    shift();
    EXPECT_EQ(f().PilaBombas[0], -1);
    s.p.log.clear();
    shift();
    EXPECT_EQ(beeps(), 1);
}

struct FlameCase {
    int bombX, bombY;
    std::vector<std::pair<int, int>> reached;
    std::vector<std::pair<int, int>> spared;
};

TEST_F(Bombs, FlamesRunThreeCellsAlongOpenStreetsOnly) {
    const FlameCase cases[] = {
        // A street between two walls: east and west only.
        {6, 12, {{3, 12}, {9, 12}, {5, 12}}, {{2, 12}, {10, 12}}},
        // A crossing: four ways.
        {4, 8, {{4, 5}, {7, 8}, {4, 11}, {1, 8}}, {{4, 4}, {8, 8}, {4, 12}, {0, 8}}},
        // Column 0: nothing west, three cells up and down.
        {0, 4, {{0, 1}, {3, 4}, {0, 7}}, {{0, 0}, {4, 4}, {0, 8}}},
        // Column 11: the flame stops at the edge.
        {11, 12, {{12, 12}, {8, 12}}, {{7, 12}}},
    };
    for (const FlameCase& c : cases) {
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
        for (int i = 0; i < firstSpared; ++i) EXPECT_FALSE(wormAlive(i)) << "slot " << i;
        for (int i = firstSpared; i < slot; ++i) EXPECT_TRUE(wormAlive(i)) << "slot " << i;
    }
}

TEST_F(Bombs, PlayerOnHisOwnBombIsReachedOncePerOpenDirection) {
    putWorm(0, 3, 12, 0);
    f().MonstruosPorEntrar = 1;
    layAt(6, 12);
    s.p.log.clear();
    shift();
    const auto t = texts();
    ASSERT_FALSE(t.empty());
    EXPECT_EQ(t[0], "¡Has muerto! ");
    EXPECT_EQ(t[1], "¡Has muerto! ¡Has muerto! ");
    EXPECT_EQ(soundsOf(Sonido::Llama), 2);
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
    s.p.log.clear();
    shift();
    EXPECT_EQ(f().Bombas[0].Activa, FALSO);
    EXPECT_EQ(f().Bombas[1].Activa, FALSO);
    EXPECT_EQ(soundsOf(Sonido::Explosion), 2);
    EXPECT_NE(status().find(" Cadena de bombas!"), std::string::npos);
    for (Entero p : f().PilaBombas) EXPECT_EQ(p, -1);
}

TEST_F(Bombs, KillCountsEndTheExplosionText) {
    f().MonstruosPorEntrar = 1;
    putWorm(0, 4, 11, 0);
    layAt(4, 12);
    putPlayer(12, 0);
    shift();
    EXPECT_EQ(status(), "Monstruo eliminado ");
    putWorm(0, 4, 11, 0);
    putWorm(1, 5, 12, 0);
    putWorm(2, 2, 12, 0);
    layAt(4, 12);
    putPlayer(12, 0);
    shift();
    EXPECT_EQ(status(), "3 monstruos eliminados!");
    key(tecla::BloqMayus);
    layAt(4, 12);
    putPlayer(12, 0);
    shift();
    EXPECT_EQ(status(), "");
}

TEST_F(Bombs, LastWormClearsThePhaseAtOnceAndDropsTheRestOfTheExplosion) {
    putWorm(0, 4, 11, 0);
    layAt(4, 4);  // further out: must not be set off
    layAt(4, 12);
    putPlayer(12, 0);
    s.p.log.clear();
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
    s.p.log.clear();
    s.wait(3200);
    EXPECT_EQ(soundsOf(Sonido::Mecha), 3);
    EXPECT_EQ(soundsOf(Sonido::Explosion), 1);
    EXPECT_TRUE(wormAlive(0));
    EXPECT_TRUE(texts().empty());
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
    s.p.log.clear();
    shift();
    const auto& all = events();
    const auto closed = std::find_if(
        all.begin(), all.end(), [](const SimEvent& e) { return e.kind == SimEvent::Kind::Close; });
    ASSERT_NE(closed, all.end());
    EXPECT_EQ(std::count_if(closed, all.end(),
                            [](const SimEvent& e) { return e.kind == SimEvent::Kind::Text; }),
              0);
    EXPECT_EQ(soundsOf(Sonido::Llama), 0);
    EXPECT_EQ(f().JuegoTerminado, VERDADERO);
    EXPECT_FALSE(f().cargada());
    EXPECT_EQ(f().Bombas[0].Activa, VERDADERO);
}

}  // namespace
}  // namespace gus::testing
