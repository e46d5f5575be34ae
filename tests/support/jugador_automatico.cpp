// The scripted player: keep out of flames and worms' reach, find the exit, hunt worms.
#include "tests/support/jugador_automatico.h"

#include <algorithm>
#include <deque>
#include <map>

namespace gus::testing {
namespace {

using Celda = std::pair<int, int>;
using Celdas = std::vector<Celda>;
constexpr int kDx[4] = {0, 1, 0, -1}, kDy[4] = {-1, 0, 1, 0};
constexpr Entero kFlecha[4] = {tecla::Arriba, tecla::Derecha, tecla::Abajo, tecla::Izquierda};

bool contiene(const Celdas& v, Celda c) {
    return std::find(v.begin(), v.end(), c) != v.end();
}

bool esCalle(const Form1& f, Celda c) {
    return enZonaDeJuego(c.first, c.second) && f.Tablero(c.first, c.second) != CeldaPared;
}

// A worm stands there or may step there next; worms still to come enter on the ring round the
// central block, on the player too.
bool peligrosa(const Form1& f, Celda c) {
    const auto [x, y] = c;
    if (x >= 4 && x <= 8 && y >= 4 && y <= 8 && f.MonstruosPorEntrar > 0) return true;
    return std::any_of(f.Monstruos.begin(), f.Monstruos.end(), [&](auto& m) {
        return esVerdadero(m.Activo) && std::abs(m.X - x) + std::abs(m.Y - y) <= 1;
    });
}

// The cells a bomb's flames reach: three cells along each street leaving its cell.
Celdas llamasDesde(const Form1& f, Celda b) {
    Celdas out{b};
    for (int d = 0; d < 4; ++d) {
        for (int r = 1; r <= 3 && esCalle(f, {b.first + kDx[d] * r, b.second + kDy[d] * r}); ++r)
            out.push_back({b.first + kDx[d] * r, b.second + kDy[d] * r});
    }
    return out;
}

// The arrow of one step along a shortest street path to the nearest cell that meets `meta`, off
// the cells a worm may reach (unless `soloSeguro` is false and there is no other way); 0: none.
Entero pasoHacia(const Form1& f, const std::function<bool(Celda)>& meta, bool soloSeguro,
                 bool evitaPeligro = true) {
    const Celda inicio{f.Jugador.X, f.Jugador.Y};
    std::map<Celda, int> primerPaso{{inicio, -1}};  // the way each cell found was first reached
    for (std::deque<Celda> cola{inicio}; !cola.empty(); cola.pop_front()) {
        const Celda c = cola.front();
        if (c != inicio && meta(c)) return kFlecha[primerPaso[c]];
        for (int d = 0; d < 4; ++d) {
            const Celda n{c.first + kDx[d], c.second + kDy[d]};
            const bool salida =
                enTablero(n.first, n.second) && f.Tablero(n.first, n.second) == CeldaSalida;
            if ((!salida && !esCalle(f, n)) || primerPaso.count(n) ||
                f.Tablero(n.first, n.second) == CeldaMonstruo || (evitaPeligro && peligrosa(f, n)))
                continue;
            primerPaso[n] = c == inicio ? d : primerPaso[c];
            cola.push_back(n);
        }
    }
    return soloSeguro || !evitaPeligro ? 0 : pasoHacia(f, meta, false, false);
}

// The key the careful player presses now; 0: nothing to do.
Entero prudente(const Form1& f) {
    Celdas llamas;
    for (const RegistroBomba& b : f.Bombas) {
        if (!esVerdadero(b.Activa) || b.X == -1) continue;
        const Celdas estas = llamasDesde(f, {b.X, b.Y});
        llamas.insert(llamas.end(), estas.begin(), estas.end());
    }
    const Celda yo{f.Jugador.X, f.Jugador.Y};
    const auto fuera = [&](Celda c) { return !contiene(llamas, c); };
    const auto gusanoAlAlcance = [&](Celda c) {  // a worm would stand in a bomb's flames from c
        const Celdas alcance = llamasDesde(f, c);
        return std::any_of(f.Monstruos.begin(), f.Monstruos.end(), [&](auto& m) {
            return esVerdadero(m.Activo) && contiene(alcance, {m.X, m.Y});
        });
    };
    const bool bombaViva = f.PilaBombas[0] != -1;
    if (contiene(llamas, yo)) return pasoHacia(f, fuera, false);
    // Safe: set the newest bomb off as soon as a worm stands in its flames.
    if (bombaViva) {
        const RegistroBomba& b = f.Bombas[static_cast<std::size_t>(f.PilaBombas[0])];
        if (b.X != -1 && gusanoAlAlcance({b.X, b.Y})) return tecla::Mayusculas;
    }
    // A worm next to the player may step onto him at its next tick: a bomb for it, then away.
    if (peligrosa(f, yo)) {
        if (!bombaViva && gusanoAlAlcance(yo)) return tecla::Espacio;
        if (const Entero k = pasoHacia(f, fuera, true)) return k;
    }
    if (enTablero(f.SalidaX, f.SalidaY) && f.Tablero(f.SalidaX, f.SalidaY) == CeldaSalida) {
        const auto salida = [&](Celda c) { return c == Celda{f.SalidaX, f.SalidaY}; };
        if (const Entero k = pasoHacia(f, salida, false)) return k;
    }
    if (f.MonstruosEnTablero == 0 || bombaViva) return 0;
    if (gusanoAlAlcance(yo)) return tecla::Espacio;
    return pasoHacia(f, gusanoAlAlcance, true);  // to where a bomb would reach a worm
}

}  // namespace

ResultadoPartida JugadorAutomatico::juega(Millis limite) {
    const Millis inicio = s_.p.scheduler.now();
    while (s_.form.cargada() && s_.p.scheduler.now() - inicio < limite) {
        // The reckless player lays a bomb whenever none is live, and stays on it.
        const Entero t = estilo_ == Estilo::Prudente   ? prudente(s_.form)
                         : s_.form.PilaBombas[0] != -1 ? 0
                                                       : tecla::Espacio;
        if (t != 0) {
            s_.key(t, t == tecla::Mayusculas ? tecla::BitShift : 0);  // Shift brings its own bit
            if (despues_) despues_();
        }
        // With nothing to do, wait for the next thing to happen, at the player's pace at least.
        const auto due = s_.p.scheduler.nextDue();
        s_.wait(t != 0 || !due ? msPorTecla_
                               : std::max<Millis>(*due - s_.p.scheduler.now(), msPorTecla_));
    }
    const bool terminada = !s_.form.cargada();
    return {terminada && s_.form.Fase == 25 && s_.form.Vidas > 0, terminada};
}

}  // namespace gus::testing
