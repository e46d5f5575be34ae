// The start menu: captions, focus, the difficulty cycle and the music around child windows.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPushButton>
#include <QTest>

#include "frontend/end_dialog.h"
#include "frontend/form_ini.h"
#include "frontend/game_window.h"
#include "frontend/menu_captions.h"
#include "frontend/menu_layout.h"
#include "frontend/text_dialog.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::SimFrontend;

QString accessibleName(QWidget* w) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

class FormIniTest : public ::testing::Test {
  protected:
    FormIniTest() : menu(f.services, f.modalRunner()) { menu.show(); }

    QString caption(int i) const { return menu.Command1(i)->text(); }
    int music() const { return f.starts(Sonido::MusicaMenu); }

    SimFrontend f;
    FormIni menu;
};

TEST_F(FormIniTest, SevenButtonsWithTheirCaptionsInTabOrder) {
    EXPECT_EQ(menu.windowTitle(), "GUSANICIDA");
    for (int i = 0; i < kMenuButtons; ++i) {
        EXPECT_EQ(caption(i), QString::fromStdString(menuCaption(i)));
        EXPECT_EQ(menu.Command1(i)->objectName(), QStringLiteral("Command1(%1)").arg(i));
    }
    for (int i = 0; i + 1 < kMenuButtons; ++i) {
        EXPECT_EQ(menu.Command1(i)->nextInFocusChain(), menu.Command1(i + 1)) << i;
    }
    EXPECT_EQ(menu.focusWidget(), menu.Command1(0));
}

TEST_F(FormIniTest, ScreenReadersReadTheCaptionsWithoutTheAccessKeyMark) {
    EXPECT_EQ(accessibleName(menu.Command1(0)), "INTRODUCCIÓN");
    EXPECT_EQ(accessibleName(menu.Command1(3)), "INSTRUCCIONES");
    EXPECT_EQ(accessibleName(menu.Command1(5)), "acerca de gusanicida");
    EXPECT_EQ(accessibleName(menu.Command1(6)), "SALIR");
}

TEST_F(FormIniTest, LoadingStartsTheMusicLoopingAndSetsNormalDifficulty) {
    EXPECT_EQ(menu.Dificultad(), 1);
    EXPECT_EQ(menu.MediaPlayer1().name(), "MediaPlayer1");
    EXPECT_TRUE(menu.MediaPlayer1().autoStart());
    EXPECT_EQ(menu.MediaPlayer1().playCount(), 0);
    EXPECT_EQ(menu.MediaPlayer1().volume(), 0);
    EXPECT_EQ(menu.MediaPlayer1().balance(), 0);
    EXPECT_TRUE(menu.MediaPlayer1().playing());
    EXPECT_EQ(music(), 1);
}

TEST_F(FormIniTest, ButtonsAreLaidOutByTheGapRule) {
    const int tops[] = {511, 1522, 2533, 3544, 4555, 5566, 6577};
    for (int i = 0; i < kMenuButtons; ++i) {
        EXPECT_EQ(menu.Command1(i)->geometry(), QRect(twipsToPixels(1000), twipsToPixels(tops[i]),
                                                      twipsToPixels(4000), twipsToPixels(500)));
    }
    EXPECT_EQ(menu.height(), twipsToPixels(7590));
}

TEST_F(FormIniTest, ButtonsUseTheMenuColourAndFont) {
    EXPECT_TRUE(menu.Command1(1)->styleSheet().contains("rgb(255, 211, 155)"));
    EXPECT_EQ(menu.Command1(1)->font().family(), "Verdana");
    EXPECT_DOUBLE_EQ(menu.Command1(1)->font().pointSizeF(), 14.25);
}

TEST_F(FormIniTest, DificultadStoresAnyValue) {
    menu.setDificultad(-7);
    EXPECT_EQ(menu.Dificultad(), -7);
}

TEST_F(FormIniTest, DifficultyCyclesKeepingFocusAndMusic) {
    const char* expected[] = {"&DIFICULTAD: DIFÍCIL", "&DIFICULTAD: FÁCIL", "&DIFICULTAD: NORMAL"};
    const Entero values[] = {2, 0, 1};
    for (int step = 0; step < 3; ++step) {
        menu.Command1(0)->setFocus();
        menu.Command1(2)->click();
        EXPECT_EQ(caption(2), QString::fromUtf8(expected[step]));
        EXPECT_EQ(menu.Dificultad(), values[step]);
        EXPECT_EQ(menu.focusWidget(), menu.Command1(2));
        EXPECT_TRUE(menu.MediaPlayer1().playing());
    }
    EXPECT_EQ(music(), 1);
    EXPECT_TRUE(f.modalWindows().empty());
}

TEST_F(FormIniTest, TheAccessKeyLetterPressesTheButtonAndMovesTheFocusToIt) {
    menu.Command1(0)->setFocus();
    QTest::keyClick(menu.Command1(0), Qt::Key_D);
    EXPECT_EQ(menu.Dificultad(), 2);
    EXPECT_EQ(menu.focusWidget(), menu.Command1(2));
    EXPECT_EQ(accessibleName(menu.Command1(2)), "DIFICULTAD: DIFÍCIL");
}

