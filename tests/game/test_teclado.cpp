// The player's keys: steps and the walls heard beside him, the radar, questions, stale text.
#include "game_fixture.h"

namespace gus::testing {
namespace {

using Keys = EmptyBoard;
using Strings = std::vector<std::string>;

constexpr int kWallBalance[4] = {0, 3000, 200, -3000};  // north, east, south, west

std::string at(int x, int y) {
    return std::to_string(x) + ", " + std::to_string(y);
}

// --- steps and the walls beside the player -----------------------------------------------

TEST_F(Keys, EachStepSoundsTheWallsBesideTheNewCellFromTheirSide) {
    struct Case {
        int fromX, fromY;
        Entero arrow;
        bool southExitOpen;
        int toX, toY;
        Strings walls;
    };
    // clang-format off
    const Case cases[] = {
        {7, 12, tecla::Izquierda, false, 6, 12, {"Wmp1(0)", "Wmp1(2)"}},   // from the start cell
        {8, 12, tecla::Izquierda, false, 7, 12, {"Wmp1(0)", "Wmp1(2)"}},   // onto the start cell
        {8, 12, tecla::Izquierda, true, 7, 12, {"Wmp1(0)"}},                // exit open below
        {5, 12, tecla::Izquierda, false, 4, 12, {"Wmp1(2)"}},               // street meets border
        {4, 3, tecla::Abajo, false, 4, 4, {}},                              // an inner crossing
        {0, 1, tecla::Arriba, false, 0, 0, {"Wmp1(0)", "Wmp1(3)"}},        // north-west corner
        {11, 0, tecla::Derecha, false, 12, 0, {"Wmp1(0)", "Wmp1(1)"}},     // north-east corner
        {0, 2, tecla::Abajo, false, 0, 3, {"Wmp1(1)", "Wmp1(3)"}}};        // along a street
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(at(c.toX, c.toY));
        putPlayer(c.fromX, c.fromY);
        f().Jugador.Paso = 1;
        f().Tablero(7, 13) = c.southExitOpen ? CeldaSalida : CeldaPared;
        const std::size_t m = mark();
        key(c.arrow);
        expectPlayerAt(c.toX, c.toY);
        EXPECT_EQ(beeps(m), 0);
        Strings heardWalls;
        for (const SimEvent& e : since(m, SimEvent::Kind::Sound)) {
            heardWalls.push_back(e.channel);
            EXPECT_EQ(e.file, Sonido::PasoA);
            const int side = e.channel[5] - '0';
            EXPECT_EQ(e.balance, kWallBalance[side]);
            EXPECT_EQ(e.volume, side == 2 ? -300 : -600);
        }
        EXPECT_EQ(heardWalls, c.walls);
        EXPECT_EQ(f().Jugador.Paso, 2);
    }
}

TEST_F(Keys, StepIntoWallOrBorderIsRefusedWithABeepOnlyAndTheTailStillRuns) {
    // clang-format off
    const int cases[][3] = {{7, 12, tecla::Arriba}, {0, 12, tecla::Izquierda}, {12, 12, tecla::Abajo},
                            {12, 0, tecla::Derecha}, {0, 0, tecla::Arriba}, {2, 0, tecla::Abajo}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(at(c[0], c[1]));
        putPlayer(c[0], c[1]);
        f().Jugador.Paso = 2;
        const std::size_t m = mark();
        key(static_cast<Entero>(c[2]));
        expectPlayerAt(c[0], c[1]);
        EXPECT_EQ(beeps(m), 1);
        EXPECT_TRUE(heard(m).empty());
        EXPECT_EQ(f().Jugador.Paso, 2) << "a refused step does not sound, so Paso stays";
        EXPECT_EQ(texts("Label1", m), Strings{at(c[0], c[1])});
    }
}

TEST_F(Keys, EveryKeyButTheRadarReplacesTheWormChannels) {
    putWorm(0, 4, 4, 1);
    for (const Entero code : {tecla::Arriba, kSinOrden}) {  // a refused step, a key without command
        k().WMPMonstruo[0].setBalance(1234);
        k().WMPMonstruo[0].setVolume(-1);
        key(code);
        EXPECT_EQ(k().WMPMonstruo[0].balance(), -1500);  // 3 columns west
        EXPECT_EQ(k().WMPMonstruo[0].volume(), -2563);   // 300 x sqrt(73)
    }
    expectPlayerAt(7, 12);
    EXPECT_TRUE(heard().empty());
    EXPECT_TRUE(texts("Label2").empty());
    EXPECT_EQ(texts("Label1"), Strings(2, "7, 12"));
}

TEST_F(Keys, StepSoundAlternatesOnEveryStepTakenAndSilencesTheWallsLeft) {
    key(tecla::Arriba);                                 // refused: does not advance the alternation
    for (int i = 0; i < 3; ++i) key(tecla::Izquierda);  // (6, 12) ... (4, 12)
    EXPECT_EQ(heard(), (Strings{on("Wmp1(0)", Sonido::PasoA), on("Wmp1(2)", Sonido::PasoA),
                                on("Wmp1(0)", Sonido::PasoB), on("Wmp1(2)", Sonido::PasoB),
                                on("Wmp1(2)", Sonido::PasoA)}));
    EXPECT_FALSE(k().Wmp1[0]->playing()) << "no wall north of (4, 12)";
    putPlayer(4, 3);
    key(tecla::Abajo);  // (4, 4): no wall on any side, yet the alternation moves on
    const std::size_t m = mark();
    key(tecla::Abajo);
    EXPECT_EQ(heard(m), (Strings{on("Wmp1(1)", Sonido::PasoA), on("Wmp1(3)", Sonido::PasoA)}));
}

TEST_F(Keys, WalkingIntoTheExitStartsTheNextPhaseWithoutTheTail) {
    f().Tablero(7, 13) = CeldaSalida;
    putWorm(0, 7, 0, 2);  // where the player comes in: not checked for this key
    k().TMRMonstruo[0].setEnabled(false);
    key(tecla::Abajo);
    EXPECT_EQ(f().Fase, 2);
    expectPlayerAt(7, 0);
    EXPECT_TRUE(texts("Label1").empty());
    EXPECT_EQ(heard(), Strings{on("WMPAux", Sonido::Puerta)});
    EXPECT_EQ(f().Jugador.Paso, 1);
    EXPECT_FALSE(k().TMRMuerto.enabled());
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Keys, HeldArrowMovesOneCellPerRepeatWithoutABacklog) {
    putPlayer(0, 12);
    for (int i = 0; i < 90; ++i) {  // three seconds at 30 repeats a second
        SCOPED_TRACE(i);
        const std::size_t m = mark();
        const Millis t = s.p.scheduler.now();
        key(tecla::Derecha);
        const int x = std::min(i + 1, 12);
        expectPlayerAt(x, 12);
        EXPECT_EQ(texts("Label1", m), Strings{at(x, 12)});
        // Only this key's own step: the south border, a block wall north unless on a north-south
        // street, and the east border at the corner; then only beeps.
        const std::size_t walls = i < 12 ? 1u + (x % 4 != 0) + (x == 12) : 0u;
        EXPECT_EQ(heard(m).size(), walls);
        EXPECT_EQ(beeps(m), i < 12 ? 0 : 1);
        for (std::size_t e = m; e < events().size(); ++e) EXPECT_EQ(events()[e].t, t);
        s.wait(33);
    }
}

// --- the radar ----------------------------------------------------------------------------

TEST_F(Keys, RadarCountsFreeCellsToTheFirstThingAheadIgnoringBombs) {
    struct Case {
        int x, y;
        Entero arrow;
        int wormX, wormY;  // -1: no worm
        bool southExitOpen;
        const char* answer;
    };
    // clang-format off
    const Case cases[] = {
        {0, 12, tecla::Arriba, -1, -1, false, "/12"},    // wall at the far end of a street
        {0, 12, tecla::Izquierda, -1, -1, false, "/0"},  // wall next to the player
        {4, 4, tecla::Derecha, -1, -1, false, "/8"},     // along a whole row
        {0, 12, tecla::Derecha, 4, 12, false, "3"},      // a worm three free cells away
        {3, 0, tecla::Izquierda, 2, 0, false, "0"},      // a worm next to the player
        {7, 12, tecla::Abajo, -1, -1, true, "0"},        // the exit next to the player
        {7, 12, tecla::Abajo, -1, -1, false, "/0"},      // the border where the exit is not
        {0, 8, tecla::Abajo, 0, 8, false, "1"},          // standing on a worm
        {0, 12, tecla::Derecha, -1, -1, false, "/12"}};  // a bomb at (2, 12) is not seen
    // clang-format on
    layAt(2, 12);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        clearWorms();
        if (c.wormX >= 0) putWorm(0, c.wormX, c.wormY, 1);
        f().Tablero(7, 13) = c.southExitOpen ? CeldaSalida : CeldaPared;
        putPlayer(c.x, c.y);
        k().Label2.setCaption("");
        key(c.arrow, kCtrl);
        EXPECT_EQ(status(), c.answer);
    }
}

