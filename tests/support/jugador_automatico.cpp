// The scripted player: keep out of flames and worms' reach, find the exit, hunt worms.
#include "tests/support/jugador_automatico.h"

#include <algorithm>
#include <deque>
#include <map>

namespace gus::testing {

namespace {

constexpr int kDx[4] = {0, 1, 0, -1}, kDy[4] = {-1, 0, 1, 0};
constexpr Entero kFlecha[4] = {tecla::Arriba, tecla::Derecha, tecla::Abajo, tecla::Izquierda};

template <class V, class C>
bool contiene(const V& v, const C& c) {
    return std::find(v.begin(), v.end(), c) != v.end();
}

}  // namespace

ResultadoPartida JugadorAutomatico::juega(Millis limite) {
    const Millis inicio = s_.p.scheduler.now();
    while (s_.form.cargada() && s_.p.scheduler.now() - inicio < limite) {
        if (decide()) {
            s_.wait(msPorTecla_);
            continue;
        }
        // Nothing to do: wait for the next thing to happen, at the player's pace at least.
        const auto siguiente = s_.p.scheduler.nextDue();
        s_.wait(siguiente ? std::max<Millis>(*siguiente - s_.p.scheduler.now(), msPorTecla_)
                          : msPorTecla_);
    }
    const bool terminada = !s_.form.cargada();
    return {terminada && s_.form.Fase == 25 && s_.form.Vidas > 0, terminada, s_.form.Fase, teclas_};
}

bool JugadorAutomatico::decide() {
    const Form1& f = s_.form;
    const Celdas llamas = llamasVivas();
    const bool bombaViva = f.PilaBombas[0] != -1;
    if (estilo_ == Estilo::Imprudente) {
        if (!llamas.empty() || bombaViva) return false;
        pulsa(tecla::Espacio);
        return true;
    }
    if (contiene(llamas, jugador())) return huyeA(llamas);
    // Safe: set the newest bomb off as soon as a worm stands in its flames.
    if (bombaViva) {
        const RegistroBomba& b = f.Bombas[static_cast<std::size_t>(f.PilaBombas[0])];
        if (b.X != -1 && hayGusanoEn(llamasDesde({b.X, b.Y}))) {
            pulsa(tecla::Mayusculas, tecla::BitShift);
            return true;
        }
    }
    // A worm next to the player may step onto him at its next tick: a bomb for it, then away.
    if (peligrosa(jugador())) {
        if (!bombaViva && hayGusanoEn(llamasDesde(jugador()))) {
            pulsa(tecla::Espacio);
            return true;
        }
        if (pasoHacia([&](Celda c) { return !contiene(llamas, c); }, true)) return true;
    }
    if (enTablero(f.SalidaX, f.SalidaY) && f.Tablero(f.SalidaX, f.SalidaY) == CeldaSalida) {
        const auto salida = [&](Celda c) { return c == Celda{f.SalidaX, f.SalidaY}; };
        if (pasoHacia(salida, true) || pasoHacia(salida, false)) return true;
    }
    if (f.MonstruosEnTablero == 0 || bombaViva) return false;
    if (hayGusanoEn(llamasDesde(jugador()))) {
        pulsa(tecla::Espacio);
        return true;
    }
    // Walk towards a cell from which a worm would stand in the flames.
    return pasoHacia([&](Celda c) { return hayGusanoEn(llamasDesde(c)); }, true);
}

bool JugadorAutomatico::huyeA(const Celdas& llamas) {
    const auto fuera = [&](Celda c) { return !contiene(llamas, c); };
    return pasoHacia(fuera, true) || pasoHacia(fuera, false);
}

// One step along a shortest street path to the nearest cell that meets `meta`.
bool JugadorAutomatico::pasoHacia(const std::function<bool(Celda)>& meta, bool evitaPeligro) {
    const Celda inicio = jugador();
    std::map<std::pair<int, int>, Celda> desde{{{inicio.x, inicio.y}, inicio}};
    std::deque<Celda> cola{inicio};
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
            if ((!salida && !esCalle(n)) || desde.count({n.x, n.y})) continue;
            if (s_.form.Tablero(n.x, n.y) == CeldaMonstruo || (evitaPeligro && peligrosa(n)))
                continue;
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
    return std::any_of(s_.form.Monstruos.begin(), s_.form.Monstruos.end(), [&](auto& m) {
        return esVerdadero(m.Activo) && std::abs(m.X - c.x) + std::abs(m.Y - c.y) <= 1;
    });
}

bool JugadorAutomatico::hayGusanoEn(const Celdas& celdas) const {
    return std::any_of(s_.form.Monstruos.begin(), s_.form.Monstruos.end(), [&](auto& m) {
        return esVerdadero(m.Activo) && contiene(celdas, Celda{m.X, m.Y});
    });
}

// The cells a bomb's flames reach: three cells along each street leaving its cell.
JugadorAutomatico::Celdas JugadorAutomatico::llamasDesde(Celda bomba) const {
    Celdas out{bomba};
    for (int d = 0; d < 4; ++d) {
        for (int r = 1; r <= 3 && esCalle({bomba.x + kDx[d] * r, bomba.y + kDy[d] * r}); ++r)
            out.push_back({bomba.x + kDx[d] * r, bomba.y + kDy[d] * r});
    }
    return out;
}

JugadorAutomatico::Celdas JugadorAutomatico::llamasVivas() const {
    Celdas out;
    for (const RegistroBomba& b : s_.form.Bombas) {
        if (!esVerdadero(b.Activa) || b.X == -1) continue;
        const Celdas llamas = llamasDesde({b.X, b.Y});
        out.insert(out.end(), llamas.begin(), llamas.end());
    }
    return out;
}

}  // namespace gus::testing
