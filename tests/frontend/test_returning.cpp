// Coming back to a window: the menu takes the keyboard again, and a window shown again shows no
// notification of what it said before (each notification's own name is heard by orca_evening.py).
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "frontend/end_dialog.h"
#include "frontend/game_window.h"
#include "platform/qt/announcement_spot.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using std::tuple;
using testing::SimFrontend;

class Returning : public ::testing::Test {
  protected:
    Returning() {
        menu.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&menu));
    }
    QPushButton* button(int i) const { return menu.Command1(i); }
    bool menuHasTheKeyboard(QWidget* on) {
        QTest::qWait(0);  // the activation arrives as a window system event
        return QApplication::activeWindow() == &menu && QApplication::focusWidget() == on;
    }
    SimFrontend f;
    FormIni menu{f.services, f.modalRunner()};
};

// The game ends by No to another game, by the ending's Aceptar, or by Alt+F4; each time the
// menu has the keyboard again, on the button the player left.
TEST_F(Returning, TheMenuTakesTheKeyboardOnItsLastButtonWhenTheGameWindowCloses) {
    const auto noMore = [](GameWindow& game) { game.form().Unload(), game.closeWindow(); };
    const auto ending = [this](GameWindow& game) {
        menu.openEnding();
        game.form().Unload(), game.closeWindow();
    };
    const auto altF4 = [](GameWindow& game) { game.close(); };
    const std::function<void(GameWindow&)> endings[] = {noMore, ending, altF4};
    for (int i = 0; i < 3; ++i) {
        QPushButton* left = button(i == 2 ? 0 : 1);
        left->setFocus();
        f.whenModal<GameWindow>([&](GameWindow& game) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&game));
            endings[i](game);
        });
        QTest::keyClick(left, Qt::Key_J);
        EXPECT_TRUE(menuHasTheKeyboard(left)) << i;
    }
    EXPECT_EQ(f.shown, (std::vector<std::string>{"Form1", "Form1", "Dialog2", "Form1"}));
}

class Spot : public ::testing::Test {
  protected:
    Spot() { window.show(); }
    std::vector<AnnouncementText*> showing() const {
        std::vector<AnnouncementText*> out;
        for (auto* text : window.findChildren<AnnouncementText*>())
            if (text->isVisible()) out.push_back(text);
        return out;
    }
    QApplication& app = testing::testApplication();
    QWidget window;
    AnnouncementSpot* spot = new AnnouncementSpot(&window);
};

TEST_F(Spot, ANotificationLeftShowingIsNotShownAgainWithItsWindow) {
    spot->say(QStringLiteral("¡Has muerto! "));
    EXPECT_EQ(showing(), std::vector{spot->notification()});
    window.hide();
    window.show();
    EXPECT_TRUE(showing().empty());
    spot->say(QStringLiteral("8, 12"));
    EXPECT_EQ(showing(), std::vector{spot->notification()});
}

}  // namespace
}  // namespace gus