TEST_F(Keys, RepeatedRadarAnswerAlternatesALeadingBlankSoEachIsSpoken) {
    putWorm(0, 4, 12, 1);
    putPlayer(0, 12);
    for (int i = 0; i < 4; ++i) key(tecla::Derecha, kCtrl);
    EXPECT_EQ(texts("Label2"), (Strings{"3", " 3", "3", " 3"}));
}

TEST_F(Keys, RadarOnlyAnswersAndOnlyTheCtrlBitAsksIt) {
    // Standing on a worm: a walking key would kill the player here; the radar must not.
    putWorm(0, 0, 8, 1);
    putPlayer(0, 8);
    k().WMPMonstruo[0].setBalance(1234);
    key(tecla::Izquierda, tecla::BitShift | kCtrl);
    EXPECT_EQ(status(), "1");
    expectPlayerAt(0, 8);
    EXPECT_TRUE(texts("Label1").empty());
    EXPECT_FALSE(k().TMRMuerto.enabled());
    EXPECT_TRUE(k().TMRMonstruo[0].enabled());
    EXPECT_EQ(k().WMPMonstruo[0].balance(), 1234) << "worm channels are not re-placed";
    EXPECT_TRUE(heard().empty());
    EXPECT_EQ(beeps(), 0);
    clearWorms();
    putPlayer(7, 12);
    key(tecla::Izquierda, tecla::BitShift);
    key(tecla::Izquierda, tecla::BitAlt);
    expectPlayerAt(5, 12);
}

