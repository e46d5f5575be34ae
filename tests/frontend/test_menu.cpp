// The start menu: its layout, captions and keys, and the music around the windows it opens.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "frontend/game_window.h"
#include "frontend/menu_captions.h"
#include "frontend/menu_layout.h"
#include "frontend/sound_gallery.h"
#include "frontend/text_dialog.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::accessibleName;

TEST(MenuLayout, FreeHeightRoundsHalfToEvenAndTheGapDropsItsFractionTowardsZero) {
    // clang-format off
    const struct { int buttons; double height; int gap; } gaps[] = {
        {7, 7590, 511}, {2, 1002.5, 0}, {2, 1003.5, 1}, {2, 1002.6, 1}, {7, 3400, -12}};
    const std::pair<double, long long> rounded[] = {{0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}};
    // clang-format on
    for (const auto& c : gaps) EXPECT_EQ(menuButtonGap(c.buttons, c.height), c.gap) << c.height;
    for (const auto& [value, whole] : rounded) EXPECT_EQ(roundHalfToEven(value), whole) << value;
    EXPECT_EQ(nextDifficulty(7), 0);
    EXPECT_EQ(nextDifficulty(-3), -2);
}

class Menu : public ::testing::Test {
  protected:
    Menu() { menu.show(); }
    QPushButton* button(int i) const { return menu.Command1(i); }
    int music() const { return f.starts(Sonido::MusicaMenu); }
    template <class W>
    void whenModal(std::function<void(W&)> script) {
        f.whenModal([script](QDialog& d) { script(dynamic_cast<W&>(d)); });
    }

    testing::SimFrontend f;
    FormIni menu{f.services, f.modalRunner()};
};

TEST_F(Menu, SevenButtonsInTabOrderWithAccessKeysUnspokenLaidOutByTheGapRule) {
    // clang-format off
    const std::pair<const char*, int> buttons[] = {{"&INTRODUCCIÓN", 34}, {"&JUGAR", 101},
        {"&DIFICULTAD: NORMAL", 169}, {"I&NSTRUCCIONES", 236}, {"S&ONIDOS DEL JUEGO", 304},
        {"&acerca de gusanicida", 371}, {"&SALIR", 438}};
    // clang-format on
    EXPECT_EQ(menu.windowTitle(), "GUSANICIDA");
    EXPECT_EQ(menu.height(), 506);
    for (int i = 0; i < kMenuButtons; ++i) {
        EXPECT_EQ(button(i)->text(), buttons[i].first);
        EXPECT_EQ(accessibleName(button(i)), QString(buttons[i].first).remove('&'));
        EXPECT_EQ(button(i)->geometry(), QRect(67, buttons[i].second, 267, 33));
        EXPECT_EQ(button(i)->objectName(), QStringLiteral("Command1(%1)").arg(i));
        if (i > 0) {
            EXPECT_EQ(button(i - 1)->nextInFocusChain(), button(i));
        }
    }
    EXPECT_EQ(menu.focusWidget(), button(0));
    EXPECT_TRUE(button(1)->styleSheet().contains("rgb(255, 211, 155)"));
    EXPECT_EQ(button(1)->font().family(), "Verdana");
    EXPECT_DOUBLE_EQ(button(1)->font().pointSizeF(), 14.25);
}

TEST_F(Menu, TheMusicLoopsWithoutEndFromTheStart) {
    EXPECT_EQ(menu.Dificultad(), 1);
    f.p.wait(600000);
    EXPECT_TRUE(menu.MediaPlayer1().playing());
    EXPECT_EQ(f.heard(), (std::vector<testing::Heard>{{"MediaPlayer1", Sonido::MusicaMenu, 0, 0}}));
}

TEST_F(Menu, DifficultyCyclesMovingTheFocusToItsButtonOrSpeakingItWhenItHasItAlready) {
    const char* captions[] = {"&DIFICULTAD: DIFÍCIL", "&DIFICULTAD: FÁCIL", "&DIFICULTAD: NORMAL"};
    const Entero values[] = {2, 0, 1};
    for (int step = 0; step < 3; ++step) {
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key_D);
        EXPECT_EQ(button(2)->text(), captions[step]);
        EXPECT_EQ(menu.Dificultad(), values[step]);
        EXPECT_EQ(menu.focusWidget(), button(2));
    }
    menu.activateWindow();
    QCoreApplication::processEvents();
    button(2)->click();
    EXPECT_EQ(Announcer::program().lastAnnounced(), "DIFICULTAD: DIFÍCIL");
    EXPECT_TRUE(menu.MediaPlayer1().playing());
    EXPECT_EQ(music(), 1);
    EXPECT_TRUE(f.shown.empty());
}

