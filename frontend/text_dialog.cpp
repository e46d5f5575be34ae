// The text dialog's controls and events.
#include "frontend/text_dialog.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/fixed_dialog.h"
#include "frontend/messages.h"
#include "platform/qt/qt_dialogs.h"
#include "sound/catalogue.h"
#include "sound/sound_path.h"

namespace gus {

Dialog::Dialog(FrontendServices& services, Entero mensaje, QWidget* parent)
    : ActivatedDialog(parent),
      s_(services),
      mensaje_(mensaje),
      mediaPlayer1_(services.audio, "MediaPlayer1", ChannelSetup{true, 1, 0, 0}),
      text1_(new QPlainTextEdit(this)),
      okButton_(new QPushButton(QStringLiteral("Aceptar"), this)) {
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setAccessibleName(QStringLiteral("Texto"));
    text1_->setReadOnly(true);
    // Read-only, yet the player walks through the lines with the arrows and hears each one.
    text1_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    text1_->setTabChangesFocus(true);
    text1_->setMinimumSize(520, 300);
    QSizePolicy keepPlace = text1_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    text1_->setSizePolicy(keepPlace);
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] { OKButton_Click(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text1_);
    layout->addLayout(buttons);
    setTabOrder(text1_, okButton_);
    makeFixedDialog(*this, QStringLiteral("Dialog"));
}

Dialog::~Dialog() = default;

void Dialog::setText1(const std::string& text) {
    text1Value_ = text;
    text1_->setPlainText(displayText(text));
}

void Dialog::Form_Activate() {
    EventScope event(s_.audio);
    text1_->setEnabled(true);
    text1_->setVisible(true);
    setWindowTitle(QString::fromStdString(messageCaption(mensaje_)));
    if (mensaje_ == kMensajeIntroduccion) {
        text1_->setEnabled(false);
        text1_->setVisible(false);
        mediaPlayer1_.setFileName(soundPath(s_.folder, Sonido::Introduccion));
        okButton_->setFocus(Qt::OtherFocusReason);
        return;
    }
    setText1(messageText(mensaje_));
    text1_->setFocus(Qt::OtherFocusReason);
}

void Dialog::OKButton_Click() {
    {
        EventScope event(s_.audio);
        mediaPlayer1_.stop();
    }
    accept();
}

}  // namespace gus
