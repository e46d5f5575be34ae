// The start menu's controls and events.
#include "frontend/form_ini.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

#include "frontend/end_dialog.h"
#include "frontend/game_window.h"
#include "frontend/menu_captions.h"
#include "frontend/menu_layout.h"
#include "frontend/messages.h"
#include "frontend/sound_gallery.h"
#include "frontend/text_dialog.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/announcer.h"
#include "sound/catalogue.h"
#include "sound/sound_path.h"

namespace gus {

namespace {

constexpr int kClientWidthTwips = 6000;
constexpr int kClientHeightTwips = 7590;

QString buttonStyle() {
    // A strong frame marks the focused button for players who still see a little.
    return QStringLiteral(
        "QPushButton { background-color: rgb(255, 211, 155); color: black;"
        " border: 2px solid rgb(120, 80, 30); }"
        "QPushButton:focus { border: 4px solid black; }"
        "QPushButton:pressed { background-color: rgb(230, 180, 120); }");
}

// A caption as it is heard: without the mark of its access key.
QString spokenCaption(QString caption) {
    return caption.remove(QLatin1Char('&'));
}

}  // namespace

FormIni::FormIni(Services& services, ModalRunner runModal, QWidget* parent)
    : QWidget(parent),
      s_(services),
      runModal_(runModal ? std::move(runModal) : [](QDialog& window) { window.exec(); }),
      mediaPlayer1_(services.audio, "MediaPlayer1", ChannelSetup{true, 0, 0, 0}) {
    setObjectName(QStringLiteral("FormIni"));
    setWindowTitle(QString::fromUtf8(kProgramTitle));
    setAccessibleName(QString::fromUtf8(kProgramTitle));
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
    // A window to the screen reader (Qt 6.8 calls a plain widget a filler, which Orca 48 does
    // not name when the focus comes back to it from a closed window; Qt 6.4's menu is named).
    exposeAsPlainWindow(*this);
#endif
    setFixedSize(twipsToPixels(kClientWidthTwips), twipsToPixels(kClientHeightTwips));
    createButtons();
    s_.road.handle([this] { Form_Load(); });
}

FormIni::~FormIni() = default;

QPushButton* FormIni::Command1(int index) const {
    return command1_.at(static_cast<std::size_t>(index));
}

void FormIni::createButtons() {
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(14.25);
    for (int i = 0; i < kMenuButtons; ++i) {
        auto* button = new QPushButton(QString::fromStdString(menuCaption(i)), this);
        button->setObjectName(QStringLiteral("Command1(%1)").arg(i));
        button->setFont(font);
        button->setStyleSheet(buttonStyle());
        button->setAutoDefault(true);  // Enter presses the focused button
        button->setFocusPolicy(Qt::StrongFocus);
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
        command1_.at(static_cast<std::size_t>(i)) = button;
    }
    for (int i = 1; i < kMenuButtons; ++i) setTabOrder(Command1(i - 1), Command1(i));
    Command1(0)->setFocus(Qt::OtherFocusReason);
}

void FormIni::layOutButtons() {
    const std::vector<TwipsBox> boxes = menuButtonLayout(kMenuButtons, kClientHeightTwips);
    for (int i = 0; i < kMenuButtons; ++i) {
        const TwipsBox& b = boxes.at(static_cast<std::size_t>(i));
        Command1(i)->setGeometry(twipsToPixels(b.left), twipsToPixels(b.top),
                                 twipsToPixels(b.width), twipsToPixels(b.height));
    }
}

void FormIni::Form_Load() {
    mediaPlayer1_.setFileName(soundPath(s_.folder, Sonido::MusicaMenu));
    layOutButtons();
    dificultad_ = 1;
}

void FormIni::Form_Activate() {
    s_.road.handle([this] { mediaPlayer1_.play(); });
}

void FormIni::Command1_Click(int index) {
    s_.road.handle([this, index] { runCommand(index); });
}

void FormIni::runCommand(int index) {
    if (index != kDifficultyButton) mediaPlayer1_.stop();
    switch (index) {
        case 0:
            openTextDialog(kMensajeIntroduccion);
            break;
        case 1:
            openGame();
            break;
        case 2:
            cycleDifficulty();
            break;
        case 3:
            openTextDialog(kMensajeInstrucciones);
            break;
        case 4:
            openGallery();
            break;
        case 5:
            openTextDialog(kMensajeAcercaDe);
            break;
        case 6:
            closeEverything();
            break;
        default:
            break;
    }
}

void FormIni::cycleDifficulty() {
    QPushButton* button = Command1(kDifficultyButton);
    const bool focusedAlready = button->hasFocus();
    dificultad_ = nextDifficulty(dificultad_);
    if (auto caption = difficultyCaption(dificultad_)) {
        button->setText(QString::fromStdString(*caption));
    }
    // An access key presses the button without moving the focus to it. Moving the focus makes
    // the screen reader speak the button with its new caption; a button that has the focus
    // already is not spoken again when its caption changes, so the caption is announced.
    button->setFocus(Qt::OtherFocusReason);
    if (focusedAlready) Announcer::program().announceIn(this, spokenCaption(button->text()));
}

void FormIni::openTextDialog(Entero mensaje) {
    QWidget* button = focusWidget();
    {
        Dialog dialog(s_, mensaje, this);
        textDialog_ = &dialog;
        showModally(dialog);
        textDialog_ = nullptr;
    }
    takeKeyboard(button);
    Form_Activate();
}

GameWindow& FormIni::game() {
    if (!game_) {
        game_ = std::make_unique<GameWindow>(
            s_, [this] { return dificultad_; }, [this] { openEnding(); }, this);
    }
    return *game_;
}

void FormIni::openGame() {
    QWidget* button = focusWidget();
    GameWindow& window = game();
    gameWindow_ = &window;
    window.Load();
    if (!window.closedByGame()) showModally(window);
    gameWindow_ = nullptr;
    takeKeyboard(button);
    Form_Activate();
}

void FormIni::openGallery() {
    QWidget* button = focusWidget();
    {
        Dialog1 gallery(s_, this);
        gallery_ = &gallery;
        showModally(gallery);
        gallery_ = nullptr;
    }
    takeKeyboard(button);
    mediaPlayer1_.play();
    Form_Activate();
}

// The game window closes together with its last box (No to another game, or the ending): the
// window manager may then leave the keyboard with no window at all. The menu asks for it, on
// the button the player left.
void FormIni::takeKeyboard(QWidget* button) {
    if (!isVisible()) return;
    raise();
    activateWindow();
    if (button != nullptr) button->setFocus(Qt::ActiveWindowFocusReason);
}

void FormIni::openEnding() {
    QWidget* owner = gameWindow_ != nullptr ? static_cast<QWidget*>(gameWindow_) : this;
    Dialog2 ending(
        s_, [this] { return dificultad_; }, owner);
    // The game session opened it as a modal gap already (game/game_session.h).
    Announcer::program().letHeldWordsOut();
    runModal_(ending);
}

void FormIni::showModally(QDialog& window) {
    s_.road.modal([&] { runModal_(window); });
}

void FormIni::closeEverything() {
    if (gallery_ != nullptr) gallery_->close();
    if (textDialog_ != nullptr) textDialog_->close();
    if (gameWindow_ != nullptr) gameWindow_->close();
    close();
}

void FormIni::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
}

void FormIni::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (activatedOnce_) return;
    activatedOnce_ = true;
    Form_Activate();
}

void FormIni::closeEvent(QCloseEvent* event) {
    s_.road.handle([this] { mediaPlayer1_.stop(); });
    QWidget::closeEvent(event);
    if (onEndProgram_) onEndProgram_();
}

void FormIni::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && event->key() == Qt::Key_Down) {
        focusNextChild();
    } else if (plain && event->key() == Qt::Key_Up) {
        focusPreviousChild();
    } else if (!plain || !pressByAccessKey(event->text())) {
        QWidget::keyPressEvent(event);
    }
}

// With no text box on the menu, the access key letter alone presses its button.
bool FormIni::pressByAccessKey(const QString& typed) {
    if (typed.size() != 1 || !typed.at(0).isLetter()) return false;
    for (QPushButton* button : command1_) {
        const QString caption = button->text();
        const qsizetype amp = caption.indexOf(QLatin1Char('&'));
        if (amp < 0 || amp + 1 >= caption.size()) continue;
        if (caption.at(amp + 1).toUpper() == typed.at(0).toUpper()) {
            button->click();
            return true;
        }
    }
    return false;
}

}  // namespace gus
