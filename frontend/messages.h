// The texts of the text dialog: introduction, instructions and the about box.
#pragma once

#include <string>

#include "game/tipos.h"

namespace gus {

inline constexpr Entero kMensajeIntroduccion = 1;
inline constexpr Entero kMensajeInstrucciones = 2;
inline constexpr Entero kMensajeAcercaDe = 3;

// The dialog's caption for a message; empty for an unknown one.
std::string messageCaption(Entero mensaje);
// The text shown in the box, lines broken with "\r\n"; the introduction is spoken, not shown.
std::string messageText(Entero mensaje);

}  // namespace gus
