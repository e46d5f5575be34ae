// Phases: clearing, the exit and its beacon, passing through, deaths, the end of the game.
#include <algorithm>

#include "game_fixture.h"

namespace gus::testing {
namespace {

class Phases : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        clearWorms();
    }
    // Kills the last worm with a bomb; `draw` chooses the exit (0 north, .25 east, .5 south,
    // .75 west).
    void clearPhase(double draw, int playerX = 12, int playerY = 0) {
        clearWorms();
        f().MonstruosPorEntrar = 0;
        k().TMRColocaMon.setEnabled(false);
        putWorm(0, 4, 11, 0);
        putPlayer(4, 12);
        key(tecla::Espacio);
        putPlayer(playerX, playerY);
        s.p.random.force(draw);
        key(tecla::Mayusculas, tecla::BitShift);
    }
};

TEST_F(Phases, ClearingPhaseThreeOpensTheExitAndTheBeaconCalls) {
    f().Fase = 3;
    s.p.log.clear();
    clearPhase(0.5);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "¡Fase 3 superada!");
    EXPECT_EQ(boxes()[0].text, "Busca la salida para pasar a la siguiente");
    EXPECT_EQ(boxes()[0].buttons, Buttons::Ok);
    EXPECT_EQ(f().SalidaX, 7);
    EXPECT_EQ(f().SalidaY, 13);
    EXPECT_EQ(f().Tablero(7, 13), CeldaSalida);
    putPlayer(7, 12);
    s.p.log.clear();
    s.wait(1499);
    EXPECT_TRUE(soundsOn("WMPSalida").empty());
    s.wait(1);
    ASSERT_EQ(soundsOn("WMPSalida").size(), 1u);
    EXPECT_EQ(soundsOn("WMPSalida")[0].file, Sonido::Salida);
    EXPECT_EQ(soundsOn("WMPSalida")[0].balance, 0);
    EXPECT_EQ(soundsOn("WMPSalida")[0].volume, -300);
    s.wait(1500);
    EXPECT_EQ(soundsOn("WMPSalida").size(), 2u);
}

TEST_F(Phases, BeaconIsPlacedFromWhereTheExitLies) {
    clearPhase(0.25);  // east: (13, 7)
    putPlayer(0, 0);
    s.p.log.clear();
    s.wait(1500);
    ASSERT_EQ(soundsOn("WMPSalida").size(), 1u);
    EXPECT_EQ(soundsOn("WMPSalida")[0].balance, 6500);
    EXPECT_EQ(soundsOn("WMPSalida")[0].volume, -4429);
    putPlayer(7, 12);
    s.wait(1500);
    EXPECT_EQ(soundsOn("WMPSalida")[1].balance, 3000);
    EXPECT_EQ(soundsOn("WMPSalida")[1].volume, -2343);
}

struct ExitCase {
    double draw;
    int approachX, approachY;
    Entero arrow;
    int arriveX, arriveY;
    int balance, volume;
};

TEST_F(Phases, EachExitLeadsToTheOppositeEdgeWithTheDoorHeardFromThatSide) {
    const ExitCase cases[] = {
        {0.0, 7, 0, tecla::Arriba, 7, 12, 0, 0},
        {0.25, 12, 7, tecla::Derecha, 0, 7, -3000, -500},
        {0.5, 7, 12, tecla::Abajo, 7, 0, 0, -1000},
        {0.75, 0, 7, tecla::Izquierda, 12, 7, 3000, -500},
    };
    for (const ExitCase& c : cases) {
        SCOPED_TRACE(c.draw);
        clearWorms();
        const Entero fase = f().Fase;
        clearPhase(c.draw);
        putPlayer(c.approachX, c.approachY);
        s.p.log.clear();
        key(c.arrow);
        EXPECT_EQ(f().Jugador.X, c.arriveX);
        EXPECT_EQ(f().Jugador.Y, c.arriveY);
        EXPECT_EQ(f().Fase, fase + 1);
        ASSERT_EQ(boxes().size(), 1u);
        EXPECT_EQ(boxes()[0].text, "Pulsa  para empezar");
        EXPECT_EQ(boxes()[0].title, "Fase " + std::to_string(fase + 1));
        ASSERT_EQ(soundsOn("WMPAux").size(), 1u);
        EXPECT_EQ(soundsOn("WMPAux")[0].file, Sonido::Puerta);
        EXPECT_EQ(soundsOn("WMPAux")[0].balance, c.balance);
        EXPECT_EQ(soundsOn("WMPAux")[0].volume, c.volume);
        EXPECT_TRUE(eventsOf(SimEvent::Kind::Text).empty());  // not even Label1
        EXPECT_FALSE(k().TMRSalida.enabled());
        // The exit is a wall again: stepping back is refused.
        s.p.log.clear();
        const Entero back = c.arrow;
        putPlayer(c.approachX, c.approachY);
        key(back);
        EXPECT_EQ(beeps(), 1);
        EXPECT_EQ(f().Jugador.X, c.approachX);
        EXPECT_EQ(f().Jugador.Y, c.approachY);
    }
}

TEST_F(Phases, NextPhaseLetsItsWormsInThreeSecondsApart) {
    f().Fase = 3;
    clearPhase(0.5);
    putPlayer(7, 12);
    key(tecla::Abajo);
    ASSERT_EQ(f().Fase, 4);
    EXPECT_EQ(f().MonstruosPorEntrar, 4);
    EXPECT_EQ(f().MonstruosEnTablero, 0);
    s.wait(2999);
    EXPECT_EQ(f().MonstruosEnTablero, 0);
    s.wait(1);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    s.wait(9000);
    EXPECT_EQ(f().MonstruosEnTablero + 0, 4 - f().MonstruosPorEntrar);
    EXPECT_EQ(f().MonstruosPorEntrar, 0);
    EXPECT_FALSE(k().TMRColocaMon.enabled());
}

