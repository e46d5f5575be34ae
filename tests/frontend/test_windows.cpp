// The game window, the sound gallery, the text dialog and the end-of-game dialog on their own.
#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "frontend/board_view.h"
#include "frontend/end_dialog.h"
#include "frontend/game_window.h"
#include "frontend/key_codes.h"
#include "frontend/key_receiver.h"
#include "frontend/sound_gallery.h"
#include "frontend/text_dialog.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using std::tuple;
using testing::Heard;
using testing::Heards;
using testing::SimFrontend;

TEST(KeyCodes, QtKeysBecomeVirtualKeyCodesAndModifiersShiftCtrlAltBits) {
    // clang-format off
    const std::pair<int, int> codes[] = {{Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39},
        {Qt::Key_Down, 40}, {Qt::Key_Space, 32}, {Qt::Key_Shift, 16}, {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27}, {Qt::Key_A, 65}, {Qt::Key_V, 86}, {Qt::Key_Z, 90}, {Qt::Key_B, 66},
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Control, 17}, {Qt::Key_Tab, 9},
        {Qt::Key_F1, 112}, {Qt::Key_VolumeUp, 0}};
    // clang-format on
    for (const auto& [key, code] : codes) EXPECT_EQ(virtualKeyCode(key), code) << key;
    EXPECT_EQ(tuple(virtualKeyCode(Qt::Key_5, true), modifierBits(Qt::NoModifier),
                    modifierBits(Qt::AltModifier),
                    modifierBits(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier)),
              tuple(101, 0, 4, 3));
}

struct GameOnly {
    GameOnly() { window.Load(), window.show(); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.Picture1(), key, mods);
    }
    int repaints() const { return window.board()->refreshCount(); }
    QString status() const { return window.Label2()->text(); }

    SimFrontend f;
    GameWindow window{f.services, [] { return Entero{1}; }};
    Form1& game = window.form();
};
class Game : public ::testing::Test, public GameOnly {};

// The screen reader reads the announced words late: they stay after the label is cleared.
TEST_F(Game, TheStatusIsAnnouncedOnceAtTheEndOfTheKeyAndKeptAfterTheLabelIsCleared) {
    const int before = Announcer::program().announcements();
    press(Qt::Key_V);
    press(Qt::Key_CapsLock);
    EXPECT_EQ(tuple(status(), Announcer::program().lastAnnounced(),
                    Announcer::program().announcements(), window.focusWidget()),
              tuple("", "5 vidas te quedan", before + 1, window.Picture1()));
    EXPECT_EQ(
        tuple(window.windowTitle(), window.board()->focusPolicy(), window.Picture1()->marksDrawn()),
        tuple("GUSANICIDA", Qt::NoFocus, true));
}

TEST_F(Game, KeysReachTheGameAfterTheTimersAndRepaintTheBoardAsTicksDo) {
    const int syncs = f.syncs, painted = repaints();
    press(Qt::Key_Z);
    EXPECT_EQ(tuple(window.Label1()->text(), status()), tuple("7, 12", "7, 12"));
    press(Qt::Key_Up, Qt::ControlModifier);  // the radar, not a step
    EXPECT_EQ(tuple(game.Jugador.Y, status().isEmpty()), tuple(12, false));
    for (int i = 0; i < 3; ++i) {  // a held arrow moves one cell per repeat
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(window.Picture1(), &repeat);
    }
    // Six keys: Z, Control and Up, three repeats.
    EXPECT_EQ(tuple(game.Jugador.X, f.syncs, repaints()), tuple(4, syncs + 6, painted + 6));
    f.p.wait(3000);  // a worm comes in
    EXPECT_GT(repaints(), painted + 6);
}

// A worm stands on the player's cell, and the status text is five seconds old.
TEST(GameKeys, AKeyWithNoMeaningInTheGameStillRunsTheKeyHandlersTail) {
    for (const Qt::Key key : {Qt::Key_B, Qt::Key_Control}) {
        GameOnly g;
        g.press(Qt::Key_V);
        g.f.p.wait(5000);
        g.game.Jugador = RegistroJugador{g.game.Monstruos[0].X, g.game.Monstruos[0].Y, 1};
        g.press(key);
        EXPECT_EQ(
            tuple(g.status(), g.window.Label1()->text(), g.game.controles().TMRMuerto.enabled()),
            tuple("¡Has muerto! Te quedan 4 vidas.",
                  QString("%1, %2").arg(g.game.Jugador.X).arg(g.game.Jugador.Y), true));
    }
}

