// The game area's keys, ahead of the screen reader's answer, and the twins that follow them.
#include "frontend/keys_ahead.h"

#include <algorithm>

namespace gus {

bool KeysAhead::isReaderModifier(int key) {
    return key == Qt::Key_Insert || key == Qt::Key_CapsLock;
}

bool KeysAhead::isGameKey(const QKeyEvent& press) {
    // Ctrl with an arrow is the radar; Alt and the keypad belong to the window manager and to
    // the reader's review keys.
    if ((press.modifiers() & ~(Qt::ShiftModifier | Qt::ControlModifier)) != Qt::NoModifier)
        return false;
    switch (press.key()) {
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Space:
        case Qt::Key_Z:
        case Qt::Key_A:
        case Qt::Key_V:
        case Qt::Key_Shift:
        case Qt::Key_Control:
            return true;
        default:
            return false;
    }
}

void KeysAhead::noteTyped(const QKeyEvent& key) {
    if (!isReaderModifier(key.key()) || key.isAutoRepeat()) return;
    if (key.type() == QEvent::KeyPress) ++readerModifiersHeld_;
    if (key.type() == QEvent::KeyRelease)
        readerModifiersHeld_ = std::max(0, readerModifiersHeld_ - 1);
}

bool KeysAhead::answerPending(bool ahead, Clock::time_point now) const {
    return std::any_of(typed_.begin(), typed_.end(),
                       [&](const Typed& t) { return t.ahead == ahead && now - t.at < kAnswer; });
}

void KeysAhead::forgetOlderThan(Clock::time_point when) {
    while (!typed_.empty() && typed_.front().at < when) typed_.pop_front();
}

bool KeysAhead::goesAhead(const QKeyEvent& press, Clock::time_point now) {
    forgetOlderThan(now - kTwin);
    const bool ahead = readerModifiersHeld_ == 0 && isGameKey(press) && !answerPending(false, now);
    typed_.push_back({press.key(), press.nativeScanCode(), press.isAutoRepeat(), ahead, now});
    return ahead;
}

bool KeysAhead::isTwin(const QKeyEvent& press, Clock::time_point now) {
    forgetOlderThan(now - kTwin);
    auto same = std::find_if(typed_.begin(), typed_.end(), [&](const Typed& t) {
        return t.key == press.key() && t.scanCode == press.nativeScanCode() &&
               t.repeat == press.isAutoRepeat();
    });
    if (same == typed_.end()) return false;  // a key given by the program itself
    const bool twin = same->ahead;
    // The reader answers in order: a key before this one with no copy yet was the reader's own.
    typed_.erase(typed_.begin(), same + 1);
    return twin;
}

bool KeysAhead::awaitingAnswer(Clock::time_point now) const {
    return answerPending(true, now);
}

}  // namespace gus
