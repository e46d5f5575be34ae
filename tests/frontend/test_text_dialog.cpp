// The text dialog: the spoken introduction, the instructions and the about box.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "frontend/form_ini.h"
#include "frontend/messages.h"
#include "frontend/text_dialog.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::SimFrontend;

TEST(TextDialog, TheIntroductionIsSpokenWithTheTextBoxHiddenAndTheFocusOnAceptar) {
    SimFrontend f;
    Dialog d(f.services, 1);
    d.show();
    EXPECT_EQ(d.objectName(), "Dialog");
    EXPECT_EQ(d.windowTitle(), "Introducción");
    EXPECT_FALSE(d.Text1()->isEnabled());
    EXPECT_TRUE(d.Text1()->isHidden());
    EXPECT_EQ(d.focusWidget(), d.OKButton());
    EXPECT_EQ(d.OKButton()->text(), "Aceptar");
    EXPECT_EQ(f.starts(Sonido::Introduccion), 1);
    EXPECT_TRUE(d.MediaPlayer1().playing());
}

TEST(TextDialog, ItsChannelPlaysOnceAtFullVolumeInTheMiddle) {
    SimFrontend f;
    Dialog d(f.services, 1);
    EXPECT_EQ(d.MediaPlayer1().name(), "MediaPlayer1");
    EXPECT_TRUE(d.MediaPlayer1().autoStart());
    EXPECT_EQ(d.MediaPlayer1().playCount(), 1);
    EXPECT_EQ(d.MediaPlayer1().volume(), 0);
    EXPECT_EQ(d.MediaPlayer1().balance(), 0);
}

TEST(TextDialog, AceptarSilencesTheIntroductionAndClosesTheDialog) {
    SimFrontend f;
    Dialog d(f.services, 1);
    d.show();
    d.OKButton()->click();
    EXPECT_FALSE(d.MediaPlayer1().playing());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
}

TEST(TextDialog, TheInstructionsAreShownInTheTextBoxWhichHasTheFocus) {
    SimFrontend f;
    Dialog d(f.services, 2);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Instrucciones");
    EXPECT_EQ(d.text1Value(), messageText(2));
    const QString shown = d.Text1()->toPlainText();
    EXPECT_EQ(shown.count(QLatin1Char('\n')), 6);
    EXPECT_FALSE(shown.contains(QLatin1Char('\r')));
    EXPECT_TRUE(shown.contains("oeste.\nPara colocar"));
    EXPECT_TRUE(shown.contains("pulsa la a.\n\nPara unas"));
    EXPECT_TRUE(d.Text1()->isEnabled());
    EXPECT_FALSE(d.Text1()->isHidden());
    EXPECT_TRUE(d.Text1()->isReadOnly());
    EXPECT_EQ(d.focusWidget(), d.Text1());
    // Read line by line, every line is a whole sentence: none is wrapped at the window's edge.
    for (QTextBlock b = d.Text1()->document()->begin(); b.isValid(); b = b.next()) {
        EXPECT_EQ(b.layout()->lineCount(), 1) << b.text().toStdString();
    }
    EXPECT_GE(d.Text1()->font().pointSize(), 14);
    EXPECT_EQ(d.Text1()->accessibleName(), "Instrucciones");
    QTest::keyClick(d.Text1(), Qt::Key_Tab);
    EXPECT_EQ(d.focusWidget(), d.OKButton());
    EXPECT_TRUE(f.sounds().empty());
}

TEST(TextDialog, TheAboutBoxIsTwoLinesEndingWithTheDate) {
    SimFrontend f;
    Dialog d(f.services, 3);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Acerca de GUSANICIDA");
    const QString shown = d.Text1()->toPlainText();
    EXPECT_EQ(shown.count(QLatin1Char('\n')), 1);
    EXPECT_TRUE(shown.endsWith("Junio de 2008"));
    EXPECT_EQ(d.text1Value(), messageText(3));
}

TEST(TextDialog, ClosingTheIntroductionByItsCloseControlSilencesIt) {
    SimFrontend f;
    FormIni menu(f.services, f.modalRunner());
    menu.show();
    bool spoke = false;
    f.whenModal([&](QDialog& d) {
        spoke = dynamic_cast<Dialog&>(d).MediaPlayer1().playing();
        d.close();
    });
    menu.Command1(0)->click();
    EXPECT_TRUE(spoke);
    // Only the menu's channel is left, and it plays the music again.
    EXPECT_EQ(f.p.audio.voiceCount(), 1u);
    EXPECT_TRUE(menu.MediaPlayer1().playing());
}

TEST(TextDialog, AceptarOnTheIntroductionBringsTheMenuMusicBackFromItsStart) {
    SimFrontend f;
    FormIni menu(f.services, f.modalRunner());
    menu.show();
    f.whenModal([](QDialog& d) { dynamic_cast<Dialog&>(d).OKButton()->click(); });
    menu.Command1(0)->click();
    const std::vector<SimEvent> sounds = f.sounds();
    ASSERT_EQ(sounds.size(), 3u);
    EXPECT_EQ(sounds[0].file, Sonido::MusicaMenu);
    EXPECT_EQ(sounds[1].file, Sonido::Introduccion);
    EXPECT_EQ(sounds[2].file, Sonido::MusicaMenu);
    EXPECT_EQ(sounds[2].channel, "MediaPlayer1");
}

}  // namespace
}  // namespace gus
