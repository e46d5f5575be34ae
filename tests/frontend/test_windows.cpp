// The start menu and the windows it opens: their keys, what they show and the sounds around them.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <algorithm>

#include "frontend/board_view.h"
#include "frontend/end_dialog.h"
#include "frontend/game_window.h"
#include "frontend/key_receiver.h"
#include "frontend/menu_captions.h"
#include "frontend/sound_gallery.h"
#include "frontend/text_dialog.h"
#include "platform/modal.h"
#include "platform/qt/qt_dialogs.h"
#include "tests/frontend/frontend_fixture.h"
#include "tests/support/fields.h"

namespace gus {
namespace {

using std::tuple;
using testing::Heard;
using testing::Heards;
using testing::SimFrontend;

class Menu : public ::testing::Test {
  protected:
    Menu() { menu.show(); }
    QPushButton* button(int i) const { return menu.Command1(i); }
    long music() const {
        return std::ranges::count(f.heard(), Heard{"MediaPlayer1", Sonido::MusicaMenu, 0, 0});
    }
    SimFrontend f;
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

// Where the focus is on it already, the new caption is spoken: the Orca test hears it.
TEST_F(Menu, ArrowsMoveDifficultyCyclesMovingTheFocusToItsButtonAndSalirEnds) {
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
    EXPECT_EQ(tuple(menu.MediaPlayer1().playing(), music(), f.shown.size()), tuple(true, 1, 0u));
    bool ended = false;  // Salir closes the menu, silences the music and ends the program
    menu.setOnEndProgram([&] { ended = true; });
    button(6)->click();
    EXPECT_EQ(tuple(ended, menu.isVisible(), menu.MediaPlayer1().playing()),
              tuple(true, false, false));
}

// The introduction is a recording with the text hidden; the other texts are read line by line,
// so every line is a whole sentence, never wrapped at the window's edge.
TEST_F(Menu, TextDialogsStopTheMusicTillAceptarOrTheCloserAndShowOneSentenceALine) {
    const Heard music = {"MediaPlayer1", Sonido::MusicaMenu, 0, 0};
    const Heard intro = {"MediaPlayer1", Sonido::Introduccion, 0, 0};
    // clang-format off
    const tuple<int, const char*, int, const char*, bool> dialogs[] = {  // button, lines, Aceptar
        {0, "Introducción", 1, "", true}, {0, "Introducción", 1, "", false},
        {3, "Instrucciones", 7, "pulsa la a.\n\nPara unas", true}, {5, "Acerca de GUSANICIDA", 2,
         "GUSANICIDA, un juego de acción para jugar con el oído, sin mirar la pantalla.\n"
         "Versión 1.0, Junio de 2008", false}};
    // clang-format on
    for (const auto& [command, title, lines, shown, byAceptar] : dialogs) {
        f.p.log.clear();
        f.whenModal<Dialog>([&](Dialog& d) {
            QPlainTextEdit* text = d.Text1();
            EXPECT_FIELDS(
                tuple(menu.MediaPlayer1().playing(), menu.textDialog(), d.windowTitle(),
                      text->accessibleName(), text->isVisible(), text->isEnabled(),
                      text->isReadOnly(), text->font().pointSize() >= 14,
                      d.focusWidget()->objectName(), d.OKButton()->text(), f.heard(),
                      text->document()->blockCount(), text->toPlainText().contains(shown),
                      QString::fromStdString(d.text1Value())),
                tuple(false, &d, title, title, command != 0, command != 0, true, true,
                      command ? "Text1" : "OKButton", "Aceptar", command ? Heards{} : Heards{intro},
                      lines, true, text->toPlainText().replace("\n", "\r\n")));
            for (QTextBlock b = text->document()->begin(); b.isValid(); b = b.next())
                EXPECT_EQ(b.layout()->lineCount(), 1) << b.text().toStdString();
            QTest::keyClick(d.focusWidget(), Qt::Key_Tab);
            EXPECT_EQ(d.focusWidget(), d.OKButton());
            if (!byAceptar) f.p.wait(600000);  // the introduction ends by itself
            byAceptar ? d.OKButton()->click() : (void)d.close();
            EXPECT_EQ(tuple(d.MediaPlayer1().playing(), d.isVisible(), d.result()),
                      tuple(false, false, byAceptar ? QDialog::Accepted : QDialog::Rejected));
        });
        button(command)->click();
        EXPECT_EQ(tuple(f.p.audio.voiceCount(), menu.MediaPlayer1().playing(), menu.textDialog(),
                        f.heard()),
                  tuple(1u, true, nullptr, command ? Heards{music} : Heards{intro, music}));
    }
    EXPECT_EQ(f.shown, std::vector<std::string>(4, "Dialog"));
}

// A gallery entry is heard once when selected; an arrow that cannot move replays it.
TEST_F(Menu, TheGalleryPlaysEachEntryAtItsPlaceAndEnterOnTheFirstGoesBackToTheMusicOnce) {
    // clang-format off
    const struct { const char *caption, *file = nullptr; int balance = 0, volume = 0; } rows[] = {
        {"Pulsa enter para volver al menú"}, {"pared arriba", Sonido::PasoA, 0, -600},
        {"Pared derecha", Sonido::PasoA, 3000, -600}, {"Pared abajo", Sonido::PasoA, 200, -300},
        {"Pared izquierda", Sonido::PasoA, -3000, -600},
        {"Gusano entrando al almacén", Sonido::EntraMonstruo},
        {"Gusano moviéndose", Sonido::MonstruoMoviendose}, {"Gusano matándote", Sonido::MonstruoTeMata},
        {"Gusano muriendo", Sonido::MuereMonstruo}, {"Temporizador de una bomba", Sonido::Mecha},
        {"Bomba explotando", Sonido::Explosion},
        {"Te alcanza la llama de una bomba", Sonido::Llama},
        {"Indicador de la salida", Sonido::Salida}, {"Cerrar puerta", Sonido::Puerta}};
    // clang-format on
    for (int opening = 0; opening < 2; ++opening) {
        f.whenModal<Dialog1>([&](Dialog1& gallery) {
            GalleryList* list = gallery.List1();
            EXPECT_FIELDS(tuple(gallery.windowTitle(), gallery.focusWidget(), list->currentRow(),
                                list->count(), list->font().pointSize() >= 14, f.heard()),
                          tuple("SONIDOS", list, 0, 14, true, Heards{}));
            for (int i = 13; i >= 0; --i) {
                const auto& [caption, file, balance, volume] = rows[i];
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
            list->setCurrentRow(0);
            f.p.log.clear();
            QTest::keyClick(list, Qt::Key_Enter);
            EXPECT_FALSE(gallery.isVisible());
        });
        f.p.log.clear();
        button(4)->click();
        menu.Form_Activate();
        EXPECT_EQ(tuple(f.heard(), menu.MediaPlayer1().playing()),
                  tuple(Heards{{"MediaPlayer1", Sonido::MusicaMenu, 0, 0}}, true));
    }
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
}

// The game asks for its ending; the dialog reads the menu's difficulty when it opens.
TEST_F(Menu, TheEndingPlaysOnceTheRecordingOfTheDifficultyAndAceptarClosesIt) {
    // clang-format off
    const std::pair<Entero, const char*> endings[] = {{0, Sonido::FinalFacil},
        {1, Sonido::FinalNormal}, {2, Sonido::FinalDificil}, {3, nullptr}, {-1, nullptr},
        {100, nullptr}};
    // clang-format on
    for (const auto& [dificultad, file] : endings) {
        menu.setDificultad(dificultad);
        f.p.log.clear();
        f.whenModal<Dialog2>([&](Dialog2& d) {
            EXPECT_FIELDS(tuple(f.heard(), d.MP1().playing(), d.windowTitle(), d.OKButton()->text(),
                                d.focusWidget()),
                          tuple(file ? Heards{{"MP1", file, 0, 0}} : Heards{}, file != nullptr,
                                "Final del juego", "Aceptar", d.OKButton()));
            f.p.wait(600000);
            EXPECT_FALSE(d.MP1().playing());
            d.OKButton()->click();
            EXPECT_EQ(tuple(d.isVisible(), d.result()), tuple(false, QDialog::Accepted));
        });
        menu.openEnding();
    }
    EXPECT_EQ(f.shown, std::vector<std::string>(6, "Dialog2"));
}

class Game : public ::testing::Test {
  protected:
    Game() { window.Load(), window.show(); }
    void press(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(window.Picture1(), key, mods);
    }
    int repaints() const { return window.board()->refreshCount(); }
    QString status() const { return window.Label2()->text(); }

    SimFrontend f;
    GameWindow window{f.services, [] { return Entero{1}; }};
    Form1& game = window.form();
};

// The screen reader reads the announced words late: they stay after the label is cleared.
TEST_F(Game, TheStatusIsAnnouncedOnceAtTheEndOfTheKeyAndKeptAfterTheLabelIsCleared) {
    const int before = Announcer::program().announcements();
    press(Qt::Key_V);
    press(Qt::Key_CapsLock);
    EXPECT_FIELDS(
        tuple(status(), Announcer::program().lastAnnounced(), Announcer::program().announcements(),
              window.focusWidget(), window.Picture1()->marksDrawn()),
        tuple("", "5 vidas te quedan", before + 1, window.Picture1(), true));
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

// The real boxes on the game window, modal as the menu opens it. While one is open the player
// presses Escape on it, closes it with Alt+F4, or closes the game window itself.
TEST(GameBoxes, AKeyAltF4OrTheWindowClosedWhileABoxIsOpenEndTheGameOrGoOnCleanly) {
    enum While { Escape, AltF4, CloseWindow, CloseWindowThenYes };
    // clang-format off
    const struct { bool gameOver; While act; bool loaded, visible, closedByGame, exit; } cases[] = {
        {false, Escape, true, true, false, true}, {false, AltF4, true, true, false, true},
        {false, CloseWindow, false, false, false, false}, {true, Escape, false, false, true, false},
        {true, AltF4, false, false, true, false}, {true, CloseWindow, false, false, true, false},
        {true, CloseWindowThenYes, false, false, false, false}};
    // clang-format on
    for (const auto& c : cases) {
        SimFrontend f;
        QtDialogs qt;
        ModalDialogs boxes{qt, f.p.scheduler, f.p.road};
        Services services{f.p.scheduler, f.p.audio,  f.p.clock, f.p.random, f.p.beeper,
                          boxes,         f.p.folder, f.p.road,  f.speaking};
        GameWindow window{services, [] { return Entero{1}; }};
        window.setModal(true);
        window.Load();
        window.show();
        Form1& game = window.form();
        QTimer::singleShot(5000, &window, [] {  // a box left open fails, and is closed
            ADD_FAILURE() << "a message box was left unanswered";
            if (QWidget* open = QApplication::activeModalWidget()) open->close();
        });
        std::string box;
        QTimer::singleShot(0, &window, [&] {
            QWidget* open = QApplication::activeModalWidget();
            if (open == nullptr || open == &window) return;
            box = open->windowTitle().toStdString();
            if (c.act >= CloseWindow) window.close();  // the box stays till it is answered
            if (c.act == AltF4) open->close();
            if (c.act != AltF4)
                QTest::keyClick(open,
                                c.act == CloseWindowThenYes ? Qt::Key_Return : Qt::Key_Escape);
        });
        if (c.gameOver) {  // the last life goes
            game.Vidas = 1;
            game.controles().TMRMuerto.setEnabled(true);
            f.p.wait(800);
        } else {  // a bomb on the only worm: the box opens from inside the explosion
            game.MonstruosPorEntrar = 0;
            game.Jugador = {game.Monstruos[0].X, game.Monstruos[0].Y};
            QTest::keyClick(window.Picture1(), Qt::Key_Space);
            QTest::keyClick(window.Picture1(), Qt::Key_Shift, Qt::ShiftModifier);
        }
        EXPECT_FIELDS(
            tuple(box, QApplication::activeModalWidget(), game.cargada(), window.isVisible(),
                  window.closedByGame(), game.controles().TMRSalida.enabled(),
                  f.p.scheduler.nextDue().has_value()),
            tuple(c.gameOver ? "GUSANICIDA" : "¡Fase 1 superada!", c.loaded ? &window : nullptr,
                  c.loaded, c.visible, c.closedByGame, c.exit, c.loaded))
            << c.gameOver << c.act;
        window.Load();  // the menu's next game in the same window
        EXPECT_TRUE(game.cargada() && game.controles().TMRMonstruo[0].enabled());
    }
}

}  // namespace
}  // namespace gus
