// Answers --help and --version in Spanish before any window or sound device exists.
#include "frontend/command_line.h"

namespace gus {

namespace {

constexpr const char* kVersion = "GUSANICIDA 1.0.0";

constexpr const char* kAyuda =
    "Uso: gusanicida [--help | --version]\n"
    "\n"
    "GUSANICIDA es un juego de audio para jugar sin ver la pantalla: recorre el almacén\n"
    "guiándote por el oído, coloca bombas y elimina a todos los gusanos.\n"
    "Sin opciones, abre el menú del juego.\n"
    "\n"
    "  --help     muestra esta ayuda y termina\n"
    "  --version  muestra la versión y termina\n"
    "\n"
    "Las instrucciones completas están en instrucciones.html, junto al programa.\n";

}  // namespace

std::optional<int> answerCommandLine(const std::vector<std::string>& args, std::ostream& out) {
    for (const std::string& a : args) {
        if (a == "--version" || a == "-v") {
            out << kVersion << '\n';
            return 0;
        }
        if (a == "--help" || a == "-h") {
            out << kAyuda;
            return 0;
        }
    }
    return std::nullopt;
}

}  // namespace gus
