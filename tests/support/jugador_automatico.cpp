// The scripted player: find the exit, keep out of flames, hunt worms; one key per decision.
#include "tests/support/jugador_automatico.h"

#include <algorithm>
#include <deque>
#include <map>

namespace gus::testing {

namespace {

constexpr int kDx[4] = {0, 1, 0, -1};
constexpr int kDy[4] = {-1, 0, 1, 0};
constexpr Entero kFlecha[4] = {tecla::Arriba, tecla::Derecha, tecla::Abajo, tecla::Izquierda};

}  // namespace

JugadorAutomatico::JugadorAutomatico(SimSession& s, Estilo estilo, int msPorTecla)
    : s_(s), estilo_(estilo), msPorTecla_(msPorTecla) {}

ResultadoPartida JugadorAutomatico::juega(Millis limite) {
    const Millis inicio = s_.p.scheduler.now();
    while (s_.form.cargada() && s_.p.scheduler.now() - inicio < limite) {
        if (decide()) {
            s_.wait(msPorTecla_);
            continue;
        }
        // Nothing to do: wait for the next thing to happen, at the player's pace at least.
        const auto siguiente = s_.p.scheduler.nextDue();
        const Millis espera = siguiente
                                  ? std::max<Millis>(*siguiente - s_.p.scheduler.now(), msPorTecla_)
                                  : msPorTecla_;
        s_.wait(espera);
    }
    ResultadoPartida r;
    r.terminada = !s_.form.cargada();
    r.fase = s_.form.Fase;
    r.ganada = r.terminada && s_.form.Fase == 25 && s_.form.Vidas > 0;
    r.teclas = teclas_;
    r.duracion = s_.p.scheduler.now() - inicio;
    return r;
}

bool JugadorAutomatico::decide() {
    if (estilo_ == Estilo::Imprudente) {
        if (!llamasVivas().empty() || s_.form.PilaBombas[0] != -1) return false;
        pulsa(tecla::Espacio);
        return true;
    }
    return huyeDeLasLlamas() || esquivaGusanos() || vaALaSalida() || cazaGusanos();
}

bool JugadorAutomatico::vaALaSalida() {
    const Form1& f = s_.form;
    if (!enTablero(f.SalidaX, f.SalidaY) || f.Tablero(f.SalidaX, f.SalidaY) != CeldaSalida) {
        return false;
    }
    const Celda salida{f.SalidaX, f.SalidaY};
    return pasoHacia([&](Celda c) { return c == salida; }, true) ||
           pasoHacia([&](Celda c) { return c == salida; }, false);
}

bool JugadorAutomatico::huyeDeLasLlamas() {
    const std::vector<Celda> llamas = llamasVivas();
    if (!contiene(llamas, jugador())) {
        // Safe: set the newest bomb off as soon as a worm stands in its flames.
        const Entero nueva = s_.form.PilaBombas[0];
        if (nueva == -1) return false;
        const RegistroBomba& b = s_.form.Bombas[static_cast<std::size_t>(nueva)];
        if (b.X == -1 || !hayGusanoEn(llamasDesde({b.X, b.Y}))) return false;
        pulsa(tecla::Mayusculas, tecla::BitShift);
        return true;
    }
    const auto fuera = [&](Celda c) { return !contiene(llamas, c); };
    return pasoHacia(fuera, true) || pasoHacia(fuera, false);
}

// A worm next to the player may step onto him at its next tick: lay a bomb for it if none is
// live, then get away.
bool JugadorAutomatico::esquivaGusanos() {
    if (!peligrosa(jugador())) return false;
    if (s_.form.PilaBombas[0] == -1 && hayGusanoEn(llamasDesde(jugador()))) {
        pulsa(tecla::Espacio);
        return true;
    }
    const std::vector<Celda> llamas = llamasVivas();
    return pasoHacia([&](Celda c) { return !contiene(llamas, c); }, true);
}

bool JugadorAutomatico::cazaGusanos() {
    if (s_.form.MonstruosEnTablero == 0 || s_.form.PilaBombas[0] != -1) return false;
    const Celda aqui = jugador();
    const std::vector<Celda> llamas = llamasDesde(aqui);
    if (hayGusanoEn(llamas)) {
        pulsa(tecla::Espacio);
        return true;
    }
    // Walk towards a cell from which a worm would stand in the flames.
    const auto buenSitio = [&](Celda c) { return hayGusanoEn(llamasDesde(c)); };
    return pasoHacia(buenSitio, true);
}

// One step along a shortest street path to the nearest cell that meets `meta`.
bool JugadorAutomatico::pasoHacia(const std::function<bool(Celda)>& meta, bool evitaPeligro) {
    const Celda inicio = jugador();
    std::map<std::pair<int, int>, Celda> desde;
    std::deque<Celda> cola{inicio};
    desde[{inicio.x, inicio.y}] = inicio;
    while (!cola.empty()) {
        const Celda c = cola.front();
        cola.pop_front();
        if (!(c == inicio) && meta(c)) {
            Celda paso = c;
            while (!(desde[{paso.x, paso.y}] == inicio)) paso = desde[{paso.x, paso.y}];
            for (int d = 0; d < 4; ++d) {
                if (inicio.x + kDx[d] == paso.x && inicio.y + kDy[d] == paso.y) pulsa(kFlecha[d]);
            }
            return true;
        }
        for (int d = 0; d < 4; ++d) {
            const Celda n{c.x + kDx[d], c.y + kDy[d]};
            const bool salida = enTablero(n.x, n.y) && s_.form.Tablero(n.x, n.y) == CeldaSalida;
            if (!salida && !esCalle(n)) continue;
            if (desde.count({n.x, n.y}) || s_.form.Tablero(n.x, n.y) == CeldaMonstruo) continue;
            if (evitaPeligro && peligrosa(n)) continue;
            desde[{n.x, n.y}] = c;
            cola.push_back(n);
        }
    }
    return false;
}

void JugadorAutomatico::pulsa(Entero codigo, Entero shift) {
    ++teclas_;
    s_.key(codigo, shift);
    if (despues_) despues_();
}

bool JugadorAutomatico::esCalle(Celda c) const {
    return enZonaDeJuego(c.x, c.y) && s_.form.Tablero(c.x, c.y) != CeldaPared;
}

bool JugadorAutomatico::peligrosa(Celda c) const {
    // Worms still to come enter on the ring round the central block, on the player too.
    const bool anillo = c.x >= 4 && c.x <= 8 && c.y >= 4 && c.y <= 8;
    if (anillo && s_.form.MonstruosPorEntrar > 0) return true;
    for (const RegistroMonstruo& m : s_.form.Monstruos) {
        if (esVerdadero(m.Activo) && std::abs(m.X - c.x) + std::abs(m.Y - c.y) <= 1) return true;
    }
    return false;
}

bool JugadorAutomatico::hayGusanoEn(const std::vector<Celda>& celdas) const {
    return std::any_of(s_.form.Monstruos.begin(), s_.form.Monstruos.end(), [&](auto& m) {
        return esVerdadero(m.Activo) && contiene(celdas, Celda{m.X, m.Y});
    });
}

// The cells a bomb's flames reach: three cells along each street leaving its cell.
std::vector<JugadorAutomatico::Celda> JugadorAutomatico::llamasDesde(Celda bomba) const {
    std::vector<Celda> out{bomba};
    for (int d = 0; d < 4; ++d) {
        for (int r = 1; r <= 3; ++r) {
            const Celda c{bomba.x + kDx[d] * r, bomba.y + kDy[d] * r};
            if (!esCalle(c)) break;
            out.push_back(c);
        }
    }
    return out;
}

std::vector<JugadorAutomatico::Celda> JugadorAutomatico::llamasVivas() const {
    std::vector<Celda> out;
    for (const RegistroBomba& b : s_.form.Bombas) {
        if (!esVerdadero(b.Activa) || b.X == -1) continue;
        const auto llamas = llamasDesde({b.X, b.Y});
        out.insert(out.end(), llamas.begin(), llamas.end());
    }
    return out;
}

bool JugadorAutomatico::contiene(const std::vector<Celda>& v, Celda c) {
    return std::find(v.begin(), v.end(), c) != v.end();
}

JugadorAutomatico::Celda JugadorAutomatico::jugador() const {
    return {s_.form.Jugador.X, s_.form.Jugador.Y};
}

}  // namespace gus::testing
