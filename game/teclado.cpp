// The player's keys: walking, the radar, bombs, questions, and the step sound of the walls.
#include <cstdlib>

#include "game/form1.h"
#include "sound/catalogue.h"

namespace gus {

namespace {

struct Direccion {
    int dx;
    int dy;
};

Direccion direccionDeFlecha(Entero keyCode) {
    switch (keyCode) {
        case tecla::Arriba:
            return {0, -1};
        case tecla::Derecha:
            return {1, 0};
        case tecla::Abajo:
            return {0, 1};
        default:
            return {-1, 0};
    }
}

bool esFlecha(Entero keyCode) {
    return keyCode == tecla::Arriba || keyCode == tecla::Derecha || keyCode == tecla::Abajo ||
           keyCode == tecla::Izquierda;
}

}  // namespace

void Form1::Form_KeyDown(Entero& KeyCode, Entero /*Shift*/) {
    if (KeyCode == tecla::Escape) host_.focusKeyReceiver();
}

void Form1::Label2_Change() {
    SegundoMensaje = static_cast<Entero>(s_.clock.localTime().second);
}

void Form1::escribeEstado(const std::string& texto) {
    c().Label2.setCaption(texto);
}

void Form1::anadeEstado(const std::string& texto) {
    c().Label2.setCaption(c().Label2.caption() + texto);
}

void Form1::Picture1_KeyDown(Entero& KeyCode, Entero Shift) {
    if (!cargada()) return;
    if (KeyCode == tecla::BloqMayus) {
        escribeEstado("");
        KeyCode = 0;
    }
    if (KeyCode == tecla::Mayusculas) {
        if (PilaBombas[0] == -1) {
            s_.beeper.beep();
        } else {
            AvanzaBomba(PilaBombas[0], true);
        }
    }
    if (esVerdadero(JuegoTerminado) || !cargada()) return;
    // Seconds within the minute are compared as they are: a text written at second 58 is
    // stale for a key at second 3.
    if (std::abs(s_.clock.localTime().second - SegundoMensaje) > 4) escribeEstado("");

    bool movido = false;
    if (esFlecha(KeyCode)) {
        if (Shift & tecla::BitCtrl) {
            Radar(KeyCode);
            return;
        }
        const Direccion d = direccionDeFlecha(KeyCode);
        switch (intentaPaso(d.dx, d.dy)) {
            case Paso::Salida:
                return;
            case Paso::Dado:
                movido = true;
                break;
            case Paso::Rechazado:
                break;
        }
    } else if (KeyCode == tecla::Espacio) {
        ColocaBomba();
    } else if (KeyCode == tecla::Z) {
        escribeEstado(std::to_string(Jugador.X) + ", " + std::to_string(Jugador.Y));
    } else if (KeyCode == tecla::A) {
        escribeEstado(std::to_string(MonstruosEnTablero) + "| " +
                      std::to_string(MonstruosPorEntrar));
    } else if (KeyCode == tecla::V) {
        escribeEstado(std::to_string(Vidas) + " vidas te quedan");
    }

    c().Label1.setCaption(std::to_string(Jugador.X) + ", " + std::to_string(Jugador.Y));
    for (const RegistroMonstruo& m : Monstruos) {
        if (m.X == Jugador.X && m.Y == Jugador.Y) {
            muerePorMonstruoAlEntrar();
            return;
        }
    }
    ActualizaSonidosMonstruos();
    if (movido) SuenaParedes();
}

Form1::Paso Form1::intentaPaso(int dx, int dy) {
    const int x = Jugador.X + dx;
    const int y = Jugador.Y + dy;
    // The exit lies in the border: it is the one cell outside the playing area that can be
    // entered. Worms do not stop the player.
    const bool salida = Tablero(x, y) == CeldaSalida;
    if (!salida && (Tablero(x, y) == CeldaPared || !enZonaDeJuego(x, y))) {
        s_.beeper.beep();
        return Paso::Rechazado;
    }
    Jugador.X = static_cast<Entero>(x);
    Jugador.Y = static_cast<Entero>(y);
    if (salida) {
        PasaDeFase();
        return Paso::Salida;
    }
    return Paso::Dado;
}

void Form1::muerePorMonstruoAlEntrar() {
    for (int i = 0; i < c().TMRMonstruo.count(); ++i) c().TMRMonstruo[i].setEnabled(false);
    anadeEstado("¡Has muerto! Te quedan " + std::to_string(Vidas - 1) + " vidas.");
    tocaEn(*c().Wmp1[4], Sonido::MonstruoTeMata);
    c().TMRMuerto.setEnabled(true);
}

void Form1::tocaEn(Channel& canal, const char* archivo) {
    canal.stop();
    canal.setFileName(ruta(archivo));
    canal.play();
}

void Form1::SuenaParedes() {
    for (int lado = 0; lado < 4; ++lado) c().Wmp1[static_cast<std::size_t>(lado)]->stop();
    // North, east, south, west: a wall beside the player is heard from its own side.
    const Direccion lados[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    const std::string& sonido = SonidosJugador.at(static_cast<std::size_t>(Jugador.Paso - 1));
    for (int lado = 0; lado < 4; ++lado) {
        const Direccion d = lados[lado];
        if (Tablero(Jugador.X + d.dx, Jugador.Y + d.dy) != CeldaPared) continue;
        Channel& canal = *c().Wmp1[static_cast<std::size_t>(lado)];
        canal.setFileName(sonido);
        canal.play();
    }
    Jugador.Paso = static_cast<Entero>(Jugador.Paso + 1);
    if (Jugador.Paso > 2) Jugador.Paso = static_cast<Entero>(Jugador.Paso - 2);
}

void Form1::Radar(Entero KeyCode) {
    const Direccion d = direccionDeFlecha(KeyCode);
    int x = Jugador.X;
    int y = Jugador.Y;
    int k = 0;
    // The border is wall or the exit, never free, so the walk always ends on the board.
    while (Tablero(x, y) == CeldaLibre) {
        ++k;
        x += d.dx;
        y += d.dy;
    }
    std::string respuesta = std::to_string(std::abs(k - 1));
    if (Tablero(x, y) == CeldaPared) respuesta = "/" + respuesta;
    // The same answer twice gets a leading blank, so the text changes and is spoken again.
    if (respuesta == c().Label2.caption()) respuesta = " " + respuesta;
    escribeEstado(respuesta);
}

}  // namespace gus
