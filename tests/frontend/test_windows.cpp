// The game window, the sound gallery, the text dialog and the end-of-game dialog on their own.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "frontend/board_view.h"
#include "frontend/end_dialog.h"
#include "frontend/game_window.h"
#include "frontend/key_receiver.h"
#include "frontend/sound_gallery.h"
#include "frontend/text_dialog.h"
#include "platform/qt/announcement_spot.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::Heard;
using testing::SimFrontend;
using Heards = std::vector<Heard>;

class Game : public ::testing::Test {
  protected:
    Game() {
        window.Load();
        window.show();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.Picture1(), key, mods);
    }
    int repaints() const { return window.board()->refreshCount(); }

    SimFrontend f;
    GameWindow window{f.services, [] { return Entero{1}; }};
    Form1& game = window.form();
};

TEST_F(Game, LoadedWithPicture1HoldingTheFocusAndTheTimersRunning) {
    EXPECT_EQ(window.objectName(), "Form1");
    EXPECT_EQ(window.windowTitle(), "GUSANICIDA");
    EXPECT_TRUE(game.cargada());
    EXPECT_EQ(window.focusWidget(), window.Picture1());
    EXPECT_EQ(window.Picture1()->objectName(), "Picture1");
    EXPECT_EQ(window.board()->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(window.Picture1()->marksDrawn());
    EXPECT_TRUE(f.p.scheduler.nextDue().has_value());
}

// The screen reader reads the announced words late: they stay after the label is cleared.
TEST_F(Game, TheStatusIsAnnouncedOnceAtTheEndOfTheKeyAndKeptAfterTheLabelIsCleared) {
    const int before = Announcer::program().announcements();
    press(Qt::Key_V);
    press(Qt::Key_CapsLock);
    EXPECT_EQ(window.Label2()->text(), "");
    EXPECT_EQ(Announcer::program().announcements(), before + 1);
    EXPECT_EQ(Announcer::program().lastAnnounced(), "5 vidas te quedan");
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    auto* spot = window.findChild<AnnouncementSpot*>();
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(testing::accessibleName(spot->notification()), "5 vidas te quedan");
#endif
    EXPECT_EQ(window.focusWidget(), window.Picture1());
}

TEST_F(Game, KeysReachTheGameAfterTheTimersAndRepaintTheBoard) {
    const int syncs = f.syncs, painted = repaints();
    press(Qt::Key_Z);
    EXPECT_EQ(window.Label2()->text(), "7, 12");
    EXPECT_EQ(window.Label1()->text(), "7, 12");
    press(Qt::Key_Up, Qt::ControlModifier);  // the radar, not a step
    EXPECT_EQ(game.Jugador.Y, 12);
    EXPECT_FALSE(window.Label2()->text().isEmpty());
    for (int i = 0; i < 3; ++i) {  // a held arrow moves one cell per repeat
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(window.Picture1(), &repeat);
    }
    EXPECT_EQ(game.Jugador.X, 4);
    EXPECT_EQ(f.syncs, syncs + 6);  // Control is a key too
    EXPECT_EQ(repaints(), painted + 6);
    f.p.wait(3000);  // a worm comes in
    EXPECT_GT(repaints(), painted + 6);
}

// A worm stands on the player's cell, and the status text is five seconds old.
TEST(GameKeys, AKeyWithNoMeaningInTheGameStillRunsTheKeyHandlersTail) {
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
        EXPECT_EQ(window.Label1()->text(), QString("%1, %2").arg(game.Jugador.X).arg(game.Jugador.Y));
        EXPECT_TRUE(game.controles().TMRMuerto.enabled());
    }
}

TEST_F(Game, EscGivesTheFocusBackToPicture1AndNeverClosesTheGame) {
    press(Qt::Key_Escape);
    window.Picture1()->clearFocus();
    const int syncs = f.syncs;
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_EQ(window.focusWidget(), window.Picture1());
    EXPECT_EQ(f.syncs, syncs + 1);  // only the window's own handler ran
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(game.cargada());
}

TEST_F(Game, ClosingTheWindowAbandonsTheGameStoppingEveryTimerSoundAndKey) {
    press(Qt::Key_Space);  // a bomb: its timer and fuse sound are running
    window.close();
    EXPECT_FALSE(game.cargada());
    EXPECT_FALSE(f.p.scheduler.nextDue().has_value());
    EXPECT_FALSE(window.closedByGame());
    ASSERT_NE(game.controlesSiHay(), nullptr);
    EXPECT_FALSE(game.controlesSiHay()->WMPBomba[0].playing());
    const int painted = repaints();
    press(Qt::Key_V);
    EXPECT_EQ(repaints(), painted);
}

