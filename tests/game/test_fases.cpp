// Phases: clearing, the exit and its beacon, passing through, deaths, the end of the game.
#include "game_fixture.h"

namespace gus::testing {
namespace {

class Phases : public EmptyBoard {
  protected:
    // Kills the last worm with a bomb; `draw` chooses the exit (0 north, .25 east, .5 south,
    // .75 west).
    void clearPhase(double draw) {
        clearWorms();
        f().MonstruosPorEntrar = 0;
        k().TMRColocaMon.setEnabled(false);
        putWorm(0, 4, 11, 0);
        layAt(4, 12);
        putPlayer(12, 0);
        s.p.random.force(draw);
        shift();
    }
    void expectBeacon(std::size_t from, int balance, int volume) {
        const auto beacon = since(from, SimEvent::Kind::Sound, "WMPSalida");
        ASSERT_EQ(beacon.size(), 1u);
        EXPECT_EQ(std::tie(beacon[0].file, beacon[0].balance, beacon[0].volume),
                  std::make_tuple(std::string(Sonido::Salida), balance, volume));
    }
};

TEST_F(Phases, ClearingAPhaseOpensTheExitWhoseBeaconCallsFromThereEveryOneAndAHalfSeconds) {
    f().Fase = 3;
    clearPhase(0.5);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].title, "¡Fase 3 superada!");
    EXPECT_EQ(boxes()[0].text, "Busca la salida para pasar a la siguiente");
    EXPECT_EQ(boxes()[0].buttons, Buttons::Ok);
    EXPECT_EQ(std::tie(f().SalidaX, f().SalidaY), std::make_tuple(7, 13));
    EXPECT_EQ(f().Tablero(7, 13), CeldaSalida);
    putPlayer(7, 12);
    std::size_t m = mark();
    s.wait(1499);
    EXPECT_TRUE(sounds("WMPSalida").empty());
    s.wait(1);
    expectBeacon(m, 0, -300);
    clearPhase(0.25);  // east: (13, 7)
    putPlayer(0, 0);
    m = mark();
    s.wait(1500);
    expectBeacon(m, 6500, -4429);
    putPlayer(7, 12);
    m = mark();
    s.wait(1500);
    expectBeacon(m, 3000, -2343);
}

TEST_F(Phases, EachExitLeadsToTheOppositeEdgeWithTheDoorHeardFromThatSide) {
    struct Case {
        double draw;
        int approachX, approachY;
        Entero arrow;
        int arriveX, arriveY, balance, volume;
    };
    // clang-format off
    const Case cases[] = {{0.0, 7, 0, tecla::Arriba, 7, 12, 0, 0}, {0.25, 12, 7, tecla::Derecha, 0, 7, -3000, -500},
                          {0.5, 7, 12, tecla::Abajo, 7, 0, 0, -1000}, {0.75, 0, 7, tecla::Izquierda, 12, 7, 3000, -500}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.draw);
        const Entero fase = f().Fase;
        clearPhase(c.draw);
        putPlayer(c.approachX, c.approachY);
        const std::size_t m = mark();
        key(c.arrow);
        expectPlayerAt(c.arriveX, c.arriveY);
        EXPECT_EQ(f().Fase, fase + 1);
        const auto box = since(m, SimEvent::Kind::Box);
        ASSERT_EQ(box.size(), 1u);
        EXPECT_EQ(box[0].text, "Pulsa  para empezar");
        EXPECT_EQ(box[0].title, "Fase " + std::to_string(fase + 1));
        const auto door = since(m, SimEvent::Kind::Sound);
        ASSERT_EQ(door.size(), 1u);
        EXPECT_EQ(std::tie(door[0].channel, door[0].file, door[0].balance, door[0].volume),
                  std::make_tuple(std::string("WMPAux"), std::string(Sonido::Puerta), c.balance,
                                  c.volume));
        EXPECT_TRUE(since(m, SimEvent::Kind::Text).empty());  // not even Label1
        EXPECT_FALSE(k().TMRSalida.enabled());
        // The next phase lets as many worms in as its number.
        EXPECT_EQ(std::tie(f().MonstruosEnTablero, f().MonstruosPorEntrar),
                  std::make_tuple(0, fase + 1));
        EXPECT_TRUE(k().TMRColocaMon.enabled());
        // The exit is a wall again: stepping back is refused.
        putPlayer(c.approachX, c.approachY);
        key(c.arrow);
        EXPECT_EQ(beeps(m), 1);
        expectPlayerAt(c.approachX, c.approachY);
    }
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
    expectPlayerAt(7, 12);
    EXPECT_EQ(std::tie(f().MonstruosEnTablero, f().MonstruosPorEntrar), std::make_tuple(0, 3));
    for (const RegistroMonstruo& m : f().Monstruos) EXPECT_EQ(m.Activo, FALSO);
    EXPECT_EQ(f().Tablero(4, 4), CeldaLibre);
    EXPECT_EQ(f().Tablero(7, 13), CeldaSalida);
    EXPECT_TRUE(k().TMRSalida.enabled());
    EXPECT_FALSE(k().TMRMuerto.enabled() || k().TMRMonstruo[0].enabled() ||
                 k().TMRMonstruo[1].enabled());
    s.wait(3000);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    s.wait(6000);
    EXPECT_EQ(std::tie(f().MonstruosEnTablero, f().Vidas), std::make_tuple(3, 4));
}

