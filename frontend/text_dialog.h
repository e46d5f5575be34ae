// The text dialog: the spoken introduction, the instructions or the about box.
#pragma once

#include "frontend/fixed_dialog.h"
#include "game/tipos.h"
#include "platform/event_road.h"
#include "platform/services.h"
#include "sound/channel.h"

class QPlainTextEdit;
class QPushButton;

namespace gus {

class Dialog : public ActivatedDialog {
  public:
    Dialog(Services& services, Entero mensaje, QWidget* parent = nullptr);
    ~Dialog() override;

    Entero Mensaje() const { return mensaje_; }
    // The text as the game keeps it, lines broken with "\r\n".
    const std::string& text1Value() const { return text1Value_; }
    QPlainTextEdit* Text1() const { return text1_; }
    QPushButton* OKButton() const { return okButton_; }
    Channel& MediaPlayer1() { return mediaPlayer1_; }

    void Form_Activate() override;
    void OKButton_Click();

  private:
    void activate();
    void setText1(const std::string& text);

    Services& s_;
    Entero mensaje_;
    Channel mediaPlayer1_;
    QPlainTextEdit* text1_;
    QPushButton* okButton_;
    std::string text1Value_;
};

}  // namespace gus
