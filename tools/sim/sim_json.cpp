// Events and state in the runner's JSON shapes, with the game's own names as keys.
#include "tools/sim/sim_json.h"

#include "tools/sim/json_writer.h"
#include "tools/sim/session.h"

namespace gus {

namespace {

const char* buttonsName(Buttons b) {
    return b == Buttons::YesNo ? "yesno" : "ok";
}

const char* answerName(Answer a) {
    switch (a) {
        case Answer::Yes:
            return "yes";
        case Answer::No:
            return "no";
        case Answer::Ok:
            return "ok";
    }
    return "ok";
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

char cellChar(Entero v) {
    switch (v) {
        case CeldaPared:
            return '#';
        case CeldaLibre:
            return '.';
        case CeldaMonstruo:
            return 'M';
        case CeldaSalida:
            return 'S';
        default:
            return '?';
    }
}

void writeTimer(JsonWriter& w, const Timer& t) {
    w.beginObject()
        .member("Enabled", t.enabled() ? -1 : 0)
        .member("Interval", t.interval())
        .endObject();
}

void writeTimerArray(JsonWriter& w, const std::string& name, const TimerArray& a) {
    w.key(name).beginArray();
    for (int i = 0; i < a.count(); ++i) writeTimer(w, a[i]);
    w.endArray();
}

void writeChannel(JsonWriter& w, const Channel& c) {
    w.key(c.name())
        .beginObject()
        .member("FileName", baseName(c.fileName()))
        .member("Balance", c.balance())
        .member("Volume", c.volume())
        .member("Playing", c.playing() ? -1 : 0)
        .endObject();
}

void writeControls(JsonWriter& w, const Form1& f) {
    const ControlesForm1* k = f.cargada() ? f.controlesSiHay() : nullptr;
    w.key("Timers").beginObject();
    if (k) {
        w.key("TMRColocaMon");
        writeTimer(w, k->TMRColocaMon);
        w.key("TMRSalida");
        writeTimer(w, k->TMRSalida);
        w.key("TMRMuerto");
        writeTimer(w, k->TMRMuerto);
        writeTimerArray(w, "TMRMonstruo", k->TMRMonstruo);
        writeTimerArray(w, "TMRBomba", k->TMRBomba);
    }
    w.endObject();
    w.key("Channels").beginObject();
    if (k) {
        for (const auto& c : k->Wmp1) writeChannel(w, *c);
        writeChannel(w, k->WMPSalida);
        writeChannel(w, k->WMPAux);
        for (int i = 0; i < k->WMPMonstruo.count(); ++i) writeChannel(w, k->WMPMonstruo[i]);
        for (int i = 0; i < k->WMPBomba.count(); ++i) writeChannel(w, k->WMPBomba[i]);
    }
    w.endObject();
}

void writeTables(JsonWriter& w, const Form1& f) {
    w.key("Jugador")
        .beginObject()
        .member("X", f.Jugador.X)
        .member("Y", f.Jugador.Y)
        .member("Paso", f.Jugador.Paso)
        .endObject();
    w.key("Monstruos").beginArray();
    for (const RegistroMonstruo& m : f.Monstruos) {
        w.beginObject()
            .member("X", m.X)
            .member("Y", m.Y)
            .member("Direccion", m.Direccion)
            .member("Activo", m.Activo)
            .endObject();
    }
    w.endArray();
    w.key("Bombas").beginArray();
    for (const RegistroBomba& b : f.Bombas) {
        w.beginObject()
            .member("X", b.X)
            .member("Y", b.Y)
            .member("Activa", b.Activa)
            .member("Mecha", b.Mecha)
            .endObject();
    }
    w.endArray();
    w.key("PilaBombas").beginArray();
    for (const Entero p : f.PilaBombas) w.value(p);
    w.endArray();
}

void writeBoard(JsonWriter& w, const Form1& f) {
    w.key("Tablero").beginArray();
    for (int y = kBordeMin; y <= kBordeMax; ++y) {
        std::string row;
        for (int x = kBordeMin; x <= kBordeMax; ++x) row += cellChar(f.Tablero(x, y));
        w.value(row);
    }
    w.endArray();
}

}  // namespace

std::string eventJson(const SimEvent& e) {
    JsonWriter w;
    w.beginObject().member("t", static_cast<long long>(e.t));
    switch (e.kind) {
        case SimEvent::Kind::Sound:
            w.member("ev", "sound")
                .member("ch", e.channel)
                .member("file", e.file)
                .member("balance", e.balance)
                .member("volume", e.volume);
            break;
        case SimEvent::Kind::Text:
            w.member("ev", "text").member("label", e.label).member("text", e.text);
            break;
        case SimEvent::Kind::Box:
            w.member("ev", "box")
                .member("title", e.title)
                .member("text", e.text)
                .member("buttons", buttonsName(e.buttons))
                .member("answer", answerName(e.answer));
            break;
        case SimEvent::Kind::Beep:
            w.member("ev", "beep");
            break;
        case SimEvent::Kind::Dialog:
            w.member("ev", "dialog").member("window", e.window);
            break;
        case SimEvent::Kind::Close:
            w.member("ev", "close").member("window", e.window);
            break;
        case SimEvent::Kind::Speak:
            w.member("ev", "speak").member("text", e.text);
            break;
    }
    w.endObject();
    return w.str();
}

std::string stateJson(const SimSession& session) {
    const Form1& f = session.form;
    JsonWriter w;
    w.beginObject()
        .member("t", static_cast<long long>(session.p.scheduler.now()))
        .member("ev", "state")
        .member("Fase", f.Fase)
        .member("Vidas", f.Vidas)
        .member("Dificultad", f.Dificultad)
        .member("MaxMonstruos", f.MaxMonstruos)
        .member("AceleracionFase", f.AceleracionFase);
    writeTables(w, f);
    w.member("MonstruosEnTablero", f.MonstruosEnTablero)
        .member("MonstruosPorEntrar", f.MonstruosPorEntrar)
        .member("SalidaX", f.SalidaX)
        .member("SalidaY", f.SalidaY)
        .member("JuegoTerminado", f.JuegoTerminado)
        .member("GiroReciente", f.GiroReciente)
        .member("SegundoMensaje", f.SegundoMensaje);
    const ControlesForm1* k = f.controlesSiHay();
    w.member("Label1", k ? k->Label1.caption() : "").member("Label2", k ? k->Label2.caption() : "");
    writeBoard(w, f);
    writeControls(w, f);
    w.endObject();
    return w.str();
}

}  // namespace gus