TEST_F(FormIniTest, UpAndDownArrowsMoveBetweenButtons) {
    menu.Command1(0)->setFocus();
    QTest::keyClick(menu.Command1(0), Qt::Key_Down);
    EXPECT_EQ(menu.focusWidget(), menu.Command1(1));
    QTest::keyClick(menu.Command1(1), Qt::Key_Up);
    EXPECT_EQ(menu.focusWidget(), menu.Command1(0));
}

TEST_F(FormIniTest, TheMusicStopsForEachTextDialogAndRestartsFromItsBeginningAfterwards) {
    const int buttons[] = {0, 3, 5};
    const Entero mensajes[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        bool stoppedMeanwhile = false;
        Entero shown = 0;
        f.whenModal([&](QDialog& d) {
            stoppedMeanwhile = !menu.MediaPlayer1().playing();
            shown = dynamic_cast<Dialog&>(d).Mensaje();
            EXPECT_EQ(menu.textDialog(), &d);
        });
        menu.Command1(buttons[i])->click();
        EXPECT_TRUE(stoppedMeanwhile);
        EXPECT_EQ(shown, mensajes[i]);
        EXPECT_EQ(music(), 2 + i);
        EXPECT_TRUE(menu.MediaPlayer1().playing());
        EXPECT_EQ(menu.textDialog(), nullptr);
    }
    EXPECT_EQ(f.modalWindows(), (std::vector<std::string>{"Dialog", "Dialog", "Dialog"}));
}

TEST_F(FormIniTest, AfterTheGalleryTheMusicStartsOnceNotTwiceOverItself) {
    menu.Command1(4)->click();
    EXPECT_EQ(f.modalWindows(), std::vector<std::string>{"Dialog1"});
    EXPECT_EQ(music(), 2);
    menu.Form_Activate();
    EXPECT_EQ(music(), 2);
    EXPECT_TRUE(menu.MediaPlayer1().playing());
}

TEST_F(FormIniTest, PlayingOpensTheGameAndTheMusicComesBackWhenItIsAbandoned) {
    bool loaded = false;
    f.whenModal([&](QDialog& d) {
        auto& game = dynamic_cast<GameWindow&>(d);
        loaded = game.form().cargada();
        EXPECT_EQ(menu.gameWindow(), &game);
        EXPECT_FALSE(menu.MediaPlayer1().playing());
    });
    QTest::keyClick(menu.Command1(0), Qt::Key_J);
    EXPECT_TRUE(loaded);
    EXPECT_EQ(f.modalWindows(), std::vector<std::string>{"Form1"});
    EXPECT_EQ(music(), 2);
    EXPECT_FALSE(f.p.scheduler.nextDue().has_value());
    EXPECT_EQ(menu.gameWindow(), nullptr);
}

TEST_F(FormIniTest, EveryGameIsPlayedInTheSameWindowWhoseVariablesCarryOver) {
    GameWindow* first = nullptr;
    f.whenModal([&](QDialog& d) {
        first = &dynamic_cast<GameWindow&>(d);
        first->form().GiroReciente = VERDADERO;
        first->form().SalidaX = 13;
    });
    menu.Command1(1)->click();
    f.whenModal([&](QDialog& d) {
        EXPECT_EQ(&d, first);
        EXPECT_TRUE(first->form().cargada());
        EXPECT_EQ(first->form().GiroReciente, VERDADERO);
        EXPECT_EQ(first->form().SalidaX, 13);
    });
    menu.Command1(1)->click();
    EXPECT_EQ(f.modalWindows(), (std::vector<std::string>{"Form1", "Form1"}));
}

TEST_F(FormIniTest, TheGameIsPlayedAtTheMenusDifficulty) {
    menu.setDificultad(2);
    Entero played = -1;
    f.whenModal([&](QDialog& d) { played = dynamic_cast<GameWindow&>(d).form().Dificultad; });
    menu.Command1(1)->click();
    EXPECT_EQ(played, 2);
}

TEST_F(FormIniTest, TheEndOfGameDialogPlaysTheRecordingOfTheMenusDifficulty) {
    menu.setDificultad(0);
    menu.openModal("Dialog2");
    EXPECT_EQ(f.modalWindows(), std::vector<std::string>{"Dialog2"});
    EXPECT_EQ(f.starts(Sonido::FinalFacil), 1);
}

TEST_F(FormIniTest, ExitClosesTheMenuSilencesTheMusicAndEndsTheProgram) {
    bool ended = false;
    menu.setOnEndProgram([&] { ended = true; });
    menu.Command1(6)->click();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(menu.isVisible());
    EXPECT_FALSE(menu.MediaPlayer1().playing());
}

}  // namespace
}  // namespace gus
