// Start-up of a game: the seed from the clock, and a new game after a lost one.
#include "game_fixture.h"

namespace gus::testing {
namespace {

TEST(StartUp, SeedIsHourMinuteSecondPlusOneMultiplied) {
    const std::pair<TimeOfDay, std::int32_t> cases[] = {
        {{0, 0, 0}, 1}, {{23, 59, 59}, 86400}, {{10, 20, 30}, 11 * 21 * 31}};
    for (const auto& [t, seed] : cases) {
        SimSession s;
        s.p.clock.setStart(t);
        s.load();
        EXPECT_EQ(s.p.random.lastSeed(), seed);
    }
}

using GameTest = EmptyBoard;

// A new game in the same window after a lost one: no stray worm or exit, no beacon, no timer
// or bomb of the old game.
TEST_F(GameTest, NewGameAfterALostGameStartsClean) {
    putWorm(1, 0, 0, 2);
    f().Tablero(7, 13) = CeldaSalida;
    k().WMPSalida.setFileName(f().RutaSonidos + Sonido::Salida);
    k().TMRSalida.setEnabled(true);
    key(tecla::Espacio);
    f().Vidas = 1;
    s.p.rawDialogs.queueAnswer(Answer::Yes);
    k().TMRMuerto.setEnabled(true);
    s.wait(800);
    EXPECT_EQ(std::make_tuple(f().Vidas, f().Fase, count(CeldaMonstruo), count(CeldaSalida)),
              std::make_tuple(5, 1, 1, 0));
    EXPECT_FALSE(k().TMRSalida.enabled() || k().TMRBomba[0].enabled() || k().TMRMuerto.enabled());
    for (const RegistroBomba& b : f().Bombas) EXPECT_EQ(b.Activa, FALSO);
    const std::size_t m = mark();
    s.wait(10000);
    EXPECT_EQ(heardFile(Sonido::Salida, m) + heardFile(Sonido::Explosion, m), 0);
}

}  // namespace
}  // namespace gus::testing
