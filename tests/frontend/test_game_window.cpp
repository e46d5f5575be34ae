// The game window: keys to the game, the spoken status line, focus and closing.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>

#include "frontend/board_view.h"
#include "frontend/game_window.h"
#include "frontend/key_receiver.h"
#include "platform/qt/announcement_spot.h"
#include "platform/qt/announcer.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::SimFrontend;

class GameWindowTest : public ::testing::Test {
  protected:
    GameWindowTest() : window(f.services, [] { return Entero{1}; }) {
        window.Load();
        window.show();
    }

    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.Picture1(), key, mods);
    }
    void pressRepeated(Qt::Key key) {
        QKeyEvent repeat(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(window.Picture1(), &repeat);
    }

    SimFrontend f;
    GameWindow window;
};

TEST_F(GameWindowTest, TheGameIsLoadedWithPicture1HoldingTheFocus) {
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "GUSANICIDA");
    EXPECT_TRUE(window.form().cargada());
    EXPECT_EQ(window.focusWidget(), window.Picture1());
    EXPECT_EQ(window.Picture1()->objectName(), "Picture1");
    EXPECT_EQ(window.board()->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(window.Picture1()->marksDrawn());
    EXPECT_TRUE(f.p.scheduler.nextDue().has_value());
}

// The screen reader reads the announced words late: they stay after the label is cleared.
TEST_F(GameWindowTest, TheStatusIsAnnouncedAtTheEndOfTheKeyAndKeptAfterTheLabelIsCleared) {
    Announcer& announcer = Announcer::program();
    const int before = announcer.announcements();
    press(Qt::Key_V);
    press(Qt::Key_CapsLock);
    EXPECT_EQ(window.Label2()->text(), "");
    EXPECT_EQ(announcer.announcements(), before + 1);
    EXPECT_EQ(announcer.lastAnnounced(), "5 vidas te quedan");
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    auto* spot = window.findChild<AnnouncementSpot*>();
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(spot->notification())->text(QAccessible::Name),
              "5 vidas te quedan");
#endif
    EXPECT_EQ(window.focusWidget(), window.Picture1());
}

TEST_F(GameWindowTest, ZWritesThePositionInBothLabels) {
    press(Qt::Key_Z);
    EXPECT_EQ(window.Label2()->text(), "7, 12");
    EXPECT_EQ(window.Label1()->text(), "7, 12");
}

TEST_F(GameWindowTest, EveryKeyBringsTheTimersToThePresentFirstAndRepaintsAfter) {
    const int repaints = window.board()->refreshCount();
    const int syncs = f.syncCount();
    press(Qt::Key_V);
    press(Qt::Key_Left);
    EXPECT_EQ(f.syncCount(), syncs + 2);
    EXPECT_EQ(window.board()->refreshCount(), repaints + 2);
}

// A worm stands on the player's cell, and the status text is five seconds old.
TEST(GameWindowKeys, AKeyWithNoMeaningInTheGameStillRunsTheKeyHandlersTail) {
    for (const Qt::Key key : {Qt::Key_B, Qt::Key_Control}) {
        SimFrontend f;
        GameWindow window(f.services, [] { return Entero{1}; });
        window.Load();
        QTest::keyClick(window.Picture1(), Qt::Key_V);
        f.p.wait(5000);
        Form1& game = window.form();
        game.Jugador = RegistroJugador{game.Monstruos[0].X, game.Monstruos[0].Y, 1};
        QTest::keyClick(window.Picture1(), key);
        EXPECT_EQ(window.Label2()->text(), "¡Has muerto! Te quedan 4 vidas.");
        EXPECT_EQ(window.Label1()->text(),
                  QString("%1, %2").arg(game.Jugador.X).arg(game.Jugador.Y));
        EXPECT_TRUE(game.controles().TMRMuerto.enabled());
    }
}

TEST_F(GameWindowTest, AHeldArrowMovesOneCellPerRepeat) {
    ASSERT_EQ(window.form().Jugador.X, 7);
    pressRepeated(Qt::Key_Left);
    pressRepeated(Qt::Key_Left);
    pressRepeated(Qt::Key_Left);
    EXPECT_EQ(window.form().Jugador.X, 4);
    EXPECT_EQ(window.form().Jugador.Y, 12);
}

TEST_F(GameWindowTest, ControlWithAnArrowIsTheRadarNotAStep) {
    press(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(window.form().Jugador.Y, 12);
    EXPECT_FALSE(window.Label2()->text().isEmpty());
}

TEST_F(GameWindowTest, EscGivesTheFocusBackToPicture1AndKeepsTheGameOpen) {
    window.Picture1()->clearFocus();
    ASSERT_NE(window.focusWidget(), window.Picture1());
    const int syncs = f.syncCount();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.focusWidget(), window.Picture1());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.form().cargada());
    // Only the window's own handler ran: Picture1 did not have the key.
    EXPECT_EQ(f.syncCount(), syncs + 1);
}

TEST_F(GameWindowTest, EscOnPicture1DoesNotCloseTheWindow) {
    press(Qt::Key_Escape);
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.form().cargada());
}

TEST_F(GameWindowTest, ClosingTheWindowAbandonsTheGameStoppingEveryTimerAndSound) {
    press(Qt::Key_Space);  // a bomb: its timer and fuse sound are running
    ASSERT_TRUE(f.p.scheduler.nextDue().has_value());
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.form().cargada());
    EXPECT_FALSE(f.p.scheduler.nextDue().has_value());
    EXPECT_FALSE(window.closedByGame());
    const ControlesForm1* c = window.form().controlesSiHay();
    ASSERT_NE(c, nullptr);
    EXPECT_FALSE(c->WMPBomba[0].playing());
}

TEST_F(GameWindowTest, AKeyAfterTheGameIsUnloadedIsIgnored) {
    window.close();
    const int repaints = window.board()->refreshCount();
    QTest::keyClick(window.Picture1(), Qt::Key_V);
    EXPECT_EQ(window.board()->refreshCount(), repaints);
}

TEST_F(GameWindowTest, TheGameClosingItsWindowHidesIt) {
    window.form().Unload();
    window.closeWindow();
    EXPECT_TRUE(window.closedByGame());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST_F(GameWindowTest, TicksRepaintTheBoard) {
    const int repaints = window.board()->refreshCount();
    f.p.wait(3000);  // a worm comes in
    EXPECT_GT(window.board()->refreshCount(), repaints);
}

}  // namespace
}  // namespace gus
