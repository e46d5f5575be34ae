// Picture1: the small picture that holds the keyboard focus while the game is played.
#pragma once

#include <QKeyEvent>
#include <QWidget>
#include <functional>

#include "game/tipos.h"

namespace gus {

class KeyReceiver : public QWidget {
  public:
    // Receives the game's keys: the virtual key code and the modifier bits.
    using KeySink = std::function<void(Entero code, Entero shift)>;

    KeyReceiver(KeySink sink, QWidget* parent);

    // Hands a typed key to the game (see GameApplication: before the screen reader answers).
    void takeKey(const QKeyEvent& key);

    // DibujaMarcas: a point and a red line, figures with no meaning for the game.
    void drawMarks();
    bool marksDrawn() const { return marks_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    KeySink sink_;
    bool marks_ = false;
};

}  // namespace gus
