// The game's plain types: 16-bit integers, Booleans stored as -1 and 0, the board and records.
#pragma once

#include <array>
#include <cstdint>

namespace gus {

using Entero = std::int16_t;

inline constexpr Entero VERDADERO = -1;
inline constexpr Entero FALSO = 0;
inline bool esVerdadero(Entero b) {
    return b == VERDADERO;
}

// Cell values of the board.
inline constexpr Entero CeldaPared = -1;
inline constexpr Entero CeldaLibre = 0;
inline constexpr Entero CeldaMonstruo = 2;
inline constexpr Entero CeldaSalida = 3;

// The playing area is 0..12 both ways; the board array runs from -1 to 14 to hold its border.
inline constexpr int kPrimera = 0;
inline constexpr int kUltima = 12;
inline constexpr int kBordeMin = -1;
inline constexpr int kBordeMax = 14;

inline bool enZonaDeJuego(int x, int y) {
    return x >= kPrimera && x <= kUltima && y >= kPrimera && y <= kUltima;
}
inline bool enTablero(int x, int y) {
    return x >= kBordeMin && x <= kBordeMax && y >= kBordeMin && y <= kBordeMax;
}

class Cuadricula {
  public:
    // First index the column X, second the row Y, both from -1 to 14.
    Entero& operator()(int x, int y) { return celdas_.at(indice(x, y)); }
    Entero operator()(int x, int y) const { return celdas_.at(indice(x, y)); }

  private:
    static std::size_t indice(int x, int y) {
        return static_cast<std::size_t>((x - kBordeMin) * 16 + (y - kBordeMin));
    }
    std::array<Entero, 16 * 16> celdas_{};
};

struct RegistroJugador {
    Entero X = 0;
    Entero Y = 0;
    Entero Paso = 0;
};

struct RegistroMonstruo {
    Entero Reservado = 0;  // unused by worms
    Entero X = 0;
    Entero Y = 0;
    Entero Direccion = 0;  // 1 north, 2 east, 3 south, 4 west, 0 none
    Entero Activo = 0;
};

struct RegistroBomba {
    Entero Reservado = 0;  // unused by bombs
    Entero X = 0;
    Entero Y = 0;
    Entero Activa = 0;
    Entero Mecha = 0;
};

inline constexpr int kRanurasMonstruo = 16;
inline constexpr int kRanurasBomba = 6;
inline constexpr int kBombasVivasMax = 5;  // slot 5 never holds a bomb

// Virtual key codes and modifier bits.
namespace tecla {
inline constexpr Entero Enter = 13;
inline constexpr Entero Mayusculas = 16;  // Shift
inline constexpr Entero BloqMayus = 20;   // Caps Lock
inline constexpr Entero Escape = 27;
inline constexpr Entero Espacio = 32;
inline constexpr Entero Izquierda = 37;
inline constexpr Entero Arriba = 38;
inline constexpr Entero Derecha = 39;
inline constexpr Entero Abajo = 40;
inline constexpr Entero A = 65;
inline constexpr Entero V = 86;
inline constexpr Entero Z = 90;
inline constexpr Entero BitShift = 1;
inline constexpr Entero BitCtrl = 2;
inline constexpr Entero BitAlt = 4;
}  // namespace tecla

}  // namespace gus
