// The game window: the whole state of one game in its own variables, and the rules of play.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "game/game_window_host.h"
#include "game/tipos.h"
#include "platform/audio_output.h"
#include "platform/label.h"
#include "platform/scheduler.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "sound/channel.h"

namespace gus {

// The window's controls. They exist from the window's loading until it is unloaded; elements
// of the arrays created during play are reused by a new game in the same window.
struct ControlesForm1 {
    ControlesForm1(class Form1& form, const Services& s, GameWindowHost& host);
    void apaga();  // the window is closing: silence and stop everything for good

    // The channels, one line each: made through `canales`, which silences them all on closing.
    static constexpr ChannelSetup kAlCargar{true, 1, -600, 0};   // starts when its file is set
    static constexpr ChannelSetup kEnEspera{false, 1, -600, 0};  // waits for Play
    ChannelGroup canales;
    // 0 north, 1 east, 2 south, 3 west walls; 4 a worm kills you; 5 a worm enters.
    std::vector<Channel*> Wmp1 =
        canales.row("Wmp1", {kAlCargar, kAlCargar, kAlCargar, kAlCargar, kAlCargar, kEnEspera});
    Channel& WMPSalida = canales.channel("WMPSalida", kEnEspera);
    Channel& WMPAux = canales.channel("WMPAux", kEnEspera);
    ChannelArray& WMPMonstruo = canales.array("WMPMonstruo", kEnEspera);
    ChannelArray& WMPBomba = canales.array("WMPBomba", kAlCargar);
    Timer TMRColocaMon;
    Timer TMRSalida;
    Timer TMRMuerto;
    TimerArray TMRMonstruo;
    TimerArray TMRBomba;
    Label Label1;
    Label Label2;
};

class Form1 {
  public:
    // `dificultadDelMenu` reads FormIni.Dificultad. The host is the game session (game_session.h).
    Form1(const Services& services, GameWindowHost& host,
          std::function<Entero()> dificultadDelMenu);
    ~Form1();

    // --- the window ---------------------------------------------------------------------
    // Loading creates the controls and runs Form_Load; unloading destroys what the controls
    // do (timers stop, channels fall silent) but keeps every variable, as a window does.
    void Load();
    void Unload();
    bool cargada() const { return controles_ != nullptr && cargada_; }
    ControlesForm1& controles() { return *controles_; }
    const ControlesForm1* controlesSiHay() const { return controles_.get(); }

    // --- events ---------------------------------------------------------------------------
    void Form_Load();
    void Form_KeyDown(Entero& KeyCode, Entero Shift);
    void Picture1_KeyDown(Entero& KeyCode, Entero Shift);
    void Label2_Change();
    void TMRColocaMon_Timer();
    void TMRMonstruo_Timer(Entero Index);
    void TMRBomba_Timer(Entero Index);
    void TMRMuerto_Timer();
    void TMRSalida_Timer();

    // --- procedures -----------------------------------------------------------------------
    void DibujaMarcas();
    void MuestraFinal();
    void Radar(Entero KeyCode);
    void SuenaParedes();
    void ColocaMonstruo();
    // The worm in slot Index stands at (X, Y) as ColocaMonstruo leaves it, without its draws and
    // entry sound; a worm already in the slot moves there. Also for boards set up by hand.
    void colocaMonstruoEn(int Index, int X, int Y, Entero Direccion);
    void MueveMonstruo(Entero Index);
    std::string BuscaDirecciones(Entero X, Entero Y) const;
    void SuenaMonstruo(Entero Index);
    void SuenaMuerteMonstruo(Entero Index);
    void ActualizaSonidosMonstruos();
    void ColocaBomba();
    void AvanzaBomba(Entero Indice, bool Inmediata);
    void ExplotaBomba(Entero X, Entero Y, Entero Indice);
    void PierdeVida();
    void SuperaFase();
    // The exit opens in the middle of one side of the outer wall (0 north .. 3 west) and its
    // beacon starts, as SuperaFase leaves it after its box.
    void abreSalida(int Lado);
    void PasaDeFase();
    void TerminaJuego();

    // --- the game's variables -------------------------------------------------------------
    std::string RutaSonidos;
    Entero Dificultad = 0;
    Entero MaxMonstruos = 0;
    Entero AceleracionFase = 0;
    Cuadricula Tablero;  // the board, -1..14 both ways
    RegistroJugador Jugador;
    std::array<std::string, 2> SonidosJugador;
    std::array<RegistroMonstruo, kRanurasMonstruo> Monstruos{};
    Entero MonstruosEnTablero = 0;
    Entero MonstruosPorEntrar = 0;
    Entero GiroReciente = FALSO;
    std::array<RegistroBomba, kRanurasBomba> Bombas{};
    std::array<Entero, kRanurasBomba> PilaBombas{};
    Entero Vidas = 0;
    Entero Fase = 0;
    Entero SalidaX = 0;
    Entero SalidaY = 0;
    Entero SegundoMensaje = 0;
    Entero JuegoTerminado = FALSO;

  private:
    ControlesForm1& c() { return *controles_; }
    std::string ruta(const char* archivo) const { return RutaSonidos + archivo; }
    double azar() { return s_.random.next(); }
    void escribeEstado(const std::string& texto);      // set Label2
    void anadeEstado(const std::string& texto);        // append to Label2
    void muerePorMonstruoAlEntrar();                   // the player walked into a worm
    void muerePorPasoDeMonstruo();                     // a worm stepped onto the player
    void tocaEn(Channel& canal, const char* archivo);  // stop, load, play
    void paraTemporizadoresDeMonstruo();
    void liberaMonstruos();
    void paraJuegoAnterior();
    void cierraVentana();
    enum class Paso { Rechazado, Dado, Salida };
    Paso intentaPaso(int dx, int dy);
    void trataCeldaDeLlama(int tx, int ty, int& muertes, bool& termina);

    Services s_;
    GameWindowHost& host_;
    std::function<Entero()> dificultadDelMenu_;
    std::unique_ptr<ControlesForm1> controles_;
    bool cargada_ = false;
};

}  // namespace gus
