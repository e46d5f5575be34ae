// The menu layout rule, captions, texts, gallery table, ending sounds and key codes.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>

#include "frontend/ending_sounds.h"
#include "frontend/gallery_sounds.h"
#include "frontend/key_codes.h"
#include "frontend/menu_captions.h"
#include "frontend/menu_layout.h"
#include "frontend/messages.h"
#include "sound/catalogue.h"

namespace gus {
namespace {

int countOf(const std::string& text, const std::string& piece) {
    int n = 0;
    for (std::size_t at = text.find(piece); at != std::string::npos;
         at = text.find(piece, at + piece.size())) {
        ++n;
    }
    return n;
}

TEST(MenuLayout, SevenButtonsInTheDesignHeightLeave511TwipsBetweenThem) {
    EXPECT_EQ(menuButtonGap(7, 7590), 511);
    const std::vector<TwipsBox> boxes = menuButtonLayout(7, 7590);
    ASSERT_EQ(boxes.size(), 7u);
    const int tops[] = {511, 1522, 2533, 3544, 4555, 5566, 6577};
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].top, tops[i]) << "button " << i;
        EXPECT_EQ(boxes[i].left, 1000);
        EXPECT_EQ(boxes[i].width, 4000);
        EXPECT_EQ(boxes[i].height, 500);
    }
}

TEST(MenuLayout, FreeHeightIsRoundedHalfToEvenBeforeTheDivisionDropsTheFraction) {
    // Two buttons leave three gaps: 2.5 rounds down to 2 (even), 3.5 up to 4.
    EXPECT_EQ(menuButtonGap(2, 1002.5), 0);
    EXPECT_EQ(menuButtonGap(2, 1003.5), 1);
    // 2.6 rounds to 3: a whole gap; plain truncation would give none.
    EXPECT_EQ(menuButtonGap(2, 1002.6), 1);
    EXPECT_EQ(roundHalfToEven(0.5), 0);
    EXPECT_EQ(roundHalfToEven(1.5), 2);
    EXPECT_EQ(roundHalfToEven(-0.5), 0);
    EXPECT_EQ(roundHalfToEven(-1.5), -2);
    EXPECT_EQ(roundHalfToEven(2.4), 2);
}

TEST(MenuLayout, TooLittleHeightDropsTheFractionTowardsZero) {
    // -100 / 8 drops its fraction towards zero, as integer division does.
    EXPECT_EQ(menuButtonGap(7, 3400), -12);
}

TEST(MenuLayout, TwipsBecomePixelsAtFifteenPerPixel) {
    EXPECT_EQ(twipsToPixels(7590), 506);
    EXPECT_EQ(twipsToPixels(1000), 67);
    EXPECT_EQ(twipsToPixels(511), 34);
    EXPECT_EQ(twipsToPixels(500), 33);
}

TEST(MenuCaptions, SevenCaptionsWithTheirAccessKeys) {
    EXPECT_EQ(menuCaption(0), "&INTRODUCCIÓN");
    EXPECT_EQ(menuCaption(1), "&JUGAR");
    EXPECT_EQ(menuCaption(2), "&DIFICULTAD: NORMAL");
    EXPECT_EQ(menuCaption(3), "I&NSTRUCCIONES");
    EXPECT_EQ(menuCaption(4), "S&ONIDOS DEL JUEGO");
    EXPECT_EQ(menuCaption(5), "&acerca de gusanicida");
    EXPECT_EQ(menuCaption(6), "&SALIR");
}

TEST(MenuCaptions, DifficultyCyclesUpAndWrapsAboveTwo) {
    EXPECT_EQ(nextDifficulty(0), 1);
    EXPECT_EQ(nextDifficulty(1), 2);
    EXPECT_EQ(nextDifficulty(2), 0);
    EXPECT_EQ(nextDifficulty(7), 0);
    EXPECT_EQ(nextDifficulty(-3), -2);
    EXPECT_EQ(difficultyCaption(0), "&DIFICULTAD: FÁCIL");
    EXPECT_EQ(difficultyCaption(1), "&DIFICULTAD: NORMAL");
    EXPECT_EQ(difficultyCaption(2), "&DIFICULTAD: DIFÍCIL");
    EXPECT_FALSE(difficultyCaption(3).has_value());
}

TEST(Messages, CaptionsOfTheThreeMessages) {
    EXPECT_EQ(messageCaption(1), "Introducción");
    EXPECT_EQ(messageCaption(2), "Instrucciones");
    EXPECT_EQ(messageCaption(3), "Acerca de GUSANICIDA");
}

