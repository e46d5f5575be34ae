// The game window: shows the game, hands it the keys and speaks its status line.
#pragma once

#include <QDialog>
#include <functional>
#include <memory>

#include "frontend/label_views.h"
#include "game/game_session.h"
#include "platform/event_road.h"
#include "platform/services.h"

namespace gus {

class BoardView;
class KeyReceiver;

// One window, and one Form1 in it, for the whole run: the menu loads and unloads it for every
// game, and the game's variables carry from one game to the next. The window is a host of the
// game session: it shows, and hands over the keys as they come.
class GameWindow : public QDialog, public GameWindowHost {
  public:
    // `showEnding` shows the end-of-game dialog modally (the menu owns it).
    GameWindow(Services& services, std::function<Entero()> dificultadDelMenu,
               std::function<void()> showEnding = {}, QWidget* parent = nullptr);
    ~GameWindow() override;

    // Loads the game: its controls are created and Form_Load runs.
    void Load();
    // The game closed its window itself (the game is over) rather than being abandoned.
    bool closedByGame() const { return closedByGame_; }

    Form1& form() { return session_->form(); }
    KeyReceiver* Picture1() const { return picture1_; }
    QLabel* Label1() const { return label1_; }
    QLabel* Label2() const { return label2_; }
    BoardView* board() const { return board_; }

    LabelView* labelView(LabelId label) override;
    void drawMarks() override;
    void focusKeyReceiver() override;
    void closeWindow() override;
    void showWindow(WindowId window) override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void reject() override;

  private:
    void buildControls();

    Services& s_;
    KeyReceiver* picture1_ = nullptr;
    QLabel* label1_ = nullptr;
    QLabel* label2_ = nullptr;
    BoardView* board_ = nullptr;
    std::unique_ptr<PlainLabelView> label1View_;
    std::unique_ptr<PlainLabelView> label2View_;
    std::function<void()> showEnding_;
    EventRoad::Listener refreshBoard_;
    bool closedByGame_ = false;
    // Last: the game goes before the views it writes to.
    std::unique_ptr<GameSession> session_;
};

}  // namespace gus
