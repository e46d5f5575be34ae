// The program's windows on the simulated platform: sounds logged, modal windows scripted.
#pragma once

#include <QApplication>
#include <deque>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/form_ini.h"
#include "platform/qt/announcer.h"
#include "platform/sim/sim_platform.h"
#include "sound/catalogue.h"

namespace gus::testing {

// Offscreen, Qt's texts in Spanish, the program's accessibility factory installed.
QApplication& testApplication();
using Heard = std::tuple<std::string, std::string, int, int>;  // channel, file, balance, volume
using Heards = std::vector<Heard>;

class SimFrontend {
  public:
    SimFrontend();
    // What the player does in the next modal window; with no script left it is closed at once.
    void whenModal(std::function<void(QDialog&)> script) { scripts_.push_back(std::move(script)); }
    FormIni::ModalRunner modalRunner();
    Heards heard() const;  // the sounds started, in order
    int starts(const std::string& file) const;

    SimPlatform p;
    Services services;
    EventRoad::Listener speaking = Announcer::program().speakAtEndOfEvents(p.road);
    std::vector<std::string> shown;  // the modal windows, by name
    int syncs = 0;                   // inputs that brought the timers to the present

  private:
    std::deque<std::function<void(QDialog&)>> scripts_;
};

}  // namespace gus::testing
