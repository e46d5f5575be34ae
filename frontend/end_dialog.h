// The end-of-game dialog: a recording that depends on the difficulty the game was played at.
#pragma once

#include <QDialog>
#include <functional>

#include "frontend/frontend_services.h"
#include "game/tipos.h"
#include "sound/channel.h"

class QPushButton;

namespace gus {

class Dialog2 : public QDialog {
  public:
    Dialog2(FrontendServices& services, std::function<Entero()> dificultadDelMenu,
            QWidget* parent = nullptr);
    ~Dialog2() override;

    QPushButton* OKButton() const { return okButton_; }
    Channel& MP1() { return mp1_; }

    void Form_Activate();
    void OKButton_Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    FrontendServices& s_;
    std::function<Entero()> dificultadDelMenu_;
    Channel mp1_;
    QPushButton* okButton_;
    bool activatedOnce_ = false;
};

}  // namespace gus
