// Wiring of the game window to the simulated platform.
#include "tools/sim/session.h"

namespace gus {

SimSession::SimSession() : form(p.services(), *this, [this] { return dificultad; }) {}

void SimSession::load() {
    p.road.handle([this] { form.Load(); });
}

void SimSession::unload() {
    if (!form.cargada()) return;
    p.road.handle([this] {
        form.Unload();
        closeWindow();
    });
}

void SimSession::key(Entero code, Entero shift) {
    if (!form.cargada()) return;
    p.road.handle([this, code, shift] {
        Entero keyCode = code;
        form.Form_KeyDown(keyCode, shift);
        // A window closed by the first handler has no Picture1 left to take the key.
        if (form.cargada()) form.Picture1_KeyDown(keyCode, shift);
    });
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
