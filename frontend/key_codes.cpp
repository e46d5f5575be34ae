// The game's keys.
#include "frontend/key_codes.h"

namespace gus {

std::optional<Entero> virtualKeyCode(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Left:
            return tecla::Izquierda;
        case Qt::Key_Up:
            return tecla::Arriba;
        case Qt::Key_Right:
            return tecla::Derecha;
        case Qt::Key_Down:
            return tecla::Abajo;
        case Qt::Key_Space:
            return tecla::Espacio;
        case Qt::Key_Shift:
            return tecla::Mayusculas;
        case Qt::Key_CapsLock:
            return tecla::BloqMayus;
        case Qt::Key_Escape:
            return tecla::Escape;
        case Qt::Key_A:
            return tecla::A;
        case Qt::Key_V:
            return tecla::V;
        case Qt::Key_Z:
            return tecla::Z;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return tecla::Enter;
        default:
            return std::nullopt;
    }
}

Entero modifierBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= tecla::BitShift;
    if (modifiers & Qt::ControlModifier) bits |= tecla::BitCtrl;
    if (modifiers & Qt::AltModifier) bits |= tecla::BitAlt;
    return static_cast<Entero>(bits);
}

}  // namespace gus
