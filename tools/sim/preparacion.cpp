// A worm put on the board by hand.
#include "tools/sim/preparacion.h"

namespace gus {

void ponMonstruo(Form1& f, int slot, int x, int y, int direccion) {
    RegistroMonstruo& m = f.Monstruos.at(static_cast<std::size_t>(slot));
    if (!esVerdadero(m.Activo)) {
        f.MonstruosEnTablero = static_cast<Entero>(f.MonstruosEnTablero + 1);
    } else if (enTablero(m.X, m.Y) && f.Tablero(m.X, m.Y) == CeldaMonstruo) {
        f.Tablero(m.X, m.Y) = CeldaLibre;
    }
    m.X = static_cast<Entero>(x);
    m.Y = static_cast<Entero>(y);
    m.Direccion = static_cast<Entero>(direccion);
    m.Activo = VERDADERO;
    f.Tablero(x, y) = CeldaMonstruo;
    if (!f.cargada()) return;
    ControlesForm1& k = f.controles();
    k.TMRMonstruo.createUpTo(slot);
    k.WMPMonstruo.createUpTo(slot);
    k.TMRMonstruo[slot].setInterval(3000 - (f.Fase - 1) * f.AceleracionFase);
    // Re-enabling starts a new interval, as when the worm had just entered.
    k.TMRMonstruo[slot].setEnabled(false);
    k.TMRMonstruo[slot].setEnabled(true);
    k.WMPMonstruo[slot].setFileName(f.RutaSonidos + "snd18.wav");
}

}  // namespace gus
