// The game window, the sound gallery, the text dialog and the end-of-game dialog on their own.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "frontend/board_view.h"
#include "frontend/game_window.h"
#include "frontend/key_codes.h"
#include "frontend/key_receiver.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using std::tuple;
using testing::Heard;
using testing::Heards;
using testing::SimFrontend;

TEST(KeyCodes, QtKeysBecomeVirtualKeyCodesAndModifiersShiftCtrlAltBits) {
    // clang-format off
    const std::pair<int, int> codes[] = {{Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39},
        {Qt::Key_Down, 40}, {Qt::Key_Space, 32}, {Qt::Key_Shift, 16}, {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27}, {Qt::Key_A, 65}, {Qt::Key_V, 86}, {Qt::Key_Z, 90}, {Qt::Key_B, 66},
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Control, 17}, {Qt::Key_Tab, 9},
        {Qt::Key_F1, 112}, {Qt::Key_VolumeUp, 0}};
    // clang-format on
    for (const auto& [key, code] : codes) EXPECT_EQ(virtualKeyCode(key), code) << key;
    EXPECT_EQ(tuple(virtualKeyCode(Qt::Key_5, true), modifierBits(Qt::NoModifier),
                    modifierBits(Qt::AltModifier),
                    modifierBits(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier)),
              tuple(101, 0, 4, 3));
}

struct GameOnly {
    GameOnly() { window.Load(), window.show(); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.Picture1(), key, mods);
    }
    int repaints() const { return window.board()->refreshCount(); }
    QString status() const { return window.Label2()->text(); }

    SimFrontend f;
    GameWindow window{f.services, [] { return Entero{1}; }};
    Form1& game = window.form();
};
class Game : public ::testing::Test, public GameOnly {};

// The screen reader reads the announced words late: they stay after the label is cleared.
TEST_F(Game, TheStatusIsAnnouncedOnceAtTheEndOfTheKeyAndKeptAfterTheLabelIsCleared) {
    const int before = Announcer::program().announcements();
    press(Qt::Key_V);
    press(Qt::Key_CapsLock);
    EXPECT_EQ(tuple(status(), Announcer::program().lastAnnounced(),
                    Announcer::program().announcements(), window.focusWidget()),
              tuple("", "5 vidas te quedan", before + 1, window.Picture1()));
    EXPECT_EQ(
        tuple(window.windowTitle(), window.board()->focusPolicy(), window.Picture1()->marksDrawn()),
        tuple("GUSANICIDA", Qt::NoFocus, true));
}

TEST_F(Game, KeysReachTheGameAfterTheTimersAndRepaintTheBoardAsTicksDo) {
    const int syncs = f.syncs, painted = repaints();
    press(Qt::Key_Z);
    EXPECT_EQ(tuple(window.Label1()->text(), status()), tuple("7, 12", "7, 12"));
    press(Qt::Key_Up, Qt::ControlModifier);  // the radar, not a step
    EXPECT_EQ(tuple(game.Jugador.Y, status().isEmpty()), tuple(12, false));
    for (int i = 0; i < 3; ++i) {  // a held arrow moves one cell per repeat
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(window.Picture1(), &repeat);
    }
    // Six keys: Z, Control and Up, three repeats.
    EXPECT_EQ(tuple(game.Jugador.X, f.syncs, repaints()), tuple(4, syncs + 6, painted + 6));
    f.p.wait(3000);  // a worm comes in
    EXPECT_GT(repaints(), painted + 6);
}

// A worm stands on the player's cell, and the status text is five seconds old.
TEST(GameKeys, AKeyWithNoMeaningInTheGameStillRunsTheKeyHandlersTail) {
    for (const Qt::Key key : {Qt::Key_B, Qt::Key_Control}) {
        GameOnly g;
        g.press(Qt::Key_V);
        g.f.p.wait(5000);
        g.game.Jugador = RegistroJugador{g.game.Monstruos[0].X, g.game.Monstruos[0].Y, 1};
        g.press(key);
        EXPECT_EQ(
            tuple(g.status(), g.window.Label1()->text(), g.game.controles().TMRMuerto.enabled()),
            tuple("¡Has muerto! Te quedan 4 vidas.",
                  QString("%1, %2").arg(g.game.Jugador.X).arg(g.game.Jugador.Y), true));
    }
}

TEST_F(Game, EscGivesTheFocusBackToPicture1AndNeverClosesTheGame) {
    press(Qt::Key_Escape);
    window.Picture1()->clearFocus();
    const int syncs = f.syncs;
    QTest::keyClick(&window, Qt::Key_Escape);  // only the window's handler runs
    EXPECT_EQ(tuple(window.focusWidget(), f.syncs, window.isVisible(), game.cargada()),
              tuple(window.Picture1(), syncs + 1, true, true));
}

TEST_F(Game, ClosingTheWindowAbandonsTheGameStoppingEveryTimerSoundAndKey) {
    press(Qt::Key_Space);  // a bomb: its timer and fuse sound are running
    ASSERT_TRUE(f.p.scheduler.nextDue().has_value());
    window.close();
    ASSERT_NE(game.controlesSiHay(), nullptr);
    EXPECT_EQ(tuple(game.cargada(), f.p.scheduler.nextDue().has_value(), window.closedByGame(),
                    game.controlesSiHay()->WMPBomba[0].playing()),
              tuple(false, false, false, false));
    const int painted = repaints();
    press(Qt::Key_V);
    EXPECT_EQ(repaints(), painted);
    window.show();
    game.Unload();  // the game closing its window itself hides it
    window.closeWindow();
    EXPECT_EQ(tuple(window.closedByGame(), window.isVisible(), window.result()),
              tuple(true, false, QDialog::Accepted));
}

}  // namespace
}  // namespace gus
