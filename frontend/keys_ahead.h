// Which of the game area's key presses reach the game before the screen reader has answered.
#pragma once

#include <QKeyEvent>
#include <chrono>
#include <deque>

namespace gus {

// With a screen reader running, Qt hands every typed key to the reader's key listener and holds
// it until the listener answers (up to 100 ms while the reader is busy speaking), then posts a
// copy of it. The game's own keys need no answer: the reader only echoes them. They go to the
// game at once, and the copy that comes back is their twin, to be dropped. A key the reader may
// take as its own command (anything typed with its modifier, Insert or Caps Lock, held) waits as
// before, and so does every key after it until its answer is in, so the game sees keys in order.
class KeysAhead {
  public:
    using Clock = std::chrono::steady_clock;
    // How long the reader's answer for one key is waited for: Qt gives up after 100 ms.
    static constexpr std::chrono::milliseconds kAnswer{150};
    // A copy comes back at the latest this long after its key, on the busiest machine.
    static constexpr std::chrono::milliseconds kTwin{2000};

    // Every key typed in the program, pressed or released: follows the reader's modifiers.
    void noteTyped(const QKeyEvent& key);
    // The program lost the keyboard: a key released elsewhere is never heard of.
    void forgetHeldKeys() { readerModifiersHeld_ = 0; }
    // A key press typed in the game area that Qt kept for the reader: true when it goes to the
    // game now, false when it waits for its copy.
    bool goesAhead(const QKeyEvent& press, Clock::time_point now);
    // A key press reaching the game area: true when it is the twin of one that went ahead.
    bool isTwin(const QKeyEvent& press, Clock::time_point now);
    // A key that went ahead still waits for the reader's answer.
    bool awaitingAnswer(Clock::time_point now) const;

  private:
    struct Typed {
        int key;
        quint32 scanCode;
        bool repeat;
        bool ahead;
        Clock::time_point at;
    };
    static bool isGameKey(const QKeyEvent& press);
    static bool isReaderModifier(int key);
    bool answerPending(bool ahead, Clock::time_point now) const;
    void forgetOlderThan(Clock::time_point when);

    std::deque<Typed> typed_;  // in the order the reader is asked, which is its answers' order
    int readerModifiersHeld_ = 0;
};

}  // namespace gus
