// The program's windows on the simulated platform: sounds logged, modal windows scripted.
#pragma once

#include <QApplication>
#include <QDialog>
#include <deque>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "frontend/form_ini.h"
#include "frontend/game_application.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/announcer.h"
#include "platform/qt/spanish_translator.h"
#include "platform/sim/sim_platform.h"
#include "sound/catalogue.h"

namespace gus::testing {

// Offscreen, Qt's texts in Spanish, the program's accessibility factory installed.
inline QApplication& testApplication() {
    static int argc = 1;
    static char name[] = "gusanicida-test", *argv[] = {name, nullptr};
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // the same results on any machine
        auto* created = new GameApplication(argc, argv);
        installSpanishTranslator(*created);
        installAccessibility();
        return created;
    }();
    return *app;
}

using Heard = std::tuple<std::string, std::string, int, int>;  // channel, file, balance, volume
using Heards = std::vector<Heard>;

struct SimFrontend {
    SimFrontend() : services(p.services(speaking)) {
        testApplication();
        p.road.setPresent([this] { return ++syncs, p.scheduler.now(); });
    }
    // What the player does in the next modal window; with no script left it is closed at once.
    template <class W>
    void whenModal(std::function<void(W&)> play) {
        scripts.push_back([play](QDialog& d) { play(dynamic_cast<W&>(d)); });
    }
    FormIni::ModalRunner modalRunner() {
        return [this](QDialog& window) {
            shown.push_back(window.objectName().toStdString());
            window.show();
            if (!scripts.empty()) {
                auto play = std::move(scripts.front());
                scripts.pop_front();
                play(window);
            }
            if (window.isVisible()) window.close();
        };
    }
    Heards heard() const {  // the sounds started, in order
        Heards out;
        for (const SimEvent& e : p.log.events())
            if (e.kind == SimEvent::Kind::Sound)
                out.emplace_back(e.channel, e.file, e.balance, e.volume);
        return out;
    }

    SimPlatform p;
    Speech speaking{p.road, Announcer::program()};  // the status spoken as the program speaks it
    Services services;
    std::vector<std::string> shown;  // the modal windows, by name
    int syncs = 0;                   // inputs that brought the timers to the present
    std::deque<std::function<void(QDialog&)>> scripts;
};

}  // namespace gus::testing
