// Start-up of a game: the board, the player, the first worm, the seed, the difficulty table.
#include "game_fixture.h"
#include "sound/sound_path.h"

namespace gus::testing {
namespace {

TEST(StartUp, EveryDifficultyAndSeedStartsTheSameBoardWithOneWormOnTheRing) {
    const int maxWorms[3] = {9, 9, 15}, acceleration[3] = {0, 35, 50};
    for (Entero d = 0; d <= 2; ++d) {
        for (std::int32_t seed = 1; seed <= 30; ++seed) {
            SCOPED_TRACE(::testing::Message() << "difficulty " << d << ", seed " << seed);
            auto s = nuevaSesion(d, seed);
            const Form1& f = s->form;
            ControlesForm1& k = s->form.controles();
            int cells[4] = {};  // wall, free, (unused), worm
            for (int x = kBordeMin; x <= kBordeMax; ++x)
                for (int y = kBordeMin; y <= kBordeMax; ++y) ++cells[f.Tablero(x, y) + 1];
            EXPECT_EQ(cells[0], 16 * 16 - 88);
            EXPECT_EQ(cells[1], 87);
            EXPECT_EQ(cells[3], 1);
            EXPECT_EQ(f.Tablero(7, 11), CeldaPared);
            EXPECT_EQ(f.Tablero(8, 11), CeldaLibre);
            const RegistroMonstruo& m = f.Monstruos[0];
            EXPECT_EQ(f.Tablero(m.X, m.Y), CeldaMonstruo);
            EXPECT_TRUE(onRing(m.X, m.Y) && esVerdadero(m.Activo));
            EXPECT_TRUE(m.Direccion >= 1 && m.Direccion <= 4) << m.Direccion;
            for (int i = 1; i < kRanurasMonstruo; ++i)
                EXPECT_FALSE(esVerdadero(f.Monstruos[i].Activo));
            EXPECT_EQ(f.MonstruosEnTablero, 1);
            EXPECT_EQ(f.MonstruosPorEntrar, 0);
            EXPECT_EQ(k.TMRMonstruo.count(), 1);
            EXPECT_EQ(k.TMRMonstruo[0].interval(), 3000);
            EXPECT_TRUE(k.TMRMonstruo[0].enabled());
            EXPECT_FALSE(k.TMRColocaMon.enabled());
            EXPECT_EQ(f.Dificultad, d);
            EXPECT_EQ(f.MaxMonstruos, maxWorms[d]);
            EXPECT_EQ(f.AceleracionFase, acceleration[d]);
            EXPECT_EQ(std::tie(f.Jugador.X, f.Jugador.Y, f.Jugador.Paso),
                      std::make_tuple(7, 12, 1));
            EXPECT_EQ(std::tie(f.Vidas, f.Fase, f.JuegoTerminado), std::make_tuple(5, 1, FALSO));
            for (Entero p : f.PilaBombas) EXPECT_EQ(p, -1);
            // Walls north, east, south, west: the east and west ones at the sides, the south one
            // nearer and a little to the right.
            const int balances[4] = {0, 3000, 200, -3000}, volumes[4] = {-600, -600, -300, -600};
            for (int w = 0; w < 4; ++w) {
                EXPECT_EQ(k.Wmp1[w]->balance(), balances[w]);
                EXPECT_EQ(k.Wmp1[w]->volume(), volumes[w]);
            }
            EXPECT_EQ(f.RutaSonidos, soundFolder(s->p.folder));
            EXPECT_EQ(f.SonidosJugador[0], f.RutaSonidos + Sonido::PasoA);
            EXPECT_EQ(f.SonidosJugador[1], f.RutaSonidos + Sonido::PasoB);
        }
    }
}

TEST(StartUp, SeedIsHourMinuteSecondPlusOneMultiplied) {
    struct Case {
        TimeOfDay t;
        std::int32_t seed;
    };
    for (const Case& c :
         {Case{{0, 0, 0}, 1}, Case{{23, 59, 59}, 86400}, Case{{10, 20, 30}, 11 * 21 * 31}}) {
        SimSession s;
        s.p.clock.setStart(c.t);
        s.load();
        EXPECT_EQ(s.p.random.lastSeed(), c.seed);
    }
}

TEST(StartUp, ExactlyOneSeparatorBeforeTheSoundFileName) {
    EXPECT_EQ(soundPath({"C:\\", '\\'}, "s.wav"), "C:\\s.wav");
    EXPECT_EQ(soundPath({"C:\\Juegos", '\\'}, "s.wav"), "C:\\Juegos\\s.wav");
    EXPECT_EQ(soundPath({"/opt/Mis Juegos/ñandú", '/'}, "a.wav"), "/opt/Mis Juegos/ñandú/a.wav");
}

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
    EXPECT_EQ(std::tie(f().Vidas, f().Fase), std::make_tuple(5, 1));
    EXPECT_EQ(count(CeldaMonstruo), 1);
    EXPECT_EQ(count(CeldaSalida), 0);
    EXPECT_FALSE(k().TMRSalida.enabled() || k().TMRBomba[0].enabled() || k().TMRMuerto.enabled());
    for (const RegistroBomba& b : f().Bombas) EXPECT_EQ(b.Activa, FALSO);
    const std::size_t m = mark();
    s.wait(10000);
    for (const SimEvent& e : since(m, SimEvent::Kind::Sound)) {
        EXPECT_NE(e.file, Sonido::Salida);
        EXPECT_NE(e.file, Sonido::Explosion);
    }
}

TEST_F(GameTest, WindowLoadedAgainKeepsTheVariablesStartUpDoesNotSet) {
    f().SalidaX = 13;
    s.unload();
    EXPECT_FALSE(f().cargada());
    s.load();
    EXPECT_EQ(f().SalidaX, 13);
    EXPECT_EQ(k().TMRMonstruo.count(), 1);
}

}  // namespace
}  // namespace gus::testing
