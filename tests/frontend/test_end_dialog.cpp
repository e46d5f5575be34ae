// The end-of-game dialog: its recording for each difficulty.
#include <gtest/gtest.h>

#include <QPushButton>

#include "frontend/end_dialog.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::SimFrontend;

struct Ending {
    Entero dificultad;
    const char* file;
};

class EndDialogByDifficulty : public ::testing::TestWithParam<Ending> {};

TEST_P(EndDialogByDifficulty, PlaysTheRecordingOfTheMenusDifficulty) {
    SimFrontend f;
    const Ending e = GetParam();
    Dialog2 d(f.services, [&] { return e.dificultad; });
    d.show();
    const std::vector<SimEvent> sounds = f.sounds();
    ASSERT_EQ(sounds.size(), 1u);
    EXPECT_EQ(sounds[0].file, e.file);
    EXPECT_EQ(sounds[0].channel, "MP1");
    EXPECT_TRUE(d.MP1().playing());
}

INSTANTIATE_TEST_SUITE_P(ThreeDifficulties, EndDialogByDifficulty,
                         ::testing::Values(Ending{0, Sonido::FinalFacil},
                                           Ending{1, Sonido::FinalNormal},
                                           Ending{2, Sonido::FinalDificil}));

TEST(EndDialog, AnyOtherDifficultyIsSilent) {
    for (Entero value : {Entero{3}, Entero{-1}, Entero{100}}) {
        SimFrontend f;
        Dialog2 d(f.services, [&] { return value; });
        d.show();
        EXPECT_TRUE(f.sounds().empty()) << value;
        EXPECT_FALSE(d.MP1().playing());
    }
}

TEST(EndDialog, TitledWithAceptarFocusedAndItsChannelStartingByItself) {
    SimFrontend f;
    Dialog2 d(f.services, [] { return Entero{1}; });
    d.show();
    EXPECT_EQ(d.objectName(), "Dialog2");
    EXPECT_EQ(d.windowTitle(), "Final del juego");
    EXPECT_EQ(d.OKButton()->text(), "Aceptar");
    EXPECT_EQ(d.focusWidget(), d.OKButton());
    EXPECT_TRUE(d.MP1().autoStart());
    EXPECT_EQ(d.MP1().playCount(), 1);
    EXPECT_EQ(d.MP1().volume(), 0);
    EXPECT_EQ(d.MP1().balance(), 0);
}

TEST(EndDialog, AceptarClosesIt) {
    SimFrontend f;
    Dialog2 d(f.services, [] { return Entero{2}; });
    d.show();
    d.OKButton()->click();
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(EndDialog, ReadsTheDifficultyWhenItOpensNotWhenItIsMade) {
    SimFrontend f;
    Entero menuValue = 0;
    Dialog2 d(f.services, [&] { return menuValue; });
    menuValue = 2;
    d.show();
    EXPECT_EQ(f.starts(Sonido::FinalDificil), 1);
}

}  // namespace
}  // namespace gus
