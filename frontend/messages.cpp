// The text dialog's captions and texts.
#include "frontend/messages.h"

namespace gus {

std::string messageCaption(Entero mensaje) {
    switch (mensaje) {
        case kMensajeIntroduccion:
            return "Introducción";
        case kMensajeInstrucciones:
            return "Instrucciones";
        case kMensajeAcercaDe:
            return "Acerca de GUSANICIDA";
        default:
            return "";
    }
}

namespace {

std::string instructions() {
    return "Elimina a todos los gusanos de una fase antes de moverte a la siguiente.\r\n"
           "Para moverte por la pantalla utiliza las teclas de cursor: Arriba = norte, "
           "abajo = sur, derecha = este e izquierda = oeste.\r\n"
           "Para colocar una bomba, pulsa la tecla de espacio, y para hacerla estallar pulsa la "
           "tecla de shift o mayúscula.\r\n"
           "Para utilizar el radar y comprobar qué hay a tu alrededor, pulsa la tecla de control "
           "junto con una de las teclas de cursor.\r\n"
           "Para comprobar cuántas vidas te quedan pulsa la tecla v, y para saber cuántos "
           "monstruos debes matar aún, pulsa la a.\r\n"
           "\r\n"
           "Para unas instrucciones más detalladas, consulta el archivo de instrucciones que "
           "viene con el juego.";
}

std::string about() {
    return "GUSANICIDA, un juego de acción para jugar con el oído, sin mirar la pantalla.\r\n"
           "Versión 1.0, Junio de 2008";
}

}  // namespace

std::string messageText(Entero mensaje) {
    switch (mensaje) {
        case kMensajeInstrucciones:
            return instructions();
        case kMensajeAcercaDe:
            return about();
        default:
            return "";
    }
}

}  // namespace gus
