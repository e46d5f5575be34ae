// Offscreen application and scripted modal windows for the window tests.
#include "tests/frontend/frontend_fixture.h"

#include <QDialog>

#include "platform/qt/accessibility.h"
#include "platform/qt/spanish_translator.h"

// Fontconfig keeps a cache for the life of the process that the leak checker reports at exit;
// it is the system's, not the program's.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}

namespace gus::testing {

QApplication& testApplication() {
    static QApplication* app = [] {
        // Tests never open a real window: the same results on any machine.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "gusanicida-test";
        static char* argv[] = {name, nullptr};
        auto* created = new QApplication(argc, argv);
        installSpanishTranslator(*created);
        installAccessibility();
        return created;
    }();
    return *app;
}

SimFrontend::SimFrontend() : services(p.services()) {
    testApplication();
    p.road.setPresent([this] {
        ++syncs_;
        return p.scheduler.now();
    });
}

void SimFrontend::runModal(QDialog& window) {
    shown_.push_back(window.objectName().toStdString());
    window.show();
    if (!scripts_.empty()) {
        Script script = std::move(scripts_.front());
        scripts_.pop_front();
        script(window);
    }
    if (window.isVisible()) window.close();
}

std::vector<SimEvent> SimFrontend::sounds() const {
    std::vector<SimEvent> out;
    for (const SimEvent& e : p.log.events()) {
        if (e.kind == SimEvent::Kind::Sound) out.push_back(e);
    }
    return out;
}

int SimFrontend::starts(const std::string& file) const {
    int n = 0;
    for (const SimEvent& e : sounds()) n += e.file == file ? 1 : 0;
    return n;
}

}  // namespace gus::testing
