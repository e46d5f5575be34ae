// The player's keys: steps and the walls heard beside him, the radar, questions, stale text.
#include <algorithm>
#include <string>
#include <vector>

#include "game_fixture.h"

namespace gus::testing {
namespace {

constexpr Entero kCtrl = tecla::BitCtrl;
constexpr Entero kTeclaSinOrden = 66;  // 'B': a key with no command of its own

const std::string kNorte = "Wmp1(0)";
const std::string kEste = "Wmp1(1)";
const std::string kSur = "Wmp1(2)";
const std::string kOeste = "Wmp1(3)";

bool esCanalDePared(const std::string& canal) {
    return canal == kNorte || canal == kEste || canal == kSur || canal == kOeste;
}

class Keys : public GameTest {
  protected:
    void SetUp() override {
        GameTest::SetUp();
        clearWorms();
    }

    std::size_t mark() const { return events().size(); }

    // "channel file" of every sound started since `from`, in the order they started.
    std::vector<std::string> heardSince(std::size_t from) const {
        std::vector<std::string> out;
        for (std::size_t i = from; i < events().size(); ++i) {
            const SimEvent& e = events()[i];
            if (e.kind == SimEvent::Kind::Sound) out.push_back(e.channel + " " + e.file);
        }
        return out;
    }
    std::vector<std::string> wallSoundsSince(std::size_t from) const {
        std::vector<std::string> out;
        for (std::size_t i = from; i < events().size(); ++i) {
            const SimEvent& e = events()[i];
            if (e.kind == SimEvent::Kind::Sound && esCanalDePared(e.channel)) {
                out.push_back(e.channel + " " + e.file);
            }
        }
        return out;
    }
    std::vector<std::string> textsSince(const std::string& label, std::size_t from = 0) const {
        std::vector<std::string> out;
        for (std::size_t i = from; i < events().size(); ++i) {
            const SimEvent& e = events()[i];
            if (e.kind == SimEvent::Kind::Text && e.label == label) out.push_back(e.text);
        }
        return out;
    }
    int beepsSince(std::size_t from) const {
        int n = 0;
        for (std::size_t i = from; i < events().size(); ++i) {
            n += events()[i].kind == SimEvent::Kind::Beep ? 1 : 0;
        }
        return n;
    }
    void expectPlayerAt(int x, int y) {
        EXPECT_EQ(f().Jugador.X, x);
        EXPECT_EQ(f().Jugador.Y, y);
    }
    void setStatus(const std::string& text) { k().Label2.setCaption(text); }
};

// --- steps and the walls beside the player -----------------------------------------------

struct StepCase {
    const char* name;
    int fromX, fromY;
    Entero arrow;
    bool southExitOpen;
    int toX, toY;
    std::vector<std::string> channels;  // the wall channels that sound, north, east, south, west
};

TEST_F(Keys, EachStepSoundsTheWallsBesideTheNewCell) {
    const std::vector<StepCase> cases = {
        {"from the start cell west", 7, 12, tecla::Izquierda, false, 6, 12, {kNorte, kSur}},
        {"onto the start cell", 8, 12, tecla::Izquierda, false, 7, 12, {kNorte, kSur}},
        {"onto the start cell, exit open below", 8, 12, tecla::Izquierda, true, 7, 12, {kNorte}},
        {"onto a street meeting the border", 5, 12, tecla::Izquierda, false, 4, 12, {kSur}},
        {"onto an inner crossing", 4, 3, tecla::Abajo, false, 4, 4, {}},
        {"into the north-west corner", 0, 1, tecla::Arriba, false, 0, 0, {kNorte, kOeste}},
        {"into the north-east corner", 11, 0, tecla::Derecha, false, 12, 0, {kNorte, kEste}},
        {"along a north-south street", 0, 2, tecla::Abajo, false, 0, 3, {kEste, kOeste}},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        putPlayer(c.fromX, c.fromY);
        f().Jugador.Paso = 1;
        f().Tablero(7, 13) = c.southExitOpen ? CeldaSalida : CeldaPared;
        const std::size_t m = mark();
        key(c.arrow);
        expectPlayerAt(c.toX, c.toY);
        EXPECT_EQ(beepsSince(m), 0);
        std::vector<std::string> expected;
        for (const std::string& canal : c.channels) expected.push_back(canal + " " + Sonido::PasoA);
        EXPECT_EQ(heardSince(m), expected);
        EXPECT_EQ(f().Jugador.Paso, 2);
    }
}

TEST_F(Keys, WallChannelsKeepTheirSidesInTheStereoField) {
    // (0, 3) has walls east and west; (0, 0) north and west; (7, 12) north and south.
    putPlayer(0, 2);
    key(tecla::Abajo);
    putPlayer(12, 1);
    key(tecla::Arriba);
    putPlayer(8, 12);
    key(tecla::Izquierda);
    for (const SimEvent& e : sounds()) {
        SCOPED_TRACE(e.channel);
        const int balance = e.channel == kEste    ? 3000
                            : e.channel == kOeste ? -3000
                            : e.channel == kSur   ? 200
                                                  : 0;
        EXPECT_EQ(e.balance, balance);
        EXPECT_EQ(e.volume, e.channel == kSur ? -300 : -600);
    }
    EXPECT_EQ(sounds().size(), 6u);
}

struct RefusedCase {
    const char* name;
    int x, y;
    Entero arrow;
};

TEST_F(Keys, StepIntoWallOrBorderIsRefusedWithABeepOnly) {
    const std::vector<RefusedCase> cases = {
        {"block wall north of the start", 7, 12, tecla::Arriba},
        {"west border", 0, 12, tecla::Izquierda},
        {"south border", 12, 12, tecla::Abajo},
        {"east border", 12, 0, tecla::Derecha},
        {"north border", 0, 0, tecla::Arriba},
        {"block wall south of a street", 2, 0, tecla::Abajo},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.name);
        putPlayer(c.x, c.y);
        f().Jugador.Paso = 2;
        const std::size_t m = mark();
        key(c.arrow);
        expectPlayerAt(c.x, c.y);
        EXPECT_EQ(beepsSince(m), 1);
        EXPECT_TRUE(heardSince(m).empty());
        EXPECT_EQ(f().Jugador.Paso, 2) << "a refused step does not sound, so Paso stays";
        // The tail of the handler still runs: the position text is written again.
        EXPECT_EQ(textsSince("Label1", m),
                  std::vector<std::string>{std::to_string(c.x) + ", " + std::to_string(c.y)});
    }
}

TEST_F(Keys, RefusedStepStillReplacesTheWormChannels) {
    putWorm(0, 4, 4, 1);
    k().WMPMonstruo[0].setBalance(1234);
    k().WMPMonstruo[0].setVolume(-1);
    key(tecla::Arriba);
    EXPECT_EQ(beeps(), 1);
    EXPECT_EQ(k().WMPMonstruo[0].balance(), -1500);  // 3 columns west
    EXPECT_EQ(k().WMPMonstruo[0].volume(), -2563);   // 300 x sqrt(73)
    EXPECT_TRUE(heardSince(0).empty());
}

TEST_F(Keys, StepSoundAlternatesBetweenTheTwoFilesStartingWithTheFirst) {
    const std::vector<std::string> files = {Sonido::PasoA, Sonido::PasoB, Sonido::PasoA,
                                            Sonido::PasoB};
    for (std::size_t i = 0; i < files.size(); ++i) {
        SCOPED_TRACE(i);
        const std::size_t m = mark();
        key(tecla::Izquierda);  // (6, 12) ... (3, 12): every one has a wall beside it
        const std::vector<SimEvent> now(events().begin() + static_cast<long>(m), events().end());
        int steps = 0;
        for (const SimEvent& e : now) {
            if (e.kind != SimEvent::Kind::Sound) continue;
            EXPECT_EQ(e.file, files[i]);
            ++steps;
        }
        EXPECT_GE(steps, 1);
        EXPECT_EQ(f().Jugador.Paso, i % 2 == 0 ? 2 : 1);
    }
}

TEST_F(Keys, SilentStepOnACrossingStillAdvancesTheAlternation) {
    putPlayer(4, 3);
    key(tecla::Abajo);  // (4, 4): no wall on any side
    EXPECT_TRUE(heardSince(0).empty());
    EXPECT_EQ(f().Jugador.Paso, 2);
    const std::size_t m = mark();
    key(tecla::Abajo);  // (4, 5): walls east and west
    EXPECT_EQ(heardSince(m), (std::vector<std::string>{kEste + " " + Sonido::PasoB,
                                                       kOeste + " " + Sonido::PasoB}));
}

TEST_F(Keys, StepSilencesTheWallsOfTheCellLeft) {
    putPlayer(0, 2);
    key(tecla::Abajo);  // (0, 3): walls east and west
    ASSERT_TRUE(k().Wmp1[1]->playing());
    key(tecla::Abajo);  // (0, 4): the west border only
    EXPECT_FALSE(k().Wmp1[1]->playing());
    EXPECT_TRUE(k().Wmp1[3]->playing());
}

TEST_F(Keys, RefusedStepDoesNotAdvanceTheAlternation) {
    key(tecla::Arriba);
    key(tecla::Izquierda);
    EXPECT_EQ(wallSoundsSince(0),
              (std::vector<std::string>{kNorte + " " + Sonido::PasoA, kSur + " " + Sonido::PasoA}));
}

TEST_F(Keys, WalkingIntoTheExitStartsTheNextPhaseWithoutTheTail) {
    f().Tablero(7, 13) = CeldaSalida;
    putWorm(0, 7, 0, 2);  // where the player comes in: not checked for this key
    k().TMRMonstruo[0].setEnabled(false);
    key(tecla::Abajo);
    EXPECT_EQ(f().Fase, 2);
    expectPlayerAt(7, 0);
    EXPECT_TRUE(textsSince("Label1").empty());
    EXPECT_TRUE(wallSoundsSince(0).empty());
    EXPECT_EQ(f().Jugador.Paso, 1);
    EXPECT_FALSE(k().TMRMuerto.enabled());
    EXPECT_EQ(beeps(), 0);
}

// --- holding an arrow key down -----------------------------------------------------------

TEST_F(Keys, HeldArrowMovesOneCellPerRepeatWithoutABacklog) {
    putPlayer(0, 12);
    const int repeats = 90;  // three seconds at 30 repeats a second
    for (int i = 0; i < repeats; ++i) {
        SCOPED_TRACE(i);
        const std::size_t m = mark();
        const Millis t = s.p.scheduler.now();
        key(tecla::Derecha);
        const int x = std::min(i + 1, 12);
        expectPlayerAt(x, 12);
        EXPECT_EQ(textsSince("Label1", m), std::vector<std::string>{std::to_string(x) + ", 12"});
        const std::vector<std::string> heard = heardSince(m);
        if (i < 12) {
            // Only this key's own step: the south border, a block wall north unless the new
            // cell lies on a north-south street, and the east border at the corner.
            const std::size_t walls = 1u + (x % 4 != 0 ? 1u : 0u) + (x == 12 ? 1u : 0u);
            EXPECT_EQ(heard.size(), walls);
            EXPECT_EQ(beepsSince(m), 0);
        } else {
            EXPECT_TRUE(heard.empty());
            EXPECT_EQ(beepsSince(m), 1);
        }
        for (std::size_t e = m; e < events().size(); ++e) EXPECT_EQ(events()[e].t, t);
        s.wait(33);
    }
}

// --- the radar ----------------------------------------------------------------------------

struct RadarCase {
    const char* name;
    int x, y;
    Entero arrow;
    int wormX, wormY;  // -1: no worm
    bool southExitOpen;
    const char* answer;
};

TEST_F(Keys, RadarCountsFreeCellsToTheFirstThingAhead) {
    const std::vector<RadarCase> cases = {
        {"wall at the far end of a street", 0, 12, tecla::Arriba, -1, -1, false, "/12"},
        {"wall next to the player", 0, 12, tecla::Izquierda, -1, -1, false, "/0"},
        {"along a whole row", 4, 4, tecla::Derecha, -1, -1, false, "/8"},
        {"a worm three free cells away", 0, 12, tecla::Derecha, 4, 12, false, "3"},
        {"a worm next to the player", 3, 0, tecla::Izquierda, 2, 0, false, "0"},
        {"the exit next to the player", 7, 12, tecla::Abajo, -1, -1, true, "0"},
        {"the border where the exit is not", 7, 12, tecla::Abajo, -1, -1, false, "/0"},
        {"standing on a worm", 0, 8, tecla::Abajo, 0, 8, false, "1"},
    };
    for (const RadarCase& c : cases) {
        SCOPED_TRACE(c.name);
        clearWorms();
        if (c.wormX >= 0) putWorm(0, c.wormX, c.wormY, 1);
        f().Tablero(7, 13) = c.southExitOpen ? CeldaSalida : CeldaPared;
        putPlayer(c.x, c.y);
        setStatus("");
        key(c.arrow, kCtrl);
        EXPECT_EQ(status(), c.answer);
    }
}

TEST_F(Keys, RadarDoesNotSeeBombs) {
    putPlayer(2, 12);
    key(tecla::Espacio);
    ASSERT_EQ(f().Bombas[0].X, 2);
    putPlayer(0, 12);
    key(tecla::Derecha, kCtrl);
    EXPECT_EQ(status(), "/12");
}

TEST_F(Keys, RepeatedRadarAnswerAlternatesALeadingBlank) {
    putWorm(0, 4, 12, 1);
    putPlayer(0, 12);
    std::vector<std::string> answers;
    for (int i = 0; i < 4; ++i) {
        key(tecla::Derecha, kCtrl);
        answers.push_back(status());
    }
    EXPECT_EQ(answers, (std::vector<std::string>{"3", " 3", "3", " 3"}));
    // Every answer is a new write, so the screen reader speaks each one.
    EXPECT_EQ(textsSince("Label2"), answers);
}

TEST_F(Keys, RadarOnlyAnswers) {
    // Standing on a worm: a walking key would kill the player here; the radar must not.
    putWorm(0, 0, 8, 1);
    putPlayer(0, 8);
    k().WMPMonstruo[0].setBalance(1234);
    key(tecla::Izquierda, kCtrl);
    EXPECT_EQ(status(), "1");
    expectPlayerAt(0, 8);
    EXPECT_TRUE(textsSince("Label1").empty());
    EXPECT_FALSE(k().TMRMuerto.enabled());
    EXPECT_TRUE(k().TMRMonstruo[0].enabled());
    EXPECT_EQ(k().WMPMonstruo[0].balance(), 1234) << "worm channels are not re-placed";
    EXPECT_TRUE(heardSince(0).empty());
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Keys, OnlyTheCtrlBitAsksTheRadar) {
    key(tecla::Izquierda, tecla::BitShift);
    expectPlayerAt(6, 12);
    key(tecla::Izquierda, tecla::BitShift | kCtrl);
    expectPlayerAt(6, 12);
    EXPECT_EQ(status(), "/6");
    key(tecla::Izquierda, tecla::BitAlt);
    expectPlayerAt(5, 12);
}

// --- questions and the status text -------------------------------------------------------

struct QuestionCase {
    const char* name;
    Entero code;
    Entero lives, onBoard, waiting;
    int x, y;
    const char* answer;
};

TEST_F(Keys, QuestionsAreAnsweredInTheStatusText) {
    const std::vector<QuestionCase> cases = {
        {"lives", tecla::V, 5, 0, 0, 7, 12, "5 vidas te quedan"},
        {"one life", tecla::V, 1, 0, 0, 7, 12, "1 vidas te quedan"},
        {"worms", tecla::A, 5, 2, 3, 7, 12, "2| 3"},
        {"no worms", tecla::A, 5, 0, 0, 7, 12, "0| 0"},
        {"position", tecla::Z, 5, 0, 0, 7, 12, "7, 12"},
        {"position at a corner", tecla::Z, 5, 0, 0, 0, 0, "0, 0"},
    };
    for (const QuestionCase& c : cases) {
        SCOPED_TRACE(c.name);
        f().Vidas = c.lives;
        f().MonstruosEnTablero = c.onBoard;
        f().MonstruosPorEntrar = c.waiting;
        putPlayer(c.x, c.y);
        const std::size_t m = mark();
        key(c.code);
        EXPECT_EQ(textsSince("Label2", m), std::vector<std::string>{c.answer});
        EXPECT_EQ(textsSince("Label1", m),
                  std::vector<std::string>{std::to_string(c.x) + ", " + std::to_string(c.y)});
        EXPECT_EQ(beepsSince(m), 0);
    }
}

using StartedGame = GameTest;

TEST_F(StartedGame, AAfterStartUpCountsTheFirstWorm) {
    key(tecla::A);
    EXPECT_EQ(status(), "1| 0");
}

TEST_F(Keys, CapsLockClearsTheStatusTextAndIsConsumed) {
    key(tecla::V);
    Entero code = tecla::BloqMayus;
    f().Picture1_KeyDown(code, 0);
    s.p.endOfEvent();
    EXPECT_EQ(code, 0);
    EXPECT_EQ(status(), "");
    EXPECT_EQ(textsSince("Label1"), (std::vector<std::string>{"7, 12", "7, 12"}));
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Keys, KeyWithoutCommandOnlyRunsTheTail) {
    putWorm(0, 4, 4, 1);
    k().WMPMonstruo[0].setBalance(1234);
    key(kTeclaSinOrden);
    expectPlayerAt(7, 12);
    EXPECT_EQ(textsSince("Label1"), std::vector<std::string>{"7, 12"});
    EXPECT_TRUE(textsSince("Label2").empty());
    EXPECT_EQ(k().WMPMonstruo[0].balance(), -1500);
    EXPECT_TRUE(heardSince(0).empty());
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Keys, ShiftWithoutALiveBombBeeps) {
    key(tecla::Mayusculas, tecla::BitShift);
    EXPECT_EQ(beeps(), 1);
    EXPECT_TRUE(heardSince(0).empty());
}

TEST_F(Keys, ShiftSetsOffTheNewestBombAtOnce) {
    key(tecla::Espacio);
    for (int i = 0; i < 4; ++i) key(tecla::Izquierda);  // out of the flames' reach
    const std::size_t m = mark();
    key(tecla::Mayusculas, tecla::BitShift);
    EXPECT_EQ(heardSince(m),
              std::vector<std::string>{"WMPBomba(0) " + std::string(Sonido::Explosion)});
    EXPECT_FALSE(esVerdadero(f().Bombas[0].Activa));
    EXPECT_EQ(beepsSince(m), 0);
}

TEST_F(Keys, AfterTheGameHasEndedOnlyCapsLockAndShiftAct) {
    key(tecla::V);
    f().JuegoTerminado = VERDADERO;
    const std::size_t m = mark();
    key(tecla::Izquierda);
    key(tecla::Z);
    key(tecla::Izquierda, kCtrl);
    expectPlayerAt(7, 12);
    EXPECT_TRUE(textsSince("Label1", m).empty());
    EXPECT_TRUE(textsSince("Label2", m).empty());
    EXPECT_TRUE(heardSince(m).empty());
    key(tecla::Mayusculas, tecla::BitShift);
    EXPECT_EQ(beepsSince(m), 1);
    key(tecla::BloqMayus);
    EXPECT_EQ(textsSince("Label2", m), std::vector<std::string>{""});
    EXPECT_TRUE(textsSince("Label1", m).empty());
}

struct StaleCase {
    int writtenAtSecond;
    Millis waitMs;
    bool cleared;
};

TEST_F(Keys, StatusTextIsClearedByAKeyMoreThanFourSecondsOnWithinTheMinute) {
    const std::vector<StaleCase> cases = {
        {58, 5000, true},     // key at second 3 of the next minute: |3 - 58| = 55
        {10, 63000, false},   // second 13 of the next minute: only 3 apart
        {10, 123000, false},  // second 13 two minutes later
        {10, 4000, false},    // exactly 4 apart
        {10, 5000, true},     // 5 apart
        {3, 55000, true},     // second 58 of the same minute
        {30, 59000, false},   // second 29 of the next minute
    };
    for (const StaleCase& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "written at " << c.writtenAtSecond << ", wait " << c.waitMs);
        // Starts the clock so that it reads 12:00 and writtenAtSecond seconds now.
        const Millis now = s.p.scheduler.now();
        const int startSeconds =
            static_cast<int>((12 * 3600 + c.writtenAtSecond - now / 1000 % 86400 + 86400) % 86400);
        s.p.clock.setStart(
            TimeOfDay{startSeconds / 3600, startSeconds / 60 % 60, startSeconds % 60});
        ASSERT_EQ(s.p.clock.localTime().second, c.writtenAtSecond);
        key(tecla::V);
        EXPECT_EQ(f().SegundoMensaje, c.writtenAtSecond);
        s.wait(c.waitMs);
        key(kTeclaSinOrden);
        EXPECT_EQ(status(), c.cleared ? "" : "5 vidas te quedan");
    }
}

