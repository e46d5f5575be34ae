// Start-up of a game: the board, the first worm, the seed, the difficulty table, a new game.
#include "game_fixture.h"
#include "sound/sound_path.h"

namespace gus::testing {
namespace {

// The board is fixed; only the first worm's place and heading are drawn, always on the ring round
// the central block. The difficulty sets how many worms fit and how fast they get.
TEST(StartUp, EveryDifficultyAndSeedStartsTheSameBoardWithOneWormOnTheRing) {
    const int maxWorms[3] = {9, 9, 15}, acceleration[3] = {0, 35, 50};
    for (Entero d = 0; d <= 2; ++d) {
        for (std::int32_t seed = 1; seed <= 30; ++seed) {
            auto s = newSession(d, seed);
            const Form1& f = s->form;
            int cells[4] = {};  // wall, free, (unused), worm
            for (int x = kBordeMin; x <= kBordeMax; ++x)
                for (int y = kBordeMin; y <= kBordeMax; ++y) ++cells[f.Tablero(x, y) + 1];
            const RegistroMonstruo& m = f.Monstruos[0];
            const bool ring = m.X >= 4 && m.X <= 8 && m.Y >= 4 && m.Y <= 8 &&
                              (m.X == 4 || m.X == 8 || m.Y == 4 || m.Y == 8);
            EXPECT_TRUE(ring && f.Tablero(m.X, m.Y) == CeldaMonstruo && m.Direccion >= 1 &&
                        m.Direccion <= 4);
            EXPECT_EQ(std::make_tuple(cells[0], cells[1], cells[3], f.Tablero(7, 11),
                                      f.Tablero(8, 11), f.MaxMonstruos, f.AceleracionFase),
                      std::make_tuple(16 * 16 - 88, 87, 1, CeldaPared, CeldaLibre, maxWorms[d],
                                      acceleration[d]))
                << "difficulty " << d << ", seed " << seed;
        }
    }
}

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

TEST(StartUp, ExactlyOneSeparatorBeforeTheSoundFileName) {
    EXPECT_EQ(soundPath({"C:\\", '\\'}, "s.wav"), "C:\\s.wav");
    EXPECT_EQ(soundPath({"C:\\Juegos", '\\'}, "s.wav"), "C:\\Juegos\\s.wav");
    EXPECT_EQ(soundPath({"/opt/Mis Juegos/ñandú", '/'}, "a.wav"), "/opt/Mis Juegos/ñandú/a.wav");
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

TEST_F(GameTest, WindowLoadedAgainKeepsTheVariablesStartUpDoesNotSet) {
    f().SalidaX = 13;
    s.unload();
    EXPECT_FALSE(f().cargada());
    s.load();
    EXPECT_EQ(std::make_tuple(f().SalidaX, k().TMRMonstruo.count()), std::make_tuple(13, 1));
}

}  // namespace
}  // namespace gus::testing
