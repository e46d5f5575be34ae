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
    static char name[] = "gusanicida-test";
    static char* argv[] = {name, nullptr};
    static int argc = 1;
    static QApplication* app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");  // the same results on any machine
        auto* created = new QApplication(argc, argv);
        installSpanishTranslator(*created);
        installAccessibility();
        return created;
    }();
    return *app;
}

SimFrontend::SimFrontend() : services(p.services()) {
    testApplication();
    p.road.setPresent([this] { return ++syncs, p.scheduler.now(); });
}

FormIni::ModalRunner SimFrontend::modalRunner() {
    return [this](QDialog& window) {
        shown.push_back(window.objectName().toStdString());
        window.show();
        if (!scripts_.empty()) {
            auto script = std::move(scripts_.front());
            scripts_.pop_front();
            script(window);
        }
        if (window.isVisible()) window.close();
    };
}

Heards SimFrontend::heard() const {
    Heards out;
    for (const SimEvent& e : p.log.events()) {
        if (e.kind == SimEvent::Kind::Sound)
            out.emplace_back(e.channel, e.file, e.balance, e.volume);
    }
    return out;
}

int SimFrontend::starts(const std::string& file) const {
    int n = 0;
    for (const Heard& h : heard()) n += std::get<1>(h) == file ? 1 : 0;
    return n;
}

}  // namespace gus::testing
