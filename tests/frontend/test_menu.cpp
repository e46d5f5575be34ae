// The start menu: its layout and keys, and the music around the windows it opens.
#include <gtest/gtest.h>

#include <QAccessible>
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

using std::tuple;

TEST(MenuLayout, FreeHeightRoundsHalfToEvenAndTheGapDropsItsFractionTowardsZero) {
    // clang-format off
    // Buttons, client height, gap: 2.5 free twips round to 2 and 3.5 to 4, 2.6 to a whole gap.
    const tuple<int, double, int> gaps[] = {
        {7, 7590, 511}, {2, 1002.5, 0}, {2, 1003.5, 1}, {2, 1002.6, 1}, {7, 3400, -12}};
    const std::pair<double, long long> rounded[] = {
        {0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}};
    // clang-format on
    for (const auto& [buttons, height, gap] : gaps) EXPECT_EQ(menuButtonGap(buttons, height), gap);
    for (const auto& [value, whole] : rounded) EXPECT_EQ(roundHalfToEven(value), whole) << value;
    EXPECT_EQ(tuple(nextDifficulty(7), nextDifficulty(-3)), tuple(0, -2));
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

TEST_F(Menu, SevenButtonsInTabOrderWithTheirAccessKeysUnspokenAndTheMusicLooping) {
    // clang-format off
    const std::pair<const char*, int> buttons[] = {{"&INTRODUCCIÓN", 34}, {"&JUGAR", 101},
        {"&DIFICULTAD: NORMAL", 169}, {"I&NSTRUCCIONES", 236}, {"S&ONIDOS DEL JUEGO", 304},
        {"&acerca de gusanicida", 371}, {"&SALIR", 438}};
    // clang-format on
    EXPECT_EQ(tuple(menu.windowTitle(), menu.height(), menu.focusWidget()),
              tuple("GUSANICIDA", 506, button(0)));
    for (int i = 0; i < kMenuButtons; ++i) {
        const auto& [caption, top] = buttons[i];
        EXPECT_EQ(tuple(button(i)->text(),
                        QAccessible::queryAccessibleInterface(button(i))->text(QAccessible::Name),
                        button(i)->geometry()),
                  tuple(caption, QString(caption).remove('&'), QRect(67, top, 267, 33)));
        if (i > 0) {
            EXPECT_EQ(button(i - 1)->nextInFocusChain(), button(i));
        }
    }
    f.p.wait(600000);
    EXPECT_EQ(tuple(menu.Dificultad(), menu.MediaPlayer1().playing(), f.heard()),
              tuple(1, true, testing::Heards{{"MediaPlayer1", Sonido::MusicaMenu, 0, 0}}));
}

TEST_F(Menu, ArrowsMoveAndDifficultyCyclesMovingTheFocusToItsButtonOrSpeakingItThere) {
    QTest::keyClick(button(0), Qt::Key_Down);
    EXPECT_EQ(menu.focusWidget(), button(1));
    QTest::keyClick(button(1), Qt::Key_Up);
    EXPECT_EQ(menu.focusWidget(), button(0));
    for (auto [caption, value] : {tuple("&DIFICULTAD: DIFÍCIL", 2), tuple("&DIFICULTAD: FÁCIL", 0),
                                  tuple("&DIFICULTAD: NORMAL", 1)}) {
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key_D);
        EXPECT_EQ(tuple(button(2)->text(), menu.Dificultad(), menu.focusWidget()),
                  tuple(caption, value, button(2)));
    }
    menu.activateWindow();
    QCoreApplication::processEvents();
    button(2)->click();
    EXPECT_EQ(Announcer::program().lastAnnounced(), "DIFICULTAD: DIFÍCIL");
    EXPECT_EQ(tuple(menu.MediaPlayer1().playing(), music(), f.shown.size()), tuple(true, 1, 0u));
}

