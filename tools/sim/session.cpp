// The simulated host of the game session: everything the window shows goes to the log.
#include "tools/sim/session.h"

namespace gus {

SimSession::SimSession() : game(p.services(), *this, [this] { return dificultad; }) {}

void SimSession::unload() {
    if (!game.loaded()) return;
    game.unload();
    logWindow(SimEvent::Kind::Close, WindowId::Form1);
}

LabelView* SimSession::labelView(LabelId label) {
    return label == LabelId::Label1 ? &label1_ : &label2_;
}

void SimSession::closeWindow() {
    logWindow(SimEvent::Kind::Close, WindowId::Form1);
}

void SimSession::showWindow(WindowId window) {
    logWindow(SimEvent::Kind::Dialog, window);
}

void SimSession::logWindow(SimEvent::Kind kind, WindowId window) {
    SimEvent e;
    e.kind = kind;
    e.t = p.scheduler.now();
    e.window = nameOf(window);
    p.log.add(std::move(e));
}

void SimSession::TextLog::captionChanged(const std::string& caption) {
    SimEvent e;
    e.kind = SimEvent::Kind::Text;
    e.t = s_.p.scheduler.now();
    e.label = nameOf(label_);
    e.text = caption;
    s_.p.log.add(std::move(e));
}

}  // namespace gus