TEST_F(Menu, UpAndDownArrowsMoveBetweenButtons) {
    QTest::keyClick(button(0), Qt::Key_Down);
    EXPECT_EQ(menu.focusWidget(), button(1));
    QTest::keyClick(button(1), Qt::Key_Up);
    EXPECT_EQ(menu.focusWidget(), button(0));
}

TEST_F(Menu, TheMusicStopsForEachTextDialogAndRestartsFromItsBeginningAfterwards) {
    const int buttons[] = {0, 3, 5};
    for (int i = 0; i < 3; ++i) {
        whenModal<Dialog>([&](Dialog& d) {
            EXPECT_FALSE(menu.MediaPlayer1().playing());
            EXPECT_EQ(d.Mensaje(), i + 1);
            EXPECT_EQ(menu.textDialog(), &d);
        });
        button(buttons[i])->click();
        EXPECT_EQ(music(), 2 + i);
        EXPECT_TRUE(menu.MediaPlayer1().playing());
        EXPECT_EQ(menu.textDialog(), nullptr);
    }
    EXPECT_EQ(f.shown, (std::vector<std::string>{"Dialog", "Dialog", "Dialog"}));
}

TEST_F(Menu, TheIntroductionIsSilencedByAceptarOrItsCloseControlAndTheMusicComesBack) {
    for (bool byAceptar : {true, false}) {
        f.p.log.clear();
        whenModal<Dialog>([&](Dialog& d) {
            EXPECT_TRUE(d.MediaPlayer1().playing());
            byAceptar ? d.OKButton()->click() : (void)d.close();
        });
        button(0)->click();
        EXPECT_EQ(f.p.audio.voiceCount(), 1u);  // only the menu's channel is left
        EXPECT_EQ(f.heard(), (std::vector<testing::Heard>{{"MediaPlayer1", Sonido::Introduccion, 0, 0},
                                                          {"MediaPlayer1", Sonido::MusicaMenu, 0, 0}}));
    }
}

TEST_F(Menu, EveryGalleryHasFourteenEntriesAndEnterOnTheFirstGoesBackToTheMusicOnce) {
    std::vector<int> counts;
    for (int i = 0; i < 2; ++i) {
        whenModal<Dialog1>([&](Dialog1& gallery) {
            counts.push_back(gallery.List1()->count());
            gallery.List1()->setCurrentRow(10);
            gallery.List1()->setCurrentRow(0);
            QTest::keyClick(gallery.List1(), Qt::Key_Enter);
            EXPECT_FALSE(gallery.isVisible());
        });
        button(4)->click();
    }
    EXPECT_EQ(counts, (std::vector<int>{14, 14}));
    EXPECT_EQ(f.starts(Sonido::Explosion), 2);
    menu.Form_Activate();
    EXPECT_EQ(music(), 3);
    EXPECT_TRUE(menu.MediaPlayer1().playing());
}

TEST_F(Menu, OneGameWindowAtTheMenusDifficultyForTheWholeRunAndTheMusicAfterEachGame) {
    menu.setDificultad(2);
    GameWindow* first = nullptr;
    whenModal<GameWindow>([&](GameWindow& game) {
        first = &game;
        EXPECT_TRUE(game.form().cargada());
        EXPECT_EQ(game.form().Dificultad, 2);
        EXPECT_EQ(menu.gameWindow(), &game);
        EXPECT_FALSE(menu.MediaPlayer1().playing());
        game.form().SalidaX = 13;
    });
    QTest::keyClick(button(0), Qt::Key_J);
    EXPECT_EQ(music(), 2);
    EXPECT_FALSE(f.p.scheduler.nextDue().has_value());
    EXPECT_EQ(menu.gameWindow(), nullptr);
    whenModal<GameWindow>([&](GameWindow& game) {
        EXPECT_EQ(&game, first);
        EXPECT_EQ(game.form().SalidaX, 13);  // the game's variables carry over
    });
    button(1)->click();
    EXPECT_EQ(f.shown, (std::vector<std::string>{"Form1", "Form1"}));
}

TEST_F(Menu, TheGameAsksForTheEndOfGameDialogWithTheRecordingOfTheMenusDifficulty) {
    menu.setDificultad(0);
    menu.openModal("Dialog2");
    EXPECT_EQ(f.shown, std::vector<std::string>{"Dialog2"});
    EXPECT_EQ(f.starts(Sonido::FinalFacil), 1);
}

TEST_F(Menu, ExitClosesTheMenuSilencesTheMusicAndEndsTheProgram) {
    bool ended = false;
    menu.setOnEndProgram([&] { ended = true; });
    button(6)->click();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(menu.MediaPlayer1().playing());
}

}  // namespace
}  // namespace gus
