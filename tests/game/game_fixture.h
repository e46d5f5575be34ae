// A loaded game window on the simulated platform, with helpers to set up a board by hand.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/catalogue.h"
#include "tools/sim/session.h"

namespace gus::testing {

class GameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        s.p.random.overrideSeed(1234);
        s.load();
        s.p.log.clear();
    }

    Form1& f() { return s.form; }
    ControlesForm1& k() { return s.form.controles(); }
    const std::vector<SimEvent>& events() const { return s.p.log.events(); }

    // A flame's work on a worm's slot, without the explosion: the slot is free, its timer off,
    // its channel kept.
    void freeWormSlot(int slot) {
        RegistroMonstruo& m = f().Monstruos[static_cast<std::size_t>(slot)];
        if (esVerdadero(m.Activo)) {
            f().Tablero(m.X, m.Y) = CeldaLibre;
            f().MonstruosEnTablero = static_cast<Entero>(f().MonstruosEnTablero - 1);
        }
        m.X = -1;
        m.Y = -1;
        m.Activo = FALSO;
        if (slot < k().TMRMonstruo.count()) k().TMRMonstruo[slot].setEnabled(false);
    }

    // Takes every worm off the board, as if none had entered.
    void clearWorms() {
        for (int i = 0; i < kRanurasMonstruo; ++i) freeWormSlot(i);
    }

    // A worm in `slot` as ColocaMonstruo leaves it, without draws or the entry sound.
    void putWorm(int slot, int x, int y, int dir) {
        f().colocaMonstruoEn(slot, x, y, static_cast<Entero>(dir));
    }

    void putPlayer(int x, int y) {
        f().Jugador.X = static_cast<Entero>(x);
        f().Jugador.Y = static_cast<Entero>(y);
    }

    void key(Entero code, Entero shift = 0) { s.key(code, shift); }

    std::vector<SimEvent> eventsOf(SimEvent::Kind kind) const {
        std::vector<SimEvent> out;
        for (const SimEvent& e : events()) {
            if (e.kind == kind) out.push_back(e);
        }
        return out;
    }
    std::vector<SimEvent> sounds() const { return eventsOf(SimEvent::Kind::Sound); }
    std::vector<SimEvent> soundsOn(const std::string& channel) const {
        std::vector<SimEvent> out;
        for (const SimEvent& e : sounds()) {
            if (e.channel == channel) out.push_back(e);
        }
        return out;
    }
    std::vector<SimEvent> boxes() const { return eventsOf(SimEvent::Kind::Box); }
    int beeps() const { return static_cast<int>(eventsOf(SimEvent::Kind::Beep).size()); }
    std::string status() { return k().Label2.caption(); }

    SimSession s;
};

}  // namespace gus::testing
