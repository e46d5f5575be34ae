// A loaded game window on the simulated platform, its first worm taken off, with helpers to set
// up a board by hand and to read what the player heard.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "sound/catalogue.h"
#include "tests/support/new_session.h"

namespace gus::testing {

using Strings = std::vector<std::string>;
using Cell = std::pair<int, int>;
// Forced after a step's own draws: reading it back proves the step drew exactly those.
inline constexpr double kTestigo = 0.0123;
inline constexpr Entero kSinOrden = 66;  // 'B': a key with no command, only the handler's tail

class EmptyBoard : public ::testing::Test {
  protected:
    void SetUp() override {
        clearWorms();
        s.p.log.clear();
    }
    Form1& f() { return s.form; }
    ControlesForm1& k() { return s.form.controles(); }
    const std::vector<SimEvent>& events() const { return s.p.log.events(); }
    std::size_t mark() const { return events().size(); }

    // A flame's work on a worm's slot: free, its timer off, its channel kept.
    void freeWormSlot(int slot) {
        RegistroMonstruo& m = f().Monstruos[static_cast<std::size_t>(slot)];
        if (esVerdadero(m.Activo)) {
            f().Tablero(m.X, m.Y) = CeldaLibre;
            --f().MonstruosEnTablero;
        }
        m = RegistroMonstruo{0, -1, -1, m.Direccion, FALSO};
        if (slot < k().TMRMonstruo.count()) k().TMRMonstruo[slot].setEnabled(false);
    }
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
    Cell player() { return {f().Jugador.X, f().Jugador.Y}; }
    void key(Entero code, Entero shift = 0) { s.key(code, shift); }
    void shift() { key(tecla::Mayusculas, tecla::BitShift); }
    void layAt(int x, int y) {
        putPlayer(x, y);
        key(tecla::Espacio);
    }

    // Events since `from` of one kind; sounds on the `what` channel, texts of the `what` label.
    std::vector<SimEvent> since(std::size_t from, SimEvent::Kind kind,
                                const std::string& what = "") const {
        std::vector<SimEvent> out;
        for (std::size_t i = from; i < events().size(); ++i) {
            const SimEvent& e = events()[i];
            const std::string& name = kind == SimEvent::Kind::Text ? e.label : e.channel;
            if (e.kind == kind && (what.empty() || name == what)) out.push_back(e);
        }
        return out;
    }
    std::vector<SimEvent> sounds(const std::string& channel = "", std::size_t from = 0) const {
        return since(from, SimEvent::Kind::Sound, channel);
    }
    int beeps(std::size_t from = 0) const {
        return static_cast<int>(since(from, SimEvent::Kind::Beep).size());
    }
    static std::string on(const std::string& channel, const std::string& file) {
        return channel + " " + file;
    }
    // "channel file" of every sound since `from`, in the order they started.
    Strings heard(std::size_t from = 0) const {
        Strings out;
        for (const SimEvent& e : sounds("", from)) out.push_back(on(e.channel, e.file));
        return out;
    }
    int heardFile(const std::string& file, std::size_t from = 0) const {
        return static_cast<int>(std::ranges::count_if(
            heard(from), [&](const std::string& h) { return h.ends_with(" " + file); }));
    }
    Strings texts(const std::string& label, std::size_t from = 0) const {
        Strings out;
        for (const SimEvent& e : since(from, SimEvent::Kind::Text, label)) out.push_back(e.text);
        return out;
    }
    int count(Entero cell) const {
        int n = 0;
        for (int x = kBordeMin; x <= kBordeMax; ++x)
            for (int y = kBordeMin; y <= kBordeMax; ++y) n += s.form.Tablero(x, y) == cell;
        return n;
    }
    std::string status() { return k().Label2.caption(); }

    std::unique_ptr<SimSession> owned = newSession(1, 1234);
    SimSession& s = *owned;
};

}  // namespace gus::testing