TEST_F(Phases, DeathWithLivesLeftRestartsThePhaseAndKeepsTheExit) {
    clearPhase(0.5);
    putWorm(0, 4, 4, 0);
    putWorm(1, 8, 4, 0);
    f().MonstruosPorEntrar = 1;
    putPlayer(12, 4);
    k().Label2.setCaption("x");
    k().TMRMuerto.setEnabled(true);
    s.wait(400);
    k().TMRMuerto.setEnabled(true);  // a second death in the pause does not add up
    s.wait(400);
    EXPECT_EQ(f().Vidas, 4);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(f().Jugador.X, 7);
    EXPECT_EQ(f().Jugador.Y, 12);
    EXPECT_EQ(f().MonstruosEnTablero, 0);
    EXPECT_EQ(f().MonstruosPorEntrar, 3);
    for (const RegistroMonstruo& m : f().Monstruos) EXPECT_EQ(m.Activo, FALSO);
    EXPECT_EQ(f().Tablero(4, 4), CeldaLibre);
    EXPECT_EQ(f().Tablero(7, 13), CeldaSalida);
    EXPECT_TRUE(k().TMRSalida.enabled());
    EXPECT_FALSE(k().TMRMuerto.enabled());
    s.wait(3000);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    s.wait(6000);
    EXPECT_EQ(f().MonstruosEnTablero, 3);
    EXPECT_EQ(f().Vidas, 4);
}

TEST_F(Phases, LastLifeAsksAndYesStartsANewGameInTheSameWindow) {
    f().Vidas = 1;
    f().Fase = 7;
    s.p.rawDialogs.queueAnswer(Answer::Yes);
    k().TMRMuerto.setEnabled(true);
    s.p.log.clear();
    s.wait(800);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "La partida ha terminado, ¿Deseas volver a jugar? ");
    EXPECT_EQ(boxes()[0].title, "GUSANICIDA");
    EXPECT_EQ(boxes()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(f().Vidas, 5);
    EXPECT_EQ(f().Fase, 1);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    EXPECT_TRUE(f().cargada());
}

TEST_F(Phases, LastLifeAndNoClosesTheWindowForGood) {
    putWorm(0, 4, 4, 1);
    f().Vidas = 1;
    k().TMRMuerto.setEnabled(true);
    s.p.log.clear();
    s.wait(800);
    EXPECT_EQ(f().JuegoTerminado, VERDADERO);
    EXPECT_FALSE(f().cargada());
    EXPECT_EQ(eventsOf(SimEvent::Kind::Close).size(), 1u);
    s.p.log.clear();
    s.wait(60000);
    key(tecla::V);
    EXPECT_TRUE(events().empty());  // no timer fires into the closed window, no key reaches it
    EXPECT_EQ(s.p.scheduler.nextDue(), std::nullopt);
}

TEST_F(Phases, ClearingPhase25EndsTheGameWithTheFinalDialog) {
    f().Fase = 25;
    s.p.log.clear();
    clearPhase(0.5);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "¡Has terminado el juego!");
    EXPECT_EQ(boxes()[0].title, "Fase superada");
    const auto dialogs = eventsOf(SimEvent::Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].window, "Dialog2");
    EXPECT_EQ(eventsOf(SimEvent::Kind::Close).size(), 1u);
    EXPECT_EQ(f().Tablero(7, 13), CeldaPared);  // no exit placed
    EXPECT_EQ(f().JuegoTerminado, VERDADERO);
}

TEST_F(Phases, DeathByTheFlameThatClearedThePhaseKeepsTheExitOpen) {
    putWorm(0, 4, 11, 0);
    putPlayer(4, 12);  // on his own bomb: the flame reaches him before the worm
    key(tecla::Espacio);
    s.p.random.force(0.0);
    key(tecla::Mayusculas, tecla::BitShift);
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(k().TMRMuerto.enabled());
    s.wait(800);
    EXPECT_EQ(f().Vidas, 4);
    EXPECT_EQ(f().Jugador.X, 7);
    EXPECT_EQ(f().Jugador.Y, 12);
    EXPECT_EQ(f().Tablero(7, -1), CeldaSalida);
    EXPECT_TRUE(k().TMRSalida.enabled());
}

// While a box is open the game's timers stand still and resume with the time they had left.
TEST_F(Phases, NoTimerFiresWhileABoxIsOpen) {
    putWorm(1, 0, 0, 3);
    putPlayer(12, 12);
    key(tecla::Espacio);  // a second bomb, ticking during the box
    s.wait(500);
    std::vector<SimEvent> duringBox;
    s.p.rawDialogs.setOnBox([&] {
        const std::size_t before = events().size();
        s.p.scheduler.advanceTo(s.p.scheduler.now() + 10000);
        duringBox.assign(events().begin() + static_cast<long>(before), events().end());
    });
    f().MonstruosEnTablero = 0;  // the next kill clears the phase
    putWorm(0, 4, 11, 0);
    f().MonstruosEnTablero = 1;
    f().Monstruos[1].Activo = FALSO;
    f().Monstruos[1].X = -1;
    f().Monstruos[1].Y = -1;
    putPlayer(4, 12);
    key(tecla::Espacio);
    putPlayer(0, 4);
    key(tecla::Mayusculas, tecla::BitShift);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(duringBox.empty());
    EXPECT_EQ(s.p.scheduler.now(), 500);
    s.p.log.clear();
    s.wait(500);  // the first bomb's first tick, 1000 ms after it was laid
    ASSERT_EQ(sounds().size(), 1u);
    EXPECT_EQ(sounds()[0].file, Sonido::Mecha);
}

}  // namespace
}  // namespace gus::testing
