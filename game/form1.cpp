// The game window's controls and its loading and unloading.
#include "game/form1.h"

namespace gus {

namespace {

ChannelSetup canal(bool autoStart, int volume, int balance = 0) {
    return ChannelSetup{autoStart, 1, volume, balance};
}

}  // namespace

ControlesForm1::ControlesForm1(Form1& form, const Services& s, GameWindowHost& host)
    : WMPSalida(s.audio, "WMPSalida", canal(false, -600)),
      WMPAux(s.audio, "WMPAux", canal(false, -600)),
      WMPMonstruo(s.audio, "WMPMonstruo", canal(false, -600)),
      WMPBomba(s.audio, "WMPBomba", canal(true, -600)),
      TMRColocaMon(s.timers, 3000, [&form] { form.TMRColocaMon_Timer(); }),
      TMRSalida(s.timers, 1500, [&form] { form.TMRSalida_Timer(); }),
      TMRMuerto(s.timers, 800, [&form] { form.TMRMuerto_Timer(); }),
      TMRMonstruo(s.timers, 3000,
                  [&form](int i) { form.TMRMonstruo_Timer(static_cast<Entero>(i)); }),
      TMRBomba(s.timers, 1000, [&form](int i) { form.TMRBomba_Timer(static_cast<Entero>(i)); }),
      Label1("Label1"),
      Label2("Label2") {
    for (int i = 0; i < 6; ++i) {
        // Wmp1(5), the worm entering, waits for Play; the others start when loaded.
        Wmp1.push_back(std::make_unique<Channel>(s.audio, "Wmp1(" + std::to_string(i) + ")",
                                                 canal(i != 5, -600)));
    }
    Label1.setView(host.labelView("Label1"));
    Label2.setView(host.labelView("Label2"));
    Label2.setOnChange([&form] { form.Label2_Change(); });
}

void ControlesForm1::apaga() {
    for (auto& w : Wmp1) w->kill();
    WMPSalida.kill();
    WMPAux.kill();
    WMPMonstruo.killAll();
    WMPBomba.killAll();
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
