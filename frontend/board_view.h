// The board drawn large and in strong colours, for sighted helpers and players with low vision.
#pragma once

#include <QWidget>

namespace gus {

class Form1;

// Never takes the focus: the keys belong to Picture1.
class BoardView : public QWidget {
  public:
    BoardView(const Form1& game, QWidget* parent);

    // Asks for a repaint after a key or a tick.
    void refresh();
    int refreshCount() const { return refreshes_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void paintCell(QPainter& painter, int x, int y) const;
    QRect cellRect(int x, int y) const;

    const Form1& game_;
    int refreshes_ = 0;
};

}  // namespace gus
