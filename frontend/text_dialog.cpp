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

Dialog::Dialog(Services& services, Entero mensaje, QWidget* parent)
    : ActivatedDialog(parent),
      s_(services),
      mensaje_(mensaje),
      mediaPlayer1_(services.audio, "MediaPlayer1", ChannelSetup{true, 1, 0, 0}),
      text1_(new QPlainTextEdit(this)),
      okButton_(new QPushButton(QStringLiteral("Aceptar"), this)) {
    text1_->setObjectName(QStringLiteral("Text1"));
    text1_->setReadOnly(true);
    // A screen reader reads line by line: a line must be a whole sentence, never a piece of
    // one cut where the window happens to wrap it.
    text1_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text1_->setStyleSheet(QStringLiteral("QPlainTextEdit:focus { border: 3px solid black; }"));
    QFont large = font();
    large.setPointSize(kDialogPointSize);
    setFont(large);
    text1_->setFont(large);  // a widget with a style sheet of its own keeps its own font
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
    s_.road.handle([this] { activate(); });
}

void Dialog::activate() {
    text1_->setEnabled(true);
    text1_->setVisible(true);
    setWindowTitle(QString::fromStdString(messageCaption(mensaje_)));
    // Named after what it holds; the screen reader adds "texto" and "sólo lectura" itself.
    text1_->setAccessibleName(windowTitle());
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
    s_.road.handle([this] { mediaPlayer1_.stop(); });
    accept();
}

}  // namespace gus
