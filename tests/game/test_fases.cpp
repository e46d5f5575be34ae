// Phases: each exit and its door, deaths with lives left or none, boxes that hold the timers.
#include "game_fixture.h"
#include "tests/support/fields.h"

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
};

TEST_F(Phases, EachExitLeadsToTheOppositeEdgeWithTheDoorHeardFromThatSide) {
    // clang-format off
    const std::tuple<double, Cell, Entero, Cell, int, int> cases[] = {  // draw, from, key, to, door
        {0.0, {7, 0}, tecla::Arriba, {7, 12}, 0, 0}, {0.25, {12, 7}, tecla::Derecha, {0, 7}, -3000, -500},
        {0.5, {7, 12}, tecla::Abajo, {7, 0}, 0, -1000}, {0.75, {0, 7}, tecla::Izquierda, {12, 7}, 3000, -500}};
    // clang-format on
    // The boxes, texts and worms of the next phase are replayed line for line by the recorded
    // games.
    for (const auto& [draw, from, arrow, to, balance, volume] : cases) {
        clearPhase(draw);
        putPlayer(from.first, from.second);
        const std::size_t m = mark();
        key(arrow);
        const Cell arrived = player();
        putPlayer(from.first, from.second);
        key(arrow);  // the exit is a wall again: stepping back is refused
        const auto door = sounds("", m);
        ASSERT_EQ(door.size(), 1u);
        EXPECT_FIELDS(std::make_tuple(arrived, door[0].channel, door[0].file, door[0].balance,
                                      door[0].volume, beeps(m), player()),
                      std::make_tuple(to, std::string("WMPAux"), std::string(Sonido::Puerta),
                                      balance, volume, 1, from));
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
    EXPECT_FIELDS(std::make_tuple(f().Vidas, status(), player(), f().MonstruosEnTablero,
                                  f().MonstruosPorEntrar, count(CeldaMonstruo), f().Tablero(7, 13),
                                  k().TMRSalida.enabled()),
                  std::make_tuple(4, std::string(), Cell(7, 12), 0, 3, 0, CeldaSalida, true));
    for (const RegistroMonstruo& m : f().Monstruos) EXPECT_EQ(m.Activo, FALSO);
    EXPECT_FALSE(k().TMRMuerto.enabled() || k().TMRMonstruo[0].enabled() ||
                 k().TMRMonstruo[1].enabled());
    s.wait(3000);
    EXPECT_EQ(f().MonstruosEnTablero, 1);
    s.wait(6000);
    EXPECT_FIELDS(std::tie(f().MonstruosEnTablero, f().Vidas), std::make_tuple(3, 4));
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
    for (Timer* t : {&k().TMRColocaMon, &k().TMRSalida, &k().TMRMuerto}) t->setEnabled(true);
    s.wait(800);
    EXPECT_FIELDS(
        std::make_tuple(f().JuegoTerminado, f().cargada(), since(0, SimEvent::Kind::Close).size()),
        std::make_tuple(VERDADERO, false, 1ul));
    EXPECT_EQ(s.p.scheduler.nextDue(), std::nullopt);
    for (const Channel* c : channels()) EXPECT_FALSE(c->playing()) << c->name();
    const std::size_t m = mark();
    s.wait(60000);
    key(tecla::V);
    EXPECT_EQ(mark(), m);  // no timer fires into the closed window, no key reaches it
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
    EXPECT_FIELDS(std::make_tuple(boxes().size(), duringBox, s.p.scheduler.now()),
                  std::make_tuple(1ul, 0ul, 500));
    const std::size_t m = mark();
    s.wait(500);  // the first bomb's first tick, 1000 ms after it was laid
    EXPECT_EQ(heard(m), Strings{on("WMPBomba(0)", Sonido::Mecha)});
}

}  // namespace
}  // namespace gus::testing
