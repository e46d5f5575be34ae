// The end-of-game dialog: a recording that depends on the difficulty the game was played at.
#pragma once

#include <functional>

#include "frontend/fixed_dialog.h"
#include "game/tipos.h"
#include "platform/event_road.h"
#include "platform/services.h"
#include "sound/channel.h"

class QPushButton;

namespace gus {

class Dialog2 : public ActivatedDialog {
  public:
    Dialog2(Services& services, std::function<Entero()> dificultadDelMenu,
            QWidget* parent = nullptr);
    ~Dialog2() override;

    QPushButton* OKButton() const { return okButton_; }
    Channel& MP1() { return mp1_; }

    void Form_Activate() override;
    void OKButton_Click();

  private:
    Services& s_;
    std::function<Entero()> dificultadDelMenu_;
    Channel mp1_;
    QPushButton* okButton_;
};

}  // namespace gus
