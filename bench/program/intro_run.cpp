// Waits for the dialog inside its modal loop, lets the recording play, then reads VmHWM.
#include "bench/program/intro_run.h"

#include <QApplication>
#include <QPushButton>

#include "bench/program/report.h"
#include "frontend/form_ini.h"
#include "frontend/program.h"
#include "frontend/text_dialog.h"

namespace gus::bench {

namespace {

constexpr int kPassMs = 200;
constexpr double kGoalMegabytes = 80.0;

}  // namespace

IntroRun::IntroRun(Program& program, double seconds, std::string conditions)
    : program_(program), seconds_(seconds), conditions_(std::move(conditions)) {
    QObject::connect(&passes_, &QTimer::timeout, [this] { pass(); });
}

int IntroRun::exec() {
    QTimer::singleShot(kPassMs, [this] {
        peakBefore_ = peakResidentMegabytes(0).value_or(0.0);
        program_.menu().Command1(0)->click();
    });
    passes_.start(kPassMs);
    QApplication::exec();
    return done_ ? 0 : 1;
}

void IntroRun::pass() {
    if (done_ || program_.menu().textDialog() == nullptr) return;
    if (!opened_) {
        opened_ = true;
        share_.start();
        ends_ = steadyNanos() + static_cast<std::int64_t>(seconds_ * 1e9);
        return;
    }
    if (steadyNanos() >= ends_) finish();
}

void IntroRun::finish() {
    share_.stop();
    done_ = true;
    passes_.stop();
    const bool playing = program_.menu().textDialog()->MediaPlayer1().playing();
    const double peak = peakResidentMegabytes(0).value_or(0.0);
    printRow({"peak resident memory, introduction open", fixed(peak, 1) + " MB (VmHWM)", "< 80 MB",
              peak < kGoalMegabytes,
              conditions_ + ", after " + fixed(share_.wallSeconds(), 0) + " s of it"});
    printNote("peak with the menu alone, before opening it: " + fixed(peakBefore_, 1) +
              " MB; resident at the end: " + fixed(residentMegabytes(0).value_or(0.0), 1) + " MB");
    printNote(threadLine(share_.threadPercents()));
    printNote(std::string("the introduction recording was ") +
              (playing ? "playing" : "NOT playing") + " at the end; CPU meanwhile " +
              fixed(share_.percentOfOneCore(), 2) + " % of a core (no goal)");
    program_.menu().Command1_Click(6);
}

}  // namespace gus::bench
