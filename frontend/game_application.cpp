// Typed keys: the game area's go to the game before the screen reader answers for them.
#include "frontend/game_application.h"

#include <QKeyEvent>
#include <QPointer>

#include "frontend/key_receiver.h"
#include "platform/qt/announcer.h"

namespace gus {

namespace {

bool isKey(const QEvent& event) {
    return event.type() == QEvent::KeyPress || event.type() == QEvent::KeyRelease;
}

}  // namespace

GameApplication::GameApplication(int& argc, char** argv) : QApplication(argc, argv) {
    answerWait_.setSingleShot(true);
    answerWait_.setInterval(KeysAhead::kAnswer);
    connect(&answerWait_, &QTimer::timeout, this, [this] { holdSpeechWhileAwaited(); });
}

GameApplication* GameApplication::game() {
    return dynamic_cast<GameApplication*>(QCoreApplication::instance());
}

bool GameApplication::notify(QObject* receiver, QEvent* event) {
    if (event->type() == QEvent::ApplicationDeactivate) keys_.forgetHeldKeys();
    // A typed key comes to the window first and is then passed on to the focused widget as the
    // same event: only its first coming is the typing.
    if (!isKey(*event) || !event->spontaneous() || event == typing_)
        return QApplication::notify(receiver, event);
    return typeKey(receiver, static_cast<QKeyEvent&>(*event));
}

KeyReceiver* GameApplication::gameArea() {
    auto* area = dynamic_cast<KeyReceiver*>(QApplication::focusWidget());
    if (area == nullptr || !area->isActiveWindow()) return nullptr;
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != area->window())
        return nullptr;
    if (QApplication::activePopupWidget() || QWidget::keyboardGrabber()) return nullptr;
    return area;
}

bool GameApplication::typeKey(QObject* receiver, QKeyEvent& key) {
    keys_.noteTyped(key);
    QPointer<KeyReceiver> area = key.type() == QEvent::KeyPress ? gameArea() : nullptr;
    typing_ = &key;
    arrived_ = false;
    const bool done = QApplication::notify(receiver, &key);
    typing_ = nullptr;
    // Not arrived: the accessibility bridge has it, and will post a copy once the reader answers.
    if (area && !arrived_ && keys_.goesAhead(key, KeysAhead::Clock::now())) {
        holdSpeechWhileAwaited();
        area->takeKey(key);
    }
    return done;
}

bool GameApplication::keyArrives(QKeyEvent& press) {
    if (&press == typing_) {
        arrived_ = true;
        return true;
    }
    const bool twin = keys_.isTwin(press, KeysAhead::Clock::now());
    holdSpeechWhileAwaited();
    return !twin;
}

void GameApplication::holdSpeechWhileAwaited() {
    const bool awaited = keys_.awaitingAnswer(KeysAhead::Clock::now());
    Announcer::program().setHeld(awaited);
    if (awaited) answerWait_.start();
}

}  // namespace gus