TEST_F(Game, TheGameClosingItsWindowHidesIt) {
    game.Unload();
    window.closeWindow();
    EXPECT_TRUE(window.closedByGame());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
}

TEST(Gallery, FourteenEntriesEachPlayingOnceItsFileAtItsPlaceAndTheFirstSilent) {
    // clang-format off
    const std::tuple<const char*, const char*, int, int> entries[] = {
        {"Pulsa enter para volver al menú", nullptr, 0, 0},
        {"pared arriba", Sonido::PasoA, 0, -600}, {"Pared derecha", Sonido::PasoA, 3000, -600},
        {"Pared abajo", Sonido::PasoA, 200, -300}, {"Pared izquierda", Sonido::PasoA, -3000, -600},
        {"Gusano entrando al almacén", Sonido::EntraGusano, 0, 0}, {"Gusano moviéndose", Sonido::GusanoMoviendose, 0, 0},
        {"Gusano matándote", Sonido::GusanoTeMata, 0, 0}, {"Gusano muriendo", Sonido::MuereGusano, 0, 0},
        {"Temporizador de una bomba", Sonido::Mecha, 0, 0}, {"Bomba explotando", Sonido::Explosion, 0, 0},
        {"Te alcanza la llama de una bomba", Sonido::Llama, 0, 0}, {"Indicador de la salida", Sonido::Salida, 0, 0},
        {"Cerrar puerta", Sonido::Puerta, 0, 0}};
    // clang-format on
    SimFrontend f;
    Dialog1 gallery(f.services);
    gallery.show();
    EXPECT_EQ(gallery.windowTitle(), "SONIDOS");
    EXPECT_EQ(gallery.objectName(), "Dialog1");
    EXPECT_EQ(gallery.focusWidget(), gallery.List1());
    EXPECT_GE(gallery.List1()->font().pointSize(), 14);
    EXPECT_EQ(gallery.List1()->currentRow(), 0);
    EXPECT_TRUE(f.heard().empty());
    ASSERT_EQ(gallery.List1()->count(), 14);
    for (int i = 13; i >= 0; --i) {
        const auto& [caption, file, balance, volume] = entries[i];
        EXPECT_EQ(gallery.List1()->item(i)->text(), caption);
        f.p.log.clear();
        gallery.List1()->setCurrentRow(i);
        EXPECT_EQ(f.heard(), (file ? Heards{{"MP1", file, balance, volume}} : Heards{})) << i;
        EXPECT_EQ(gallery.MP1().playing(), file != nullptr) << i;
    }
    gallery.List1()->setCurrentRow(10);
    f.p.wait(60000);
    EXPECT_FALSE(gallery.MP1().playing());
}

TEST(Gallery, AnArrowReplaysTheEntryThenPlaysTheNextOnOneChannelAndEnterReplays) {
    SimFrontend f;
    Dialog1 gallery(f.services);
    gallery.show();
    gallery.List1()->setCurrentRow(1);
    f.p.log.clear();
    QTest::keyClick(gallery.List1(), Qt::Key_Down);
    EXPECT_EQ(f.heard(), (Heards{{"MP1", Sonido::PasoA, 0, -600}, {"MP1", Sonido::PasoA, 3000, -600}}));
    EXPECT_EQ(f.p.audio.voiceCount(), 1u);  // the two never sound together
    QTest::keyClick(gallery.List1(), Qt::Key_Return);
    EXPECT_EQ(f.heard().size(), 3u);
    EXPECT_TRUE(gallery.isVisible());
    gallery.List1()->setCurrentRow(0);
    QTest::keyClick(gallery.List1(), Qt::Key_Return);
    EXPECT_FALSE(gallery.isVisible());
    EXPECT_EQ(gallery.result(), QDialog::Accepted);
    EXPECT_EQ(f.heard().size(), 3u);
}

