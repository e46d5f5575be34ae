// The player's keys: the walls heard beside him, the radar, Caps Lock.
#include "game_fixture.h"

namespace gus::testing {
namespace {

using Keys = EmptyBoard;

// Where the walls are heard from, and every step's sounds, are replayed line for line by the
// recorded games; here, which sides sound and which fall silent.
TEST_F(Keys, EachStepSoundsTheWallsBesideItAlternatingItsSoundAndSilencesTheRest) {
    key(tecla::Arriba);                                 // refused: does not advance the alternation
    for (int i = 0; i < 3; ++i) key(tecla::Izquierda);  // (6, 12) ... (4, 12)
    EXPECT_EQ(heard(), (Strings{on("Wmp1(0)", Sonido::PasoA), on("Wmp1(2)", Sonido::PasoA),
                                on("Wmp1(0)", Sonido::PasoB), on("Wmp1(2)", Sonido::PasoB),
                                on("Wmp1(2)", Sonido::PasoA)}));
    putPlayer(4, 2);
    key(tecla::Abajo);  // (4, 3): walls east and west
    key(tecla::Abajo);  // (4, 4): none, so every wall falls silent; the alternation moves on
    for (int w = 0; w < 4; ++w) EXPECT_FALSE(k().Wmp1[w]->playing()) << w;
    const std::size_t m = mark();
    key(tecla::Abajo);
    EXPECT_EQ(heard(m), (Strings{on("Wmp1(1)", Sonido::PasoB), on("Wmp1(3)", Sonido::PasoB)}));
}

TEST_F(Keys, RadarCountsFreeCellsToTheFirstThingAheadIgnoringBombsAndARepeatGetsABlank) {
    // clang-format off
    const std::tuple<Cell, Entero, Cell, bool, const char*> cases[] = {  // player, key, worm, exit open
        {{0, 12}, tecla::Arriba, {-1, -1}, false, "/12"},    // wall at the far end of a street
        {{0, 12}, tecla::Izquierda, {-1, -1}, false, "/0"},  // wall next to the player
        {{4, 4}, tecla::Derecha, {-1, -1}, false, "/8"},     // along a whole row
        {{0, 12}, tecla::Derecha, {4, 12}, false, "3"},      // a worm three free cells away
        {{3, 0}, tecla::Izquierda, {2, 0}, false, "0"},      // a worm next to the player
        {{7, 12}, tecla::Abajo, {-1, -1}, true, "0"},        // the exit next to the player
        {{7, 12}, tecla::Abajo, {-1, -1}, false, "/0"},      // the border where the exit is not
        {{0, 8}, tecla::Abajo, {0, 8}, false, "1"},          // standing on a worm
        {{0, 12}, tecla::Derecha, {-1, -1}, false, "/12"}};  // a bomb at (2, 12) is not seen
    // clang-format on
    layAt(2, 12);
    for (const auto& [from, arrow, worm, exitOpen, answer] : cases) {
        clearWorms();
        if (worm.first >= 0) putWorm(0, worm.first, worm.second, 1);
        f().Tablero(7, 13) = exitOpen ? CeldaSalida : CeldaPared;
        putPlayer(from.first, from.second);
        k().Label2.setCaption("");
        key(arrow, tecla::BitCtrl);
        EXPECT_EQ(status(), answer);
    }
    // The same answer again gets a leading blank, and loses it the time after, so each is spoken.
    const std::size_t m = mark();
    key(tecla::Derecha, tecla::BitCtrl);
    key(tecla::Derecha, tecla::BitCtrl);
    EXPECT_EQ(texts("Label2", m), (Strings{" /12", "/12"}));
}

TEST_F(Keys, CapsLockClearsTheStatusTextAndIsConsumed) {
    key(tecla::V);
    Entero code = tecla::BloqMayus;
    f().Picture1_KeyDown(code, 0);
    s.p.endOfEvent();
    EXPECT_EQ(std::make_tuple(code, status(), texts("Label1")),
              std::make_tuple(Entero{0}, std::string(), Strings(2, "7, 12")));
}

TEST_F(Keys, AfterTheGameHasEndedOnlyCapsLockAndShiftAct) {
    f().JuegoTerminado = VERDADERO;
    const std::size_t m = mark();
    for (const Entero code : {tecla::Izquierda, tecla::Z}) key(code);
    key(tecla::Izquierda, tecla::BitCtrl);
    EXPECT_EQ(std::make_tuple(player(), mark()), std::make_tuple(Cell(7, 12), m));
    shift();
    key(tecla::BloqMayus);
    EXPECT_EQ(std::make_tuple(beeps(m), texts("Label2", m), texts("Label1", m).size()),
              std::make_tuple(1, Strings{""}, 0ul));
}

}  // namespace
}  // namespace gus::testing