TEST_F(Game, EscGivesTheFocusBackToPicture1AndNeverClosesTheGame) {
    press(Qt::Key_Escape);
    window.Picture1()->clearFocus();
    const int syncs = f.syncs;
    QTest::keyClick(&window, Qt::Key_Escape);  // only the window's handler runs
    EXPECT_EQ(tuple(window.focusWidget(), f.syncs, window.isVisible(), game.cargada()),
              tuple(window.Picture1(), syncs + 1, true, true));
}

TEST_F(Game, ClosingTheWindowAbandonsTheGameStoppingEveryTimerSoundAndKey) {
    press(Qt::Key_Space);  // a bomb: its timer and fuse sound are running
    ASSERT_TRUE(f.p.scheduler.nextDue().has_value());
    window.close();
    ASSERT_NE(game.controlesSiHay(), nullptr);
    EXPECT_EQ(tuple(game.cargada(), f.p.scheduler.nextDue().has_value(), window.closedByGame(),
                    game.controlesSiHay()->WMPBomba[0].playing()),
              tuple(false, false, false, false));
    const int painted = repaints();
    press(Qt::Key_V);
    EXPECT_EQ(repaints(), painted);
    window.show();
    game.Unload();  // the game closing its window itself hides it
    window.closeWindow();
    EXPECT_EQ(tuple(window.closedByGame(), window.isVisible(), window.result()),
              tuple(true, false, QDialog::Accepted));
}

TEST(Gallery, EachEntryPlaysOnceItsFileAtItsPlaceAnArrowReplaysItAndEnterAgain) {
    // clang-format off
    const tuple<const char*, const char*, int, int> entries[] = {
        {"Pulsa enter para volver al menú", nullptr, 0, 0}, {"pared arriba", Sonido::PasoA, 0, -600},
        {"Pared derecha", Sonido::PasoA, 3000, -600}, {"Pared abajo", Sonido::PasoA, 200, -300},
        {"Pared izquierda", Sonido::PasoA, -3000, -600},
        {"Gusano entrando al almacén", Sonido::EntraGusano, 0, 0},
        {"Gusano moviéndose", Sonido::GusanoMoviendose, 0, 0},
        {"Gusano matándote", Sonido::GusanoTeMata, 0, 0}, {"Gusano muriendo", Sonido::MuereGusano, 0, 0},
        {"Temporizador de una bomba", Sonido::Mecha, 0, 0}, {"Bomba explotando", Sonido::Explosion, 0, 0},
        {"Te alcanza la llama de una bomba", Sonido::Llama, 0, 0},
        {"Indicador de la salida", Sonido::Salida, 0, 0}, {"Cerrar puerta", Sonido::Puerta, 0, 0}};
    // clang-format on
    SimFrontend f;
    Dialog1 gallery(f.services);
    gallery.show();
    GalleryList* list = gallery.List1();
    EXPECT_EQ(tuple(gallery.windowTitle(), gallery.focusWidget(), list->currentRow(),
                    list->font().pointSize() >= 14, f.heard()),
              tuple("SONIDOS", list, 0, true, Heards{}));
    for (int i = 13; i >= 0; --i) {
        const auto& [caption, file, balance, volume] = entries[i];
        f.p.log.clear();
        list->setCurrentRow(i);
        EXPECT_EQ(tuple(list->item(i)->text(), f.heard(), gallery.MP1().playing()),
                  tuple(caption, file ? Heards{{"MP1", file, balance, volume}} : Heards{},
                        file != nullptr));
    }
    list->setCurrentRow(10);
    f.p.wait(60000);
    EXPECT_FALSE(gallery.MP1().playing());
    list->setCurrentRow(1);
    f.p.log.clear();
    QTest::keyClick(list, Qt::Key_Down);  // the entry again, then the next one in its place
    QTest::keyClick(list, Qt::Key_Return);
    const Heard right = {"MP1", Sonido::PasoA, 3000, -600};
    EXPECT_EQ(tuple(f.heard(), gallery.isVisible()),
              tuple(Heards{{"MP1", Sonido::PasoA, 0, -600}, right, right}, true));
}

