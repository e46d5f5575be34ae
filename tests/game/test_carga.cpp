// Start-up of a game: the board, the player, the first worm, the seed, the difficulty table.
#include "game_fixture.h"
#include "sound/sound_path.h"

namespace gus::testing {
namespace {

int count(const Form1& f, Entero value, bool playingAreaOnly) {
    int n = 0;
    for (int x = kBordeMin; x <= kBordeMax; ++x) {
        for (int y = kBordeMin; y <= kBordeMax; ++y) {
            if (playingAreaOnly && !enZonaDeJuego(x, y)) continue;
            n += f.Tablero(x, y) == value ? 1 : 0;
        }
    }
    return n;
}

bool onCentralRing(int x, int y) {
    return x >= 4 && x <= 8 && y >= 4 && y <= 8 && (x == 4 || x == 8 || y == 4 || y == 8);
}

using StartUp = GameTest;

TEST_F(StartUp, BoardHas88StreetCellsOneHoldingTheFirstWormOnTheCentralRing) {
    EXPECT_EQ(count(f(), CeldaLibre, true), 87);
    EXPECT_EQ(count(f(), CeldaMonstruo, true), 1);
    EXPECT_EQ(count(f(), CeldaPared, false), 16 * 16 - 88);
    EXPECT_EQ(f().Tablero(7, 12), CeldaLibre);
    EXPECT_EQ(f().Tablero(7, 11), CeldaPared);
    EXPECT_EQ(f().Tablero(6, 11), CeldaPared);
    EXPECT_EQ(f().Tablero(8, 11), CeldaLibre);
    const RegistroMonstruo& m = f().Monstruos[0];
    EXPECT_TRUE(onCentralRing(m.X, m.Y));
    EXPECT_EQ(f().Tablero(m.X, m.Y), CeldaMonstruo);
    EXPECT_GE(m.Direccion, 1);
    EXPECT_LE(m.Direccion, 4);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    EXPECT_EQ(f().MonstruosPorEntrar, 0);
    EXPECT_TRUE(k().TMRMonstruo[0].enabled());
    EXPECT_EQ(k().TMRMonstruo[0].interval(), 3000);
    EXPECT_FALSE(k().TMRColocaMon.enabled());
}

TEST_F(StartUp, PlayerLivesPhaseAndWallChannels) {
    EXPECT_EQ(f().Jugador.X, 7);
    EXPECT_EQ(f().Jugador.Y, 12);
    EXPECT_EQ(f().Jugador.Paso, 1);
    EXPECT_EQ(f().Vidas, 5);
    EXPECT_EQ(f().Fase, 1);
    EXPECT_EQ(f().JuegoTerminado, FALSO);
    EXPECT_EQ(k().Wmp1[0]->balance(), 0);
    EXPECT_EQ(k().Wmp1[0]->volume(), -600);
    EXPECT_EQ(k().Wmp1[1]->balance(), 3000);
    EXPECT_EQ(k().Wmp1[2]->balance(), 200);
    EXPECT_EQ(k().Wmp1[2]->volume(), -300);
    EXPECT_EQ(k().Wmp1[3]->balance(), -3000);
    for (Entero p : f().PilaBombas) EXPECT_EQ(p, -1);
}

TEST(StartUpSeed, SeedIsHourMinuteSecondPlusOneMultiplied) {
    struct Case {
        TimeOfDay t;
        std::int32_t seed;
    };
    for (const Case& c :
         {Case{{0, 0, 0}, 1}, Case{{23, 59, 59}, 86400}, Case{{10, 20, 30}, 11 * 21 * 31}}) {
        SimSession s;
        s.p.clock.setStart(c.t);
        s.load();
        ASSERT_TRUE(s.p.random.lastSeed().has_value());
        EXPECT_EQ(*s.p.random.lastSeed(), c.seed);
    }
}

TEST(StartUpDifficulty, TableOfMaxWormsAndAcceleration) {
    const int maxWorms[3] = {9, 9, 15};
    const int acceleration[3] = {0, 35, 50};
    for (int d = 0; d < 3; ++d) {
        SimSession s;
        s.dificultad = static_cast<Entero>(d);
        s.load();
        EXPECT_EQ(s.form.Dificultad, d);
        EXPECT_EQ(s.form.MaxMonstruos, maxWorms[d]);
        EXPECT_EQ(s.form.AceleracionFase, acceleration[d]);
    }
}

TEST(SoundFolder, ExactlyOneSeparatorBeforeTheFileName) {
    EXPECT_EQ(soundPath({"C:\\", '\\'}, "s.wav"), "C:\\s.wav");
    EXPECT_EQ(soundPath({"C:\\Juegos", '\\'}, "s.wav"), "C:\\Juegos\\s.wav");
    EXPECT_EQ(soundPath({"/", '/'}, "s.wav"), "/s.wav");
    EXPECT_EQ(soundPath({"/opt/Mis Juegos/ñandú", '/'}, "s.wav"), "/opt/Mis Juegos/ñandú/s.wav");
}

TEST_F(StartUp, RoutesEverySoundThroughTheProgramFolder) {
    EXPECT_EQ(f().RutaSonidos, soundFolder(s.p.folder));
    EXPECT_EQ(f().SonidosJugador[0], f().RutaSonidos + Sonido::PasoA);
    EXPECT_EQ(f().SonidosJugador[1], f().RutaSonidos + Sonido::PasoB);
}

// A new game in the same window after a lost one starts clean: no stray worm or exit on the
// board, no beacon, no timer of the old game, every bomb slot free.
TEST_F(StartUp, NewGameAfterLostGameStartsClean) {
    putWorm(1, 0, 0, 2);
    f().Tablero(7, 13) = CeldaSalida;
    k().WMPSalida.setFileName(f().RutaSonidos + Sonido::Salida);
    k().TMRSalida.setEnabled(true);
    key(tecla::Espacio);
    ASSERT_EQ(f().Bombas[0].Activa, VERDADERO);
    f().Vidas = 1;
    s.p.rawDialogs.queueAnswer(Answer::Yes);
    k().TMRMuerto.setEnabled(true);
    s.wait(800);
    EXPECT_EQ(f().Vidas, 5);
    EXPECT_EQ(f().Fase, 1);
    EXPECT_EQ(count(f(), CeldaMonstruo, false), 1);
    EXPECT_EQ(count(f(), CeldaSalida, false), 0);
    EXPECT_FALSE(k().TMRSalida.enabled());
    EXPECT_FALSE(k().TMRBomba[0].enabled());
    EXPECT_FALSE(k().TMRMuerto.enabled());
    for (const RegistroBomba& b : f().Bombas) EXPECT_EQ(b.Activa, FALSO);
    s.p.log.clear();
    s.wait(10000);
    for (const SimEvent& e : sounds()) {
        EXPECT_NE(e.file, Sonido::Salida);
        EXPECT_NE(e.file, Sonido::Explosion);
    }
}

TEST(Reload, WindowLoadedAgainKeepsVariablesStartUpDoesNotSet) {
    SimSession s;
    s.load();
    s.form.SalidaX = 13;
    s.form.SalidaY = 7;
    s.unload();
    EXPECT_FALSE(s.form.cargada());
    s.load();
    EXPECT_EQ(s.form.SalidaX, 13);
    EXPECT_EQ(s.form.SalidaY, 7);
    EXPECT_EQ(s.form.controles().TMRMonstruo.count(), 1);
}

}  // namespace
}  // namespace gus::testing
