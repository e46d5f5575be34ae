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

GameWindow::GameWindow(Services& services, std::function<Entero()> dificultadDelMenu,
                       std::function<void()> showEnding, QWidget* parent)
    : QDialog(parent), s_(services), showEnding_(std::move(showEnding)) {
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    session_ = std::make_unique<GameSession>(s_, *this, std::move(dificultadDelMenu));
    buildControls();
    makeFixedDialog(*this, QStringLiteral("Form1"));
    exposeAsPlainWindow(*this);
    refreshBoard_ = s_.road.listen(EventRoad::Stage::Views, [this] { board_->refresh(); });
}

GameWindow::~GameWindow() = default;

void GameWindow::buildControls() {
    picture1_ = new KeyReceiver(
        [this](Entero code, Entero shift) { session_->key(code, shift, true); }, this);
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
    board_ = new BoardView(form(), this);
    label1View_ = std::make_unique<PlainLabelView>(*label1_);
    label2View_ = std::make_unique<PlainLabelView>(*label2_);

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
    closedByGame_ = false;
    session_->load();
    picture1_->setFocus(Qt::OtherFocusReason);
}

void GameWindow::keyPressEvent(QKeyEvent* event) {
    // Keys that reach the window itself: Picture1 does not have the focus (Esc gives it back).
    session_->key(keyCodeOf(*event), modifierBits(event->modifiers()), false);
    event->accept();
}

LabelView* GameWindow::labelView(LabelId label) {
    return label == LabelId::Label1 ? label1View_.get() : label2View_.get();
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

void GameWindow::showWindow(WindowId window) {
    // The game opens no window of its own but the end-of-game dialog.
    if (window == WindowId::Dialog2 && showEnding_) showEnding_();
}

void GameWindow::reject() {
    // Closed by its close control: the game is abandoned, every timer and sound stops.
    session_->unload();
    QDialog::reject();
}

}  // namespace gus