// --- questions and the status text -------------------------------------------------------

TEST_F(Keys, QuestionsAreAnsweredInTheStatusText) {
    struct Case {
        Entero code, lives, onBoard, waiting;
        int x, y;
        const char* answer;
    };
    // clang-format off
    const Case cases[] = {{tecla::V, 5, 0, 0, 7, 12, "5 vidas te quedan"}, {tecla::V, 1, 0, 0, 7, 12, "1 vidas te quedan"},
                          {tecla::A, 5, 2, 3, 7, 12, "2| 3"}, {tecla::A, 5, 0, 0, 7, 12, "0| 0"},
                          {tecla::Z, 5, 0, 0, 7, 12, "7, 12"}, {tecla::Z, 5, 0, 0, 0, 0, "0, 0"}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        f().Vidas = c.lives;
        f().MonstruosEnTablero = c.onBoard;
        f().MonstruosPorEntrar = c.waiting;
        putPlayer(c.x, c.y);
        const std::size_t m = mark();
        key(c.code);
        EXPECT_EQ(texts("Label2", m), Strings{c.answer});
        EXPECT_EQ(texts("Label1", m), Strings{at(c.x, c.y)});
        EXPECT_EQ(beeps(m), 0);
    }
}

TEST_F(Keys, CapsLockClearsTheStatusTextAndIsConsumed) {
    key(tecla::V);
    Entero code = tecla::BloqMayus;
    f().Picture1_KeyDown(code, 0);
    s.p.endOfEvent();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(texts("Label1"), Strings(2, "7, 12"));
}