TEST(TextDialog, TheIntroductionIsSpokenOnceWithTheTextHiddenUntilAceptar) {
    SimFrontend f;
    Dialog d(f.services, 1);
    d.show();
    EXPECT_EQ(d.windowTitle(), "Introducción");
    EXPECT_TRUE(d.Text1()->isHidden());
    EXPECT_FALSE(d.Text1()->isEnabled());
    EXPECT_EQ(d.focusWidget(), d.OKButton());
    EXPECT_EQ(d.OKButton()->text(), "Aceptar");
    EXPECT_EQ(f.heard(), (Heards{{"MediaPlayer1", Sonido::Introduccion, 0, 0}}));
    d.OKButton()->click();
    EXPECT_FALSE(d.MediaPlayer1().playing());
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), QDialog::Accepted);
    d.show();
    f.p.wait(600000);
    EXPECT_FALSE(d.MediaPlayer1().playing());
}

TEST(TextDialog, InstructionsAndAboutAreShownWhole) {
    const char* instructions =
        "Elimina a todos los gusanos de una fase antes de moverte a la siguiente.\n"
        "Para moverte por la pantalla utiliza las teclas de cursor: Arriba = norte, abajo = sur, "
        "derecha = este e izquierda = oeste.\n"
        "Para colocar una bomba, pulsa la tecla de espacio, y para hacerla estallar pulsa la tecla "
        "de shift o mayúscula.\n"
        "Para utilizar el radar y comprobar qué hay a tu alrededor, pulsa la tecla de control junto "
        "con una de las teclas de cursor.\n"
        "Para comprobar cuántas vidas te quedan pulsa la tecla v, y para saber cuántos monstruos "
        "debes matar aún, pulsa la a.\n\n"
        "Para unas instrucciones más detalladas, consulta el archivo de instrucciones que viene "
        "con el juego.";
    const char* about = "GUSANICIDA, un juego de acción para jugar con el oído, sin mirar la "
                        "pantalla.\nVersión 1.0, Junio de 2008";
    const std::tuple<Entero, const char*, const char*> texts[] = {
        {2, "Instrucciones", instructions}, {3, "Acerca de GUSANICIDA", about}};
    for (const auto& [mensaje, title, text] : texts) {
        SimFrontend f;
        Dialog d(f.services, mensaje);
        d.show();
        EXPECT_EQ(d.windowTitle(), title);
        EXPECT_EQ(d.Text1()->toPlainText(), text);
        EXPECT_EQ(QString::fromStdString(d.text1Value()), QString(text).replace("\n", "\r\n"));
        EXPECT_TRUE(d.Text1()->isVisible() && d.Text1()->isEnabled() && d.Text1()->isReadOnly());
        EXPECT_EQ(d.Text1()->accessibleName(), title);
        EXPECT_GE(d.Text1()->font().pointSize(), 14);
        // Read line by line, every line is a whole sentence: none is wrapped at the window's edge.
        for (QTextBlock b = d.Text1()->document()->begin(); b.isValid(); b = b.next()) {
            EXPECT_EQ(b.layout()->lineCount(), 1) << b.text().toStdString();
        }
        EXPECT_EQ(d.focusWidget(), d.Text1());
        QTest::keyClick(d.Text1(), Qt::Key_Tab);
        EXPECT_EQ(d.focusWidget(), d.OKButton());
        EXPECT_TRUE(f.heard().empty());
    }
}

TEST(EndDialog, PlaysOnceTheRecordingOfTheDifficultyReadWhenItOpensAndAceptarClosesIt) {
    // clang-format off
    const std::pair<Entero, const char*> endings[] = {{0, Sonido::FinalFacil},
        {1, Sonido::FinalNormal}, {2, Sonido::FinalDificil}, {3, nullptr}, {-1, nullptr}, {100, nullptr}};
    // clang-format on
    for (const auto& [dificultad, file] : endings) {
        SimFrontend f;
        Entero menuValue = 1;
        Dialog2 d(f.services, [&] { return menuValue; });
        menuValue = dificultad;
        d.show();
        EXPECT_EQ(f.heard(), (file ? Heards{{"MP1", file, 0, 0}} : Heards{})) << dificultad;
        EXPECT_EQ(d.MP1().playing(), file != nullptr);
        EXPECT_EQ(d.objectName(), "Dialog2");
        EXPECT_EQ(d.windowTitle(), "Final del juego");
        EXPECT_EQ(d.OKButton()->text(), "Aceptar");
        EXPECT_EQ(d.focusWidget(), d.OKButton());
        f.p.wait(600000);
        EXPECT_FALSE(d.MP1().playing());
        d.OKButton()->click();
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
    }
}

}  // namespace
}  // namespace gus
