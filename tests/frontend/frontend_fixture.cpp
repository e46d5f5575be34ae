// Offscreen application and scripted modal windows for the window tests.
#include "tests/frontend/frontend_fixture.h"

#include <QAccessible>
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
        qputenv("QT_QPA_PLATFORM", "offscreen");  // the same results on any machine
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

QString accessibleName(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    return iface != nullptr ? iface->text(QAccessible::Name) : QString();
}

SimFrontend::SimFrontend() : services(p.services()) {
    testApplication();
    p.road.setPresent([this] {
        ++syncs;
        return p.scheduler.now();
    });
}

void SimFrontend::runModal(QDialog& window) {
    shown.push_back(window.objectName().toStdString());
    window.show();
    if (!scripts_.empty()) {
        Script script = std::move(scripts_.front());
        scripts_.pop_front();
        script(window);
    }
    if (window.isVisible()) window.close();
}

std::vector<Heard> SimFrontend::heard() const {
    std::vector<Heard> out;
    for (const SimEvent& e : p.log.events()) {
        if (e.kind == SimEvent::Kind::Sound) out.emplace_back(e.channel, e.file, e.balance, e.volume);
    }
    return out;
}

int SimFrontend::starts(const std::string& file) const {
    int n = 0;
    for (const Heard& h : heard()) n += std::get<1>(h) == file ? 1 : 0;
    return n;
}

}  // namespace gus::testing
