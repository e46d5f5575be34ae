// GUSANICIDA: starts Qt in Spanish, opens the sound device and shows the menu.
#include <iostream>

#include "frontend/command_line.h"
#include "frontend/game_application.h"
#include "frontend/program.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/program_folder.h"
#include "platform/qt/spanish_translator.h"
#include "platform/sdl/sdl_audio_output.h"

int main(int argc, char** argv) {
    if (auto status = gus::answerCommandLine({argv + 1, argv + argc}, std::cout)) return *status;
    gus::GameApplication app(argc, argv);
    if (!gus::installSpanishTranslator(app)) {
        std::cerr
            << "gusanicida: no se encuentra la traducción de Qt al español (qtbase_es, del "
               "paquete qt6-translations-l10n): los botones de los avisos saldrán en inglés.\n";
    }
    gus::installAccessibility();
    gus::SdlAudioOutput audio;  // silent, but working, where no sound device exists
    gus::Program program(audio, audio, gus::qtProgramFolder());
    program.start();
    return QApplication::exec();
}
