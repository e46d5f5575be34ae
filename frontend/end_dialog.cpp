// The end-of-game dialog's events.
#include "frontend/end_dialog.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "frontend/ending_sounds.h"
#include "frontend/fixed_dialog.h"
#include "sound/sound_path.h"

namespace gus {

Dialog2::Dialog2(Services& services, std::function<Entero()> dificultadDelMenu, QWidget* parent)
    : ActivatedDialog(parent),
      s_(services),
      dificultadDelMenu_(std::move(dificultadDelMenu)),
      mp1_(services.audio, "MP1", ChannelSetup{true, 1, 0, 0}),
      okButton_(new QPushButton(QStringLiteral("Aceptar"), this)) {
    setWindowTitle(QStringLiteral("Final del juego"));
    okButton_->setObjectName(QStringLiteral("OKButton"));
    okButton_->setDefault(true);
    okButton_->setMinimumSize(160, 40);
    connect(okButton_, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(60, 40, 60, 40);
    layout->addWidget(okButton_);
    makeFixedDialog(*this, QStringLiteral("Dialog2"));
    okButton_->setFocus(Qt::OtherFocusReason);
}

Dialog2::~Dialog2() = default;

void Dialog2::Form_Activate() {
    s_.road.handle([this] {
        const Entero dificultad = dificultadDelMenu_ ? dificultadDelMenu_() : Entero{1};
        if (const char* file = endingSound(dificultad)) {
            mp1_.setFileName(soundPath(s_.folder, file));
        }
    });
}

void Dialog2::OKButton_Click() {
    accept();
}

}  // namespace gus
