// The game window's controls, its keys and its closing.
#include "frontend/game_window.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "frontend/board_view.h"
#include "frontend/fixed_dialog.h"
#include "frontend/key_codes.h"
#include "frontend/key_receiver.h"
#include "platform/qt/accessibility.h"

namespace gus {

GameWindow::GameWindow(FrontendServices& services, std::function<Entero()> dificultadDelMenu,
                       QWidget* parent)
    : QDialog(parent), s_(services) {
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    form_ = std::make_unique<Form1>(Form1Services{s_.timers, s_.audio, s_.clock, s_.random,
                                                  s_.beeper, s_.dialogs, s_.folder, *this,
                                                  std::move(dificultadDelMenu)});
    buildControls();
    makeFixedDialog(*this, QStringLiteral("Form1"));
    exposeAsPlainWindow(*this);
    s_.timers.setAfterTick([this] { endOfEvent(); });
}

GameWindow::~GameWindow() {
    form_.reset();
    AudioOutput& audio = s_.audio;
    s_.timers.setAfterTick([&audio] { gus::endOfEvent(audio); });
}

void GameWindow::buildControls() {
    picture1_ =
        new KeyReceiver([this](Entero code, Entero shift) { deliverKey(code, shift, true); }, this);
    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setAccessibleDescription(QStringLiteral("Posición"));
    label2_ = new QLabel(this);
    label2_->setWordWrap(true);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setAccessibleDescription(QStringLiteral("Estado del juego"));
    QFont large = font();
    large.setPointSize(16);
    label1_->setFont(large);
    label2_->setFont(large);
    label2_->setMinimumWidth(320);
    board_ = new BoardView(*form_, this);
    label1View_ = std::make_unique<PlainLabelView>(*label1_);
    label2View_ = std::make_unique<SpokenLabelView>(*label2_);

    auto* side = new QVBoxLayout;
    side->addWidget(picture1_);
    side->addWidget(label1_);
    side->addWidget(label2_);
    side->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(board_);
    layout->addLayout(side);
    picture1_->setFocus(Qt::OtherFocusReason);
}

void GameWindow::Load() {
    // The game's clock stood still while no timer ran: the worm's first step counts from now,
    // not from the last event of the previous game.
    if (s_.syncTimers) s_.syncTimers();
    EventScope event(s_.audio);
    form_->Load();
    board_->refresh();
}

void GameWindow::endOfEvent() {
    gus::endOfEvent(s_.audio);
    board_->refresh();
}

void GameWindow::deliverKey(Entero code, Entero shift, bool toPicture1) {
    if (s_.syncTimers) s_.syncTimers();
    if (!form_->cargada()) return;
    {
        EventScope event(s_.audio);
        Entero keyCode = code;
        form_->Form_KeyDown(keyCode, shift);
        // A window closed by the first handler has no Picture1 left to take the key.
        if (toPicture1 && form_->cargada()) form_->Picture1_KeyDown(keyCode, shift);
    }
    board_->refresh();
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    // Keys that reach the window itself: Picture1 does not have the focus (Esc gives it back).
    if (const std::optional<Entero> code = virtualKeyCode(event->key())) {
        deliverKey(*code, modifierBits(event->modifiers()), false);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

LabelView* GameWindow::labelView(const std::string& label) {
    if (label == "Label1") return label1View_.get();
    if (label == "Label2") return label2View_.get();
    return nullptr;
}

void GameWindow::drawMarks() {
    picture1_->drawMarks();
}

void GameWindow::focusKeyReceiver() {
    picture1_->setFocus(Qt::OtherFocusReason);
}

void GameWindow::closeWindow() {
    closedByGame_ = true;
    if (isVisible()) done(QDialog::Accepted);
}

void GameWindow::reject() {
    // Closed by its close control: the game is abandoned, every timer and sound stops.
    if (form_->cargada()) {
        EventScope event(s_.audio);
        form_->Unload();
    }
    QDialog::reject();
}

}  // namespace gus
