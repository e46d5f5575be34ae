// Wiring of the real program.
#include "frontend/program.h"

#include <QCoreApplication>

#include "frontend/form_ini.h"

namespace gus {

Program::Program(AudioOutput& audio, Beeper& beeper, ProgramFolder folder)
    : road_(timers_, audio),
      services_{
          timers_, audio, clock_, random_, beeper, dialogs_, std::move(folder), road_, speech_,
      } {
    // Timers enabled by an input count from the moment it came.
    road_.setPresent([this] { return driver_.gameNow(); });
    menu_ = std::make_unique<FormIni>(services_);
    menu_->setOnEndProgram([] { QCoreApplication::quit(); });
}

Program::~Program() {
    menu_.reset();
}

void Program::start() {
    menu_->show();
    menu_->centreOnScreen();
}

}  // namespace gus
