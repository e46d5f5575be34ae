// The start menu: seven buttons, the menu music, and the difficulty the game is played at.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <string>

#include "game/tipos.h"
#include "platform/event_road.h"
#include "platform/services.h"
#include "sound/channel.h"

class QDialog;
class QPushButton;

namespace gus {

class Dialog;
class Dialog1;
class GameWindow;

class FormIni : public QWidget {
  public:
    // Shows a window modally and returns when it has closed; by default its own event loop.
    using ModalRunner = std::function<void(QDialog&)>;

    explicit FormIni(Services& services, ModalRunner runModal = {}, QWidget* parent = nullptr);
    ~FormIni() override;

    Entero Dificultad() const { return dificultad_; }
    void setDificultad(Entero value) { dificultad_ = value; }
    QPushButton* Command1(int index) const;
    Channel& MediaPlayer1() { return mediaPlayer1_; }

    void Form_Load();
    void Form_Activate();
    void Command1_Click(int index);
    // The end-of-game dialog, when the game asks for it (its timers already held).
    void openEnding();
    void setOnEndProgram(std::function<void()> fn) { onEndProgram_ = std::move(fn); }
    void centreOnScreen();

    // The windows opened from the menu, while they are open.
    Dialog* textDialog() const { return textDialog_; }
    Dialog1* gallery() const { return gallery_; }
    GameWindow* gameWindow() const { return gameWindow_; }
    // The game window, created on first use and kept for the whole run.
    GameWindow& game();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createButtons();
    void runCommand(int index);
    void layOutButtons();
    void openTextDialog(Entero mensaje);
    void openGame();
    void openGallery();
    void cycleDifficulty();
    void closeEverything();
    bool pressByAccessKey(const QString& typed);
    void showModally(QDialog& window);
    void takeKeyboard(QWidget* button);

    Services& s_;
    ModalRunner runModal_;
    Channel mediaPlayer1_;
    Entero dificultad_ = 0;
    std::array<QPushButton*, 7> command1_{};
    bool activatedOnce_ = false;
    Dialog* textDialog_ = nullptr;
    Dialog1* gallery_ = nullptr;
    GameWindow* gameWindow_ = nullptr;
    std::function<void()> onEndProgram_;
    std::unique_ptr<GameWindow> game_;
};

}  // namespace gus