TEST(Messages, InstructionsAreSixSentencesWithAnEmptyLineBeforeTheLast) {
    const std::string text = messageText(2);
    EXPECT_EQ(countOf(text, "\r\n"), 6);
    EXPECT_EQ(countOf(text, "\n"), 6);
    EXPECT_EQ(countOf(text, "\r"), 6);
    EXPECT_EQ(text.rfind("Elimina a todos los gusanos de una fase antes de moverte a la siguiente."
                         "\r\n",
                         0),
              0u);
    EXPECT_NE(text.find("\r\n\r\nPara unas instrucciones más detalladas, consulta el archivo de "
                        "instrucciones que viene con el juego."),
              std::string::npos);
    EXPECT_NE(text.find("Para moverte por la pantalla utiliza las teclas de cursor: Arriba = "
                        "norte, abajo = sur, derecha = este e izquierda = oeste.\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Para colocar una bomba, pulsa la tecla de espacio, y para hacerla "
                        "estallar pulsa la tecla de shift o mayúscula.\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Para utilizar el radar y comprobar qué hay a tu alrededor, pulsa la "
                        "tecla de control junto con una de las teclas de cursor.\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("Para comprobar cuántas vidas te quedan pulsa la tecla v, y para saber "
                        "cuántos monstruos debes matar aún, pulsa la a.\r\n"),
              std::string::npos);
    EXPECT_EQ(text.substr(text.size() - 2), "o.");
}

TEST(Messages, AboutIsTwoLinesEndingWithTheDateAndNoBreak) {
    const std::string text = messageText(3);
    EXPECT_EQ(countOf(text, "\r\n"), 1);
    EXPECT_EQ(countOf(text, "\n"), 1);
    const std::string end = "Junio de 2008";
    ASSERT_GE(text.size(), end.size());
    EXPECT_EQ(text.substr(text.size() - end.size()), end);
}

TEST(Messages, TheIntroductionHasNoTextToShow) {
    EXPECT_EQ(messageText(1), "");
}

TEST(GallerySounds, FourteenEntriesWithTheirFilesAndGains) {
    const auto& s = gallerySounds();
    ASSERT_EQ(s.size(), 14u);
    EXPECT_STREQ(s[0].caption, "Pulsa enter para volver al menú");
    EXPECT_EQ(s[0].file, nullptr);
    struct Wall {
        const char* caption;
        int balance;
        int volume;
    };
    const Wall walls[] = {{"pared arriba", 0, -600},
                          {"Pared derecha", 3000, -600},
                          {"Pared abajo", 200, -300},
                          {"Pared izquierda", -3000, -600}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_STREQ(s[i].caption, walls[i - 1].caption);
        EXPECT_STREQ(s[i].file, Sonido::PasoA);
        EXPECT_EQ(s[i].balance, walls[i - 1].balance);
        EXPECT_EQ(s[i].volume, walls[i - 1].volume);
    }
    const std::pair<const char*, const char*> others[] = {
        {"Gusano entrando al almacén", Sonido::EntraGusano},
        {"Gusano moviéndose", Sonido::GusanoMoviendose},
        {"Gusano matándote", Sonido::GusanoTeMata},
        {"Gusano muriendo", Sonido::MuereGusano},
        {"Temporizador de una bomba", Sonido::Mecha},
        {"Bomba explotando", Sonido::Explosion},
        {"Te alcanza la llama de una bomba", Sonido::Llama},
        {"Indicador de la salida", Sonido::Salida},
        {"Cerrar puerta", Sonido::Puerta}};
    for (int i = 5; i <= 13; ++i) {
        EXPECT_STREQ(s[i].caption, others[i - 5].first);
        EXPECT_STREQ(s[i].file, others[i - 5].second);
        EXPECT_EQ(s[i].balance, 0);
        EXPECT_EQ(s[i].volume, 0);
    }
}

TEST(EndingSounds, OneRecordingPerDifficultyAndNoneForOtherValues) {
    EXPECT_STREQ(endingSound(0), Sonido::FinalFacil);
    EXPECT_STREQ(endingSound(1), Sonido::FinalNormal);
    EXPECT_STREQ(endingSound(2), Sonido::FinalDificil);
    EXPECT_EQ(endingSound(3), nullptr);
    EXPECT_EQ(endingSound(-1), nullptr);
}

TEST(KeyCodes, TheGameKeysBecomeVirtualKeyCodes) {
    EXPECT_EQ(virtualKeyCode(Qt::Key_Left), 37);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Up), 38);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Right), 39);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Down), 40);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Space), 32);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Shift), 16);
    EXPECT_EQ(virtualKeyCode(Qt::Key_CapsLock), 20);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Escape), 27);
    EXPECT_EQ(virtualKeyCode(Qt::Key_A), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_V), 86);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Z), 90);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Return), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Enter), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_B), 66);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Control), 17);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Tab), 9);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_5, true), 101);
    EXPECT_EQ(virtualKeyCode(Qt::Key_VolumeUp), 0);
}

TEST(KeyCodes, ModifiersBecomeShiftCtrlAndAltBits) {
    EXPECT_EQ(modifierBits(Qt::NoModifier), 0);
    EXPECT_EQ(modifierBits(Qt::ShiftModifier), 1);
    EXPECT_EQ(modifierBits(Qt::ControlModifier), 2);
    EXPECT_EQ(modifierBits(Qt::AltModifier), 4);
    EXPECT_EQ(modifierBits(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier), 3);
}

}  // namespace
}  // namespace gus
