// The start menu: seven buttons, the menu music, and the difficulty the game is played at.
#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "frontend/frontend_services.h"
#include "game/tipos.h"
#include "sound/channel.h"

class QPushButton;

namespace gus {

class Dialog;
class Dialog1;
class GameWindow;

class FormIni : public QWidget {
  public:
    explicit FormIni(FrontendServices& services, QWidget* parent = nullptr);
    ~FormIni() override;

    Entero Dificultad() const { return dificultad_; }
    void setDificultad(Entero value) { dificultad_ = value; }
    QPushButton* Command1(int index) const;
    Channel& MediaPlayer1() { return mediaPlayer1_; }

    void Form_Load();
    void Form_Activate();
    void Command1_Click(int index);
    // The game asks for one of its windows (the end-of-game dialog).
    void openModal(Window w);
    void setOnEndProgram(std::function<void()> fn) { onEndProgram_ = std::move(fn); }
    void centreOnScreen();

    // The windows opened from the menu, while they are open.
    Dialog* textDialog() const { return textDialog_; }
    Dialog1* gallery() const { return gallery_; }
    GameWindow* gameWindow() const { return gameWindow_; }

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void createButtons();
    void layOutButtons();
    void openTextDialog(Entero mensaje);
    void openGame();
    void openGallery();
    void openEnding();
    void cycleDifficulty();
    void closeEverything();
    bool pressByAccessKey(const QString& typed);

    FrontendServices& s_;
    Channel mediaPlayer1_;
    Entero dificultad_ = 0;
    std::array<QPushButton*, 7> command1_{};
    bool activatedOnce_ = false;
    Dialog* textDialog_ = nullptr;
    Dialog1* gallery_ = nullptr;
    GameWindow* gameWindow_ = nullptr;
    std::function<void()> onEndProgram_;
};

}  // namespace gus