// --- walking into a worm -------------------------------------------------------------------

TEST_F(Keys, WalkingIntoAWormStopsEveryWormAndStartsTheDeath) {
    struct Case {
        Entero lives;
        const char* left;
    };
    for (const Case& c : {Case{5, "4"}, Case{2, "1"}, Case{1, "0"}}) {
        SCOPED_TRACE(c.lives);
        clearWorms();
        k().TMRMuerto.setEnabled(false);
        putWorm(0, 6, 12, 4);
        putWorm(1, 0, 2, 1);
        putPlayer(7, 12);
        f().Vidas = c.lives;
        key(tecla::V);
        const std::string before = status();
        const std::size_t m = mark();
        key(tecla::Izquierda);
        expectPlayerAt(6, 12);
        EXPECT_FALSE(k().TMRMonstruo[0].enabled());
        EXPECT_FALSE(k().TMRMonstruo[1].enabled());
        EXPECT_TRUE(k().TMRMuerto.enabled());
        EXPECT_EQ(status(), before + "¡Has muerto! Te quedan " + c.left + " vidas.");
        EXPECT_EQ(f().Vidas, c.lives);
        EXPECT_EQ(heardSince(m),
                  std::vector<std::string>{"Wmp1(4) " + std::string(Sonido::GusanoTeMata)})
            << "the death, and no step sound";
        EXPECT_EQ(textsSince("Label1", m), std::vector<std::string>{"6, 12"});
    }
}

TEST_F(Keys, EveryKeyWhileStandingOnAWormRepeatsTheDeath) {
    putWorm(0, 6, 12, 4);
    key(tecla::Izquierda);
    const std::string once = "¡Has muerto! Te quedan 4 vidas.";
    ASSERT_EQ(status(), once);
    k().TMRMuerto.setEnabled(false);
    const std::size_t m = mark();
    key(kTeclaSinOrden);
    EXPECT_EQ(status(), once + once);
    EXPECT_EQ(heardSince(m),
              std::vector<std::string>{"Wmp1(4) " + std::string(Sonido::GusanoTeMata)});
    EXPECT_TRUE(k().TMRMuerto.enabled());
}

}  // namespace
}  // namespace gus::testing