TEST_F(Menu, TheMusicStopsForEachTextDialogAndRestartsFromItsBeginningAfterwards) {
    for (int i : {0, 1, 2}) {
        whenModal<Dialog>([&](Dialog& d) {
            EXPECT_EQ(tuple(menu.MediaPlayer1().playing(), d.Mensaje(), menu.textDialog()),
                      tuple(false, i + 1, &d));
        });
        button(std::vector{0, 3, 5}[i])->click();
        EXPECT_EQ(tuple(music(), menu.MediaPlayer1().playing(), menu.textDialog()),
                  tuple(2 + i, true, nullptr));
    }
    EXPECT_EQ(f.shown, (std::vector<std::string>{"Dialog", "Dialog", "Dialog"}));
}

TEST_F(Menu, TheIntroductionIsSilencedByAceptarOrItsCloseControlAndTheMusicComesBack) {
    for (bool byAceptar : {true, false}) {
        f.p.log.clear();
        whenModal<Dialog>([&](Dialog& d) { byAceptar ? d.OKButton()->click() : (void)d.close(); });
        button(0)->click();
        EXPECT_EQ(f.p.audio.voiceCount(), 1u);  // only the menu's channel is left
        EXPECT_EQ(f.heard(), (testing::Heards{{"MediaPlayer1", Sonido::Introduccion, 0, 0},
                                              {"MediaPlayer1", Sonido::MusicaMenu, 0, 0}}));
    }
}

TEST_F(Menu, EveryGalleryHasFourteenEntriesAndEnterOnTheFirstGoesBackToTheMusicOnce) {
    for (int i = 0; i < 2; ++i) {
        whenModal<Dialog1>([&](Dialog1& gallery) {
            EXPECT_EQ(gallery.List1()->count(), 14);
            gallery.List1()->setCurrentRow(10);
            gallery.List1()->setCurrentRow(0);
            QTest::keyClick(gallery.List1(), Qt::Key_Enter);
            EXPECT_FALSE(gallery.isVisible());
        });
        button(4)->click();
    }
    menu.Form_Activate();
    EXPECT_EQ(tuple(f.starts(Sonido::Explosion), music(), menu.MediaPlayer1().playing()),
              tuple(2, 3, true));
}

TEST_F(Menu, OneGameWindowAtTheMenusDifficultyForTheWholeRunAndTheMusicAfterEachGame) {
    menu.setDificultad(2);
    GameWindow* first = nullptr;
    whenModal<GameWindow>([&](GameWindow& game) {
        first = &game;
        EXPECT_EQ(tuple(game.form().cargada(), game.form().Dificultad, menu.gameWindow(),
                        menu.MediaPlayer1().playing()),
                  tuple(true, 2, &game, false));
        game.form().SalidaX = 13;
    });
    QTest::keyClick(button(0), Qt::Key_J);
    EXPECT_EQ(tuple(music(), f.p.scheduler.nextDue().has_value(), menu.gameWindow()),
              tuple(2, false, nullptr));
    whenModal<GameWindow>(
        [&](GameWindow& game) { EXPECT_EQ(tuple(&game, game.form().SalidaX), tuple(first, 13)); });
    button(1)->click();
    EXPECT_EQ(f.shown, (std::vector<std::string>{"Form1", "Form1"}));
    menu.setDificultad(0);
    menu.openModal(
        "Dialog2");  // the game asks for the end of game: the recording of the difficulty
    EXPECT_EQ(tuple(f.shown.back(), f.starts(Sonido::FinalFacil)), tuple("Dialog2", 1));
}

TEST_F(Menu, ExitClosesTheMenuSilencesTheMusicAndEndsTheProgram) {
    bool ended = false;
    menu.setOnEndProgram([&] { ended = true; });
    button(6)->click();
    EXPECT_EQ(tuple(ended, menu.isVisible(), menu.MediaPlayer1().playing()),
              tuple(true, false, false));
}

}  // namespace
}  // namespace gus
