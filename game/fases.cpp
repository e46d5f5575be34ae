// Phases, the exit and its beacon, the player's death, and the end of the game.
#include <cmath>

#include "game/form1.h"
#include "sound/catalogue.h"
#include "sound/placement.h"

namespace gus {

namespace {

inline constexpr int kUltimaFase = 25;

struct Celda {
    Entero x;
    Entero y;
};

// The middle of the north, east, south and west sides of the outer wall.
constexpr Celda kSalidas[4] = {{7, -1}, {13, 7}, {7, 13}, {-1, 7}};

}  // namespace

void Form1::TMRMuerto_Timer() {
    escribeEstado("");
    PierdeVida();
    if (!esVerdadero(JuegoTerminado)) c().TMRMuerto.setEnabled(false);
}

void Form1::paraTemporizadoresDeMonstruo() {
    for (int i = 0; i < c().TMRMonstruo.count(); ++i) c().TMRMonstruo[i].setEnabled(false);
}

void Form1::liberaMonstruos() {
    for (RegistroMonstruo& m : Monstruos) {
        m.X = -1;
        m.Y = -1;
        m.Activo = FALSO;
    }
}

void Form1::PierdeVida() {
    Vidas = static_cast<Entero>(Vidas - 1);
    if (Vidas > 0) {
        liberaMonstruos();
        for (RegistroBomba& b : Bombas) {
            b.X = -1;
            b.Y = -1;
        }
        for (int x = kBordeMin; x <= kBordeMax; ++x) {
            for (int y = kBordeMin; y <= kBordeMax; ++y) {
                if (Tablero(x, y) == CeldaMonstruo) Tablero(x, y) = CeldaLibre;
            }
        }
        MonstruosPorEntrar = static_cast<Entero>(MonstruosPorEntrar + MonstruosEnTablero);
        MonstruosEnTablero = 0;
        paraTemporizadoresDeMonstruo();
        Jugador.X = 7;
        Jugador.Y = 12;
        c().TMRColocaMon.setEnabled(true);
        return;
    }
    const Answer respuesta = s_.dialogs.messageBox(
        "La partida ha terminado, ¿Deseas volver a jugar? ", "", Buttons::YesNo);
    if (respuesta == Answer::Yes) {
        Vidas = 5;
        Form_Load();
        return;
    }
    paraTemporizadoresDeMonstruo();
    JuegoTerminado = VERDADERO;
    c().TMRMuerto.setEnabled(false);
    cierraVentana();
}

void Form1::SuperaFase() {
    if (Fase >= kUltimaFase) {
        TerminaJuego();
        return;
    }
    escribeEstado("");
    s_.dialogs.messageBox("Busca la salida para pasar a la siguiente",
                          "¡Fase " + std::to_string(Fase) + " superada!", Buttons::Ok);
    const int k = static_cast<int>(std::floor(azar() * 4)) + 1;
    abreSalida(k - 1);
}

void Form1::abreSalida(int Lado) {
    SalidaX = kSalidas[Lado].x;
    SalidaY = kSalidas[Lado].y;
    Tablero(SalidaX, SalidaY) = CeldaSalida;
    c().WMPSalida.setFileName(ruta(Sonido::Salida));
    c().TMRSalida.setEnabled(true);
}

void Form1::TMRSalida_Timer() {
    place(c().WMPSalida, placementFor(SalidaX, SalidaY, Jugador.X, Jugador.Y, kFallOffStep));
    // Stop and Play start the beacon again from its beginning, from where the exit lies now.
    c().WMPSalida.stop();
    c().WMPSalida.play();
}

void Form1::PasaDeFase() {
    c().TMRSalida.setEnabled(false);
    Tablero(Jugador.X, Jugador.Y) = CeldaPared;
    if (Jugador.X == -1) Jugador.X = kUltima;
    if (Jugador.X >= 13) Jugador.X = kPrimera;
    if (Jugador.Y <= -1) Jugador.Y = kUltima;
    if (Jugador.Y >= 13) Jugador.Y = kPrimera;
    Fase = static_cast<Entero>(Fase + 1);
    MonstruosEnTablero = 0;
    MonstruosPorEntrar = Fase;
    Channel& aux = c().WMPAux;
    aux.setFileName(ruta(Sonido::Puerta));
    // The door is heard from the side the player came in by.
    if (Jugador.X < 1) {
        place(aux, {-3000, -500});
    } else if (Jugador.X > 11) {
        place(aux, {3000, -500});
    } else if (Jugador.Y > 11) {
        place(aux, {0, 0});
    } else if (Jugador.Y < 1) {
        place(aux, {0, -1000});
    }
    s_.dialogs.messageBox("Pulsa  para empezar", "Fase " + std::to_string(Fase), Buttons::Ok);
    aux.play();
    c().TMRColocaMon.setEnabled(true);
}

void Form1::TerminaJuego() {
    JuegoTerminado = VERDADERO;
    s_.dialogs.messageBox("¡Has terminado el juego!", "Fase superada", Buttons::Ok);
    MuestraFinal();
    cierraVentana();
}

}  // namespace gus