TEST_F(Phases, LastLifeAsksAndYesStartsANewGameInTheSameWindow) {
    f().Vidas = 1;
    f().Fase = 7;
    s.p.rawDialogs.queueAnswer(Answer::Yes);
    k().TMRMuerto.setEnabled(true);
    s.wait(800);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "La partida ha terminado, ¿Deseas volver a jugar? ");
    EXPECT_EQ(boxes()[0].title, "GUSANICIDA");
    EXPECT_EQ(boxes()[0].buttons, Buttons::YesNo);
    EXPECT_EQ(std::tie(f().Vidas, f().Fase, f().MonstruosEnTablero), std::make_tuple(5, 1, 1));
    EXPECT_TRUE(f().cargada());
}

TEST_F(Phases, LastLifeAndNoClosesTheWindowForGoodWithEveryTimerStoppedAndEveryChannelSilent) {
    putWorm(0, 4, 4, 1);
    layAt(12, 0);
    for (Channel* c : channels()) {  // the longest sound there is, still playing at the close
        c->setFileName(f().RutaSonidos + Sonido::MusicaMenu);
        c->play();
    }
    f().Vidas = 1;
    f().MonstruosPorEntrar = 2;
    k().TMRColocaMon.setEnabled(true);
    k().TMRSalida.setEnabled(true);
    k().TMRMuerto.setEnabled(true);
    s.wait(800);
    EXPECT_EQ(f().JuegoTerminado, VERDADERO);
    EXPECT_FALSE(f().cargada());
    EXPECT_EQ(since(0, SimEvent::Kind::Close).size(), 1u);
    EXPECT_EQ(s.p.scheduler.nextDue(), std::nullopt);
    for (const Channel* c : channels()) EXPECT_FALSE(c->playing()) << c->name();
    const std::size_t m = mark();
    s.wait(60000);
    key(tecla::V);
    EXPECT_EQ(mark(), m);  // no timer fires into the closed window, no key reaches it
}

TEST_F(Phases, ClearingPhase25EndsTheGameWithTheFinalDialog) {
    f().Fase = 25;
    clearPhase(0.5);
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(boxes()[0].text, "¡Has terminado el juego!");
    EXPECT_EQ(boxes()[0].title, "Fase superada");
    const auto dialogs = since(0, SimEvent::Kind::Dialog);
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].window, "Dialog2");
    EXPECT_EQ(since(0, SimEvent::Kind::Close).size(), 1u);
    EXPECT_EQ(count(CeldaSalida), 0);
    EXPECT_EQ(f().JuegoTerminado, VERDADERO);
}

TEST_F(Phases, DeathByTheFlameThatClearedThePhaseKeepsTheExitOpen) {
    putWorm(0, 4, 11, 0);
    layAt(4, 12);  // on his own bomb: the flame reaches him before the worm
    s.p.random.force(0.0);
    shift();
    EXPECT_EQ(boxes().size(), 1u);
    EXPECT_TRUE(k().TMRMuerto.enabled());
    s.wait(800);
    EXPECT_EQ(f().Vidas, 4);
    expectPlayerAt(7, 12);
    EXPECT_EQ(f().Tablero(7, -1), CeldaSalida);
    EXPECT_TRUE(k().TMRSalida.enabled());
}

// While a box is open the game's timers stand still and resume with the time they had left.
TEST_F(Phases, NoTimerFiresWhileABoxIsOpen) {
    putWorm(1, 0, 0, 3);
    layAt(12, 12);  // a second bomb, ticking during the box
    s.wait(500);
    std::size_t duringBox = 1;
    s.p.rawDialogs.setOnBox([&] {
        const std::size_t before = mark();
        s.p.scheduler.advanceTo(s.p.scheduler.now() + 10000);
        duringBox = mark() - before;
    });
    freeWormSlot(1);
    putWorm(0, 4, 11, 0);  // the next kill clears the phase
    layAt(4, 12);
    putPlayer(0, 4);
    shift();
    ASSERT_EQ(boxes().size(), 1u);
    EXPECT_EQ(duringBox, 0u);
    EXPECT_EQ(s.p.scheduler.now(), 500);
    const std::size_t m = mark();
    s.wait(500);  // the first bomb's first tick, 1000 ms after it was laid
    EXPECT_EQ(heard(m), std::vector<std::string>{on("WMPBomba(0)", Sonido::Mecha)});
}

}  // namespace
}  // namespace gus::testing