TEST(TextDialog, TheIntroductionIsSpokenOnceWithTheTextHiddenUntilAceptar) {
    SimFrontend f;
    Dialog d(f.services, 1);
    d.show();
    EXPECT_EQ(tuple(d.windowTitle(), d.Text1()->isHidden(), d.Text1()->isEnabled(), d.focusWidget(),
                    d.OKButton()->text(), f.heard()),
              tuple("Introducción", true, false, d.OKButton(), "Aceptar",
                    Heards{{"MediaPlayer1", Sonido::Introduccion, 0, 0}}));
    d.OKButton()->click();
    EXPECT_EQ(tuple(d.MediaPlayer1().playing(), d.isVisible(), d.result()),
              tuple(false, false, QDialog::Accepted));
    d.show();
    f.p.wait(600000);
    EXPECT_FALSE(d.MediaPlayer1().playing());
}

// Read line by line, every line is a whole sentence: none is wrapped at the window's edge.
TEST(TextDialog, InstructionsAndAboutAreShownOneSentenceALineWithTheFocusOnTheText) {
    const QString about =
        "GUSANICIDA, un juego de acción para jugar con el oído, sin mirar la "
        "pantalla.\nVersión 1.0, Junio de 2008";
    for (const auto& [mensaje, title, lines] :
         {tuple(Entero{2}, "Instrucciones", 7), tuple(Entero{3}, "Acerca de GUSANICIDA", 2)}) {
        SimFrontend f;
        Dialog d(f.services, mensaje);
        d.show();
        const QPlainTextEdit* box = d.Text1();
        const QString shown = box->toPlainText();
        EXPECT_EQ(tuple(d.windowTitle(), box->accessibleName(), box->document()->blockCount(),
                        box->isVisible(), box->isEnabled(), box->isReadOnly(),
                        box->font().pointSize() >= 14, d.focusWidget()),
                  tuple(title, title, lines, true, true, true, true, box));
        EXPECT_EQ(QString::fromStdString(d.text1Value()), QString(shown).replace("\n", "\r\n"));
        EXPECT_TRUE(mensaje == 3 ? shown == about : shown.contains("pulsa la a.\n\nPara unas"));
        for (QTextBlock b = box->document()->begin(); b.isValid(); b = b.next())
            EXPECT_EQ(b.layout()->lineCount(), 1) << b.text().toStdString();
        QTest::keyClick(d.Text1(), Qt::Key_Tab);
        EXPECT_EQ(tuple(d.focusWidget(), f.heard()), tuple(d.OKButton(), Heards{}));
    }
}

TEST(EndDialog, PlaysOnceTheRecordingOfTheDifficultyReadWhenItOpensAndAceptarClosesIt) {
    // clang-format off
    const std::pair<Entero, const char*> endings[] = {{0, Sonido::FinalFacil},
        {1, Sonido::FinalNormal}, {2, Sonido::FinalDificil}, {3, nullptr}, {-1, nullptr},
        {100, nullptr}};
    // clang-format on
    for (const auto& [dificultad, file] : endings) {
        SimFrontend f;
        Entero menuValue = 1;
        Dialog2 d(f.services, [&] { return menuValue; });
        menuValue = dificultad;
        d.show();
        EXPECT_EQ(tuple(f.heard(), d.MP1().playing(), d.windowTitle(), d.OKButton()->text(),
                        d.focusWidget()),
                  tuple(file ? Heards{{"MP1", file, 0, 0}} : Heards{}, file != nullptr,
                        "Final del juego", "Aceptar", d.OKButton()));
        f.p.wait(600000);
        EXPECT_FALSE(d.MP1().playing());
        d.OKButton()->click();
        EXPECT_EQ(tuple(d.isVisible(), d.result()), tuple(false, QDialog::Accepted));
    }
}

}  // namespace
}  // namespace gus
