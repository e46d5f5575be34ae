// Wiring of the real program.
#include "frontend/program.h"

#include <QCoreApplication>
#include <QDialog>

#include "frontend/form_ini.h"

namespace gus {

ProgramRandom::ProgramRandom() {
    bool ok = false;
    const int seed = qEnvironmentVariableIntValue("GUSANICIDA_SEMILLA", &ok);
    if (ok) fixed_ = seed;
}

Program::Program(AudioOutput& audio, Beeper& beeper, ProgramFolder folder)
    : audio_(audio),
      dialogs_(boxes_, timers_, [&audio] { endOfEvent(audio); }),
      services_{timers_,
                audio,
                clock_,
                random_,
                beeper,
                dialogs_,
                std::move(folder),
                [this] { driver_.sync(); },
                [](QDialog& window) { window.exec(); }} {
    timers_.setAfterTick([&audio] { endOfEvent(audio); });
    menu_ = std::make_unique<FormIni>(services_);
    menu_->setOnEndProgram([] { QCoreApplication::quit(); });
    boxes_.setWindowOpener([this](Window w) { menu_->openModal(w); });
}

Program::~Program() {
    menu_.reset();
    timers_.setAfterTick({});
}

void Program::start() {
    menu_->show();
    menu_->centreOnScreen();
}

}  // namespace gus
