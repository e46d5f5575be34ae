// The game window's protocol: loading, unloading, keys, labels and the end window.
#include "game/game_session.h"

#include "platform/event_road.h"
#include "platform/modal.h"
#include "platform/speech.h"

namespace gus {

GameSession::GameSession(const Services& services, GameWindowHost& host,
                         std::function<Entero()> dificultadDelMenu)
    : s_(services),
      host_(host),
      status_(services.speech),
      form_(services, *this, std::move(dificultadDelMenu)) {}

void GameSession::load() {
    s_.road.handle([this] { form_.Load(); });
}

void GameSession::unload() {
    if (!form_.cargada()) return;
    s_.road.handle([this] { form_.Unload(); });
}

void GameSession::key(Entero code, Entero shift, bool toPicture1) {
    if (!form_.cargada()) return;
    s_.road.handle([&] {
        Entero keyCode = code;
        form_.Form_KeyDown(keyCode, shift);
        // A window closed by the first handler has no Picture1 left to take the key.
        if (toPicture1 && form_.cargada()) form_.Picture1_KeyDown(keyCode, shift);
    });
}

LabelView* GameSession::labelView(LabelId label) {
    if (label == LabelId::Label1) return host_.labelView(label);
    status_.shown = host_.labelView(label);
    return &status_;
}

void GameSession::StatusView::captionChanged(const std::string& caption) {
    if (shown != nullptr) shown->captionChanged(caption);
    speech_.written(caption);
}

// The one way the game opens a window of its own: the event so far published, the timers held.
void GameSession::showWindow(WindowId window) {
    runModal(s_.road, s_.timers, [&] { host_.showWindow(window); });
}

}  // namespace gus
