// The real wiring: modal windows run their own event loop and the menu's music comes back.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTimer>

#include "frontend/form_ini.h"
#include "frontend/game_window.h"
#include "frontend/key_receiver.h"
#include "frontend/program.h"
#include "platform/sim/sim_platform.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

class ProgramTest : public ::testing::Test {
  protected:
    ProgramTest() { program.start(); }

    int music() const {
        int n = 0;
        for (const SimEvent& e : log.events()) n += e.file == Sonido::MusicaMenu ? 1 : 0;
        return n;
    }
    // Runs `inside` in the event loop of the next modal window, then closes that window.
    static void whenNextWindowOpens(std::function<void(QWidget*)> inside) {
        QTimer::singleShot(0, [inside] {
            QWidget* window = QApplication::activeModalWidget();
            ASSERT_NE(window, nullptr);
            inside(window);
            window->close();
        });
    }

    QApplication& app = testing::testApplication();
    Scheduler audioTime;
    SimLog log;
    SimAudio audio{log, audioTime};
    SimBeeper beeper{log, audioTime};
    Program program{audio, beeper, ProgramFolder{runningProgramFolder(), '/'}};
};

TEST_F(ProgramTest, TheMenuOpensWithItsMusic) {
    EXPECT_TRUE(program.menu().isVisible());
    EXPECT_EQ(music(), 1);
}

TEST_F(ProgramTest, ATextDialogRunsModallyAndTheMusicRestartsWhenItCloses) {
    QString title;
    whenNextWindowOpens([&](QWidget* w) { title = w->windowTitle(); });
    program.menu().Command1(3)->click();
    EXPECT_EQ(title, "Instrucciones");
    EXPECT_EQ(music(), 2);
}

TEST_F(ProgramTest, TheGameRunsModallyWithTheFocusOnPicture1UntilItIsClosed) {
    bool focusOnPicture1 = false;
    whenNextWindowOpens([&](QWidget* w) {
        auto* game = dynamic_cast<GameWindow*>(w);
        ASSERT_NE(game, nullptr);
        focusOnPicture1 = game->focusWidget() == game->Picture1();
    });
    program.menu().Command1(1)->click();
    EXPECT_TRUE(focusOnPicture1);
    EXPECT_EQ(program.menu().gameWindow(), nullptr);
    EXPECT_EQ(music(), 2);
}

}  // namespace
}  // namespace gus