TEST_F(Keys, AfterTheGameHasEndedOnlyCapsLockAndShiftAct) {
    key(tecla::V);
    f().JuegoTerminado = VERDADERO;
    const std::size_t m = mark();
    key(tecla::Izquierda);
    key(tecla::Z);
    key(tecla::Izquierda, kCtrl);
    expectPlayerAt(7, 12);
    EXPECT_EQ(mark(), m);
    shift();
    EXPECT_EQ(beeps(m), 1);
    key(tecla::BloqMayus);
    EXPECT_EQ(texts("Label2", m), Strings{""});
    EXPECT_TRUE(texts("Label1", m).empty());
}

TEST_F(Keys, StatusTextIsClearedByAKeyMoreThanFourSecondsOnWithinTheMinute) {
    // clang-format off
    const int cases[][3] = {  // written at second, wait in ms, cleared
        {58, 5000, 1}, {10, 63000, 0}, {10, 123000, 0}, {10, 4000, 0}, {10, 5000, 1}, {3, 55000, 1}, {30, 59000, 0}};
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "written at " << c[0] << ", wait " << c[1]);
        // Starts the clock so that it reads 12:00 and c[0] seconds now.
        const int start = static_cast<int>(
            (12 * 3600 + c[0] - s.p.scheduler.now() / 1000 % 86400 + 86400) % 86400);
        s.p.clock.setStart(TimeOfDay{start / 3600, start / 60 % 60, start % 60});
        key(tecla::V);
        EXPECT_EQ(f().SegundoMensaje, c[0]);
        s.wait(c[1]);
        key(kSinOrden);
        EXPECT_EQ(status(), c[2] ? "" : "5 vidas te quedan");
    }
}

// --- walking into a worm -------------------------------------------------------------------

TEST_F(Keys, WalkingIntoAWormStopsEveryWormAndStartsTheDeathOnEveryKeyThere) {
    for (const Entero lives : {Entero{5}, Entero{2}, Entero{1}}) {
        SCOPED_TRACE(lives);
        clearWorms();
        k().TMRMuerto.setEnabled(false);
        putWorm(0, 6, 12, 4);
        putWorm(1, 0, 2, 1);
        putPlayer(7, 12);
        f().Vidas = lives;
        key(tecla::V);
        const std::string death = "¡Has muerto! Te quedan " + std::to_string(lives - 1) + " vidas.";
        const std::size_t m = mark();
        key(tecla::Izquierda);
        expectPlayerAt(6, 12);
        EXPECT_FALSE(k().TMRMonstruo[0].enabled() || k().TMRMonstruo[1].enabled());
        EXPECT_TRUE(k().TMRMuerto.enabled());
        EXPECT_EQ(status(), std::to_string(lives) + " vidas te quedan" + death);
        EXPECT_EQ(f().Vidas, lives);
        EXPECT_EQ(heard(m), Strings{on("Wmp1(4)", Sonido::GusanoTeMata)})
            << "the death, and no step sound";
        EXPECT_EQ(texts("Label1", m), Strings{"6, 12"});
        k().TMRMuerto.setEnabled(false);
        key(kSinOrden);  // still standing on the worm
        EXPECT_EQ(status(), std::to_string(lives) + " vidas te quedan" + death + death);
        EXPECT_EQ(heard(m).size(), 2u);
        EXPECT_TRUE(k().TMRMuerto.enabled());
    }
}

}  // namespace
}  // namespace gus::testing
