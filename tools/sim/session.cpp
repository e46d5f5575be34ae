// Wiring of the game window to the simulated platform.
#include "tools/sim/session.h"

namespace gus {

SimSession::SimSession()
    : form(Form1Services{p.scheduler, p.audio, p.clock, p.random, p.beeper, p.dialogs, p.folder,
                         *this, [this] { return dificultad; }}) {}

void SimSession::load() {
    form.Load();
    p.endOfEvent();
}

void SimSession::unload() {
    if (!form.cargada()) return;
    form.Unload();
    closeWindow();
    p.endOfEvent();
}

void SimSession::key(Entero code, Entero shift) {
    if (!form.cargada()) return;
    Entero keyCode = code;
    form.Form_KeyDown(keyCode, shift);
    form.Picture1_KeyDown(keyCode, shift);
    p.endOfEvent();
}

LabelView* SimSession::labelView(const std::string& label) {
    return label == "Label1" ? &label1_ : &label2_;
}

void SimSession::closeWindow() {
    SimEvent e;
    e.kind = SimEvent::Kind::Close;
    e.t = p.scheduler.now();
    e.window = "Form1";
    p.log.add(std::move(e));
}

void SimSession::TextLog::captionChanged(const std::string& caption) {
    SimEvent e;
    e.kind = SimEvent::Kind::Text;
    e.t = s_.p.scheduler.now();
    e.label = label_;
    e.text = caption;
    s_.p.log.add(std::move(e));
}

}  // namespace gus
