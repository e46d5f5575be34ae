// Picture1's keys and drawing.
#include "frontend/key_receiver.h"

#include <QKeyEvent>
#include <QPainter>

#include "frontend/game_application.h"
#include "frontend/key_codes.h"
#include "frontend/menu_layout.h"

namespace gus {

namespace {

QPoint twipsPoint(int x, int y) {
    return QPoint(twipsToPixels(x), twipsToPixels(y));
}

}  // namespace

KeyReceiver::KeyReceiver(KeySink sink, QWidget* parent) : QWidget(parent), sink_(std::move(sink)) {
    setObjectName(QStringLiteral("Picture1"));
    setAccessibleName(QStringLiteral("Zona de juego"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(twipsToPixels(1000), twipsToPixels(1000));
}

void KeyReceiver::drawMarks() {
    marks_ = true;
    update();
}

void KeyReceiver::takeKey(const QKeyEvent& key) {
    // Every key is the game's, also one with no meaning in it (Ctrl alone, B): each runs the key
    // handler's common tail. A held key repeats: every repeat is one more press.
    sink_(keyCodeOf(key), modifierBits(key.modifiers()));
}

void KeyReceiver::keyPressEvent(QKeyEvent* event) {
    event->accept();
    GameApplication* app = GameApplication::game();
    if (app == nullptr || app->keyArrives(*event)) takeKey(*event);
}

void KeyReceiver::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 3));
        painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }
    if (!marks_) return;
    painter.setPen(QPen(Qt::black, 2));
    painter.drawPoint(twipsPoint(400, 400));
    painter.setPen(QPen(Qt::red, 2));
    painter.drawLine(twipsPoint(800, 800), twipsPoint(400, 400));
}

}  // namespace gus
