// The program's windows on the simulated platform: sounds logged, modal windows scripted.
#pragma once

#include <QApplication>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "frontend/form_ini.h"
#include "platform/qt/announcer.h"
#include "platform/sim/sim_platform.h"
#include "sound/catalogue.h"

namespace gus::testing {

// The one application of a test program: offscreen, Qt's texts in Spanish, the program's
// accessibility factory installed.
QApplication& testApplication();

class SimFrontend {
  public:
    using Script = std::function<void(QDialog&)>;

    SimFrontend();
    SimFrontend(const SimFrontend&) = delete;
    SimFrontend& operator=(const SimFrontend&) = delete;

    // What the player does in the next modal window; a window with no script left is closed
    // with its close control as soon as it is shown.
    void whenModal(Script script) { scripts_.push_back(std::move(script)); }
    const std::vector<std::string>& modalWindows() const { return shown_; }

    // Sounds started and handed to the mixer, in order.
    std::vector<SimEvent> sounds() const;
    int starts(const std::string& file) const;
    // How many inputs brought the timers to the present.
    int syncCount() const { return syncs_; }
    // The menu's way of showing a window modally: the scripts above.
    FormIni::ModalRunner modalRunner() {
        return [this](QDialog& w) { runModal(w); };
    }

    SimPlatform p;
    Services services;
    EventRoad::Listener speaking = Announcer::program().speakAtEndOfEvents(p.road);

  private:
    void runModal(QDialog& window);

    std::deque<Script> scripts_;
    std::vector<std::string> shown_;
    int syncs_ = 0;
};

}  // namespace gus::testing
