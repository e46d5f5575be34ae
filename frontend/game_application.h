// The program's Qt application: the game's keys are not held back for the screen reader.
#pragma once

#include <QApplication>
#include <QTimer>

#include "frontend/keys_ahead.h"

namespace gus {

class KeyReceiver;

// Sees every key before Qt's accessibility bridge does (the bridge is an application event
// filter, and `notify` runs first). A key press typed in the game area that the bridge kept for
// the screen reader is handed to the game at once, after the bridge has passed it on: the reader
// still hears every key, and the game's sound starts without waiting for the reader's answer.
// What the game says meanwhile waits for that answer, because the reader silences itself on every
// key press it hears and would cut words said before.
class GameApplication : public QApplication {
  public:
    GameApplication(int& argc, char** argv);

    // The running application when it is a GameApplication, else null (a plain QApplication).
    static GameApplication* game();

    bool notify(QObject* receiver, QEvent* event) override;

    // A key press reaching the game area: false for the twin of a key the game has had already.
    bool keyArrives(QKeyEvent& press);

  private:
    bool typeKey(QObject* receiver, QKeyEvent& key);
    static KeyReceiver* gameArea();
    void holdSpeechWhileAwaited();

    KeysAhead keys_;
    QEvent* typing_ = nullptr;  // the typed key on its way through Qt, until it arrives
    bool arrived_ = false;
    QTimer answerWait_;
};

}  // namespace gus
