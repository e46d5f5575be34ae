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
using testing::Heard;
using testing::Heards;

TEST(MenuLayout, FreeHeightRoundsHalfToEvenAndTheGapDropsItsFractionTowardsZero) {
    // clang-format off
    // Buttons, client height, gap: 2.5 free twips round to 2 and 3.5 to 4, 2.6 to a whole gap.
    const tuple<int, double, int> gaps[] = {
        {7, 7590, 511}, {2, 1002.5, 0}, {2, 1003.5, 1}, {2, 1002.6, 1}, {7, 3400, -12}};
    const std::pair<double, long long> rounded[] = {{0.5, 0}, {1.5, 2}, {-0.5, 0}, {-1.5, -2}, {2.4, 2}};
    // clang-format on
    for (const auto& [buttons, height, gap] : gaps) EXPECT_EQ(menuButtonGap(buttons, height), gap);
    for (const auto& [value, whole] : rounded) EXPECT_EQ(roundHalfToEven(value), whole) << value;
    EXPECT_EQ(tuple(nextDifficulty(7), nextDifficulty(-3)), tuple(0, -2));
}

class Menu : public ::testing::Test {
  protected:
    Menu() { menu.show(); }
    QPushButton* button(int i) const { return menu.Command1(i); }
    long music() const { return f.starts(Sonido::MusicaMenu); }
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
        QPushButton* b = button(i);
        EXPECT_EQ(
            tuple(b->text(), QAccessible::queryAccessibleInterface(b)->text(QAccessible::Name),
                  b->geometry(), i ? button(i - 1)->nextInFocusChain() : b),
            tuple(caption, QString(caption).remove('&'), QRect(67, top, 267, 33), b));
    }
    f.p.wait(600000);
    EXPECT_EQ(tuple(menu.Dificultad(), menu.MediaPlayer1().playing(), f.heard()),
              tuple(1, true, Heards{{"MediaPlayer1", Sonido::MusicaMenu, 0, 0}}));
}

TEST_F(Menu, ArrowsMoveAndDifficultyCyclesMovingTheFocusToItsButtonOrSpeakingItThere) {
    QTest::keyClick(button(0), Qt::Key_Down);
    const QWidget* down = menu.focusWidget();
    QTest::keyClick(button(1), Qt::Key_Up);
    EXPECT_EQ(tuple(down, menu.focusWidget()), tuple(button(1), button(0)));
    for (auto [caption, value] : {tuple("&DIFICULTAD: DIFÍCIL", 2), tuple("&DIFICULTAD: FÁCIL", 0),
                                  tuple("&DIFICULTAD: NORMAL", 1)}) {
        button(0)->setFocus();
        QTest::keyClick(button(0), Qt::Key_D);
        EXPECT_EQ(tuple(button(2)->text(), menu.Dificultad(), menu.focusWidget()),
                  tuple(caption, value, button(2)));
    }
    menu.activateWindow();
    QCoreApplication::processEvents();
    button(2)->click();  // the focus is there already: the caption is spoken
    EXPECT_EQ(tuple(Announcer::program().lastAnnounced(), menu.MediaPlayer1().playing(), music(),
                    f.shown.size()),
              tuple("DIFICULTAD: DIFÍCIL", true, 1, 0u));
}

// The introduction has a channel of its own, silenced with its window.
TEST_F(Menu, EachTextDialogStopsTheMusicWhichRestartsFromItsBeginningAfterAceptarOrTheCloser) {
    const Heard music = {"MediaPlayer1", Sonido::MusicaMenu, 0, 0};
    const Heard intro = {"MediaPlayer1", Sonido::Introduccion, 0, 0};
    for (auto [command, mensaje, byAceptar] :
         {tuple(0, 1, true), tuple(0, 1, false), tuple(3, 2, true), tuple(5, 3, false)}) {
        f.p.log.clear();
        f.whenModal<Dialog>([&](Dialog& d) {
            EXPECT_EQ(tuple(menu.MediaPlayer1().playing(), d.Mensaje(), menu.textDialog()),
                      tuple(false, mensaje, &d));
            byAceptar ? d.OKButton()->click() : (void)d.close();
        });
        button(command)->click();
        EXPECT_EQ(tuple(f.p.audio.voiceCount(), menu.MediaPlayer1().playing(), menu.textDialog(),
                        f.heard()),
                  tuple(1u, true, nullptr, mensaje == 1 ? Heards{intro, music} : Heards{music}));
    }
    EXPECT_EQ(f.shown, std::vector<std::string>(4, "Dialog"));
}

TEST_F(Menu, EveryGalleryHasFourteenEntriesAndEnterOnTheFirstGoesBackToTheMusicOnce) {
    for (int i = 0; i < 2; ++i) {
        f.whenModal<Dialog1>([&](Dialog1& gallery) {
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
    f.whenModal<GameWindow>([&](GameWindow& game) {
        first = &game;
        EXPECT_EQ(tuple(game.form().cargada(), game.form().Dificultad, menu.gameWindow(),
                        menu.MediaPlayer1().playing()),
                  tuple(true, 2, &game, false));
        game.form().SalidaX = 13;
    });
    QTest::keyClick(button(0), Qt::Key_J);
    EXPECT_EQ(tuple(music(), f.p.scheduler.nextDue().has_value(), menu.gameWindow()),
              tuple(2, false, nullptr));
    f.whenModal<GameWindow>(
        [&](GameWindow& game) { EXPECT_EQ(tuple(&game, game.form().SalidaX), tuple(first, 13)); });
    button(1)->click();
    EXPECT_EQ(f.shown, (std::vector<std::string>{"Form1", "Form1"}));
    menu.setDificultad(0);
    menu.openModal("Dialog2");  // the game's ending: the recording of the menu's difficulty
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
