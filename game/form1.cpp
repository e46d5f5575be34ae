// The game window's controls and its loading and unloading.
#include "game/form1.h"

namespace gus {

ControlesForm1::ControlesForm1(Form1& form, const Services& s, GameWindowHost& host)
    : canales(s.audio),
      TMRColocaMon(s.timers, 3000, [&form] { form.TMRColocaMon_Timer(); }),
      TMRSalida(s.timers, 1500, [&form] { form.TMRSalida_Timer(); }),
      TMRMuerto(s.timers, 800, [&form] { form.TMRMuerto_Timer(); }),
      TMRMonstruo(s.timers, 3000,
                  [&form](int i) { form.TMRMonstruo_Timer(static_cast<Entero>(i)); }),
      TMRBomba(s.timers, 1000, [&form](int i) { form.TMRBomba_Timer(static_cast<Entero>(i)); }),
      Label1(nameOf(LabelId::Label1)),
      Label2(nameOf(LabelId::Label2)) {
    Label1.setView(host.labelView(LabelId::Label1));
    Label2.setView(host.labelView(LabelId::Label2));
    Label2.setOnChange([&form] { form.Label2_Change(); });
}

void ControlesForm1::apaga() {
    canales.killAll();
    TMRColocaMon.kill();
    TMRSalida.kill();
    TMRMuerto.kill();
    TMRMonstruo.killAll();
    TMRBomba.killAll();
    Label1.kill();
    Label2.kill();
}

Form1::Form1(const Services& services, GameWindowHost& host,
             std::function<Entero()> dificultadDelMenu)
    : s_(services), host_(host), dificultadDelMenu_(std::move(dificultadDelMenu)) {}

Form1::~Form1() = default;

void Form1::Load() {
    // The controls of a closed window are only replaced here, never inside one of their own
    // events, so a handler that closes the window can still run to its end safely.
    controles_ = std::make_unique<ControlesForm1>(*this, s_, host_);
    cargada_ = true;
    Form_Load();
}

void Form1::Unload() {
    if (!cargada_) return;
    cargada_ = false;
    controles_->apaga();
}

void Form1::cierraVentana() {
    Unload();
    host_.closeWindow();
}

}  // namespace gus
