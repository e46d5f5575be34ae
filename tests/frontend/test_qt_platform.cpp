// The Qt side: message boxes, announcements, the timers' driver, the command line, key codes.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <sstream>

#include "frontend/command_line.h"
#include "frontend/key_codes.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/scheduler_driver.h"
#include "platform/timer.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using std::tuple;

// Should a box stay unanswered, it is closed after five seconds and the test fails instead of
// waiting for ever; the timer goes with `scope`.
void closeBoxLeftOpen(const QObject& scope) {
    QTimer::singleShot(5000, &scope, [] {
        ADD_FAILURE() << "a message box was left unanswered";
        if (QWidget* open = QApplication::activeModalWidget()) open->close();
    });
}

// The answer when the player presses `press`, and the box as "title|text|icon|buttons|large".
tuple<Answer, QString> ask(const char* text, const char* title, Buttons buttons,
                           QMessageBox::StandardButton press) {
    QString seen;
    QObject asking;  // no timer of this box outlives it
    closeBoxLeftOpen(asking);
    QTimer::singleShot(0, &asking, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) return;
        QStringList captions;
        for (QAbstractButton* b : box->buttons()) captions << b->text().remove('&');
        captions.sort();
        int size = 0;  // of the label that shows the text
        for (const QLabel* label : box->findChildren<QLabel*>())
            if (label->text() == box->text()) size = label->font().pointSize();
        seen = QString("%1|%2|%3|%4|%5").arg(box->windowTitle(), box->text()).arg(box->icon());
        seen = seen.arg(captions.join(",")).arg(size >= 14);
        if (QAbstractButton* button = box->button(press)) button->click();
    });
    return {QtDialogs().messageBox(text, title, buttons), seen};  // `seen` once the box has closed
}

TEST(MessageBoxes, SpanishButtonsNoIconLargeTextAndTheProgramTitleUnlessTheGameGivesOne) {
    testing::testApplication();
    EXPECT_EQ(ask("¿Otra?\r\nDe nuevo", "", Buttons::YesNo, QMessageBox::No),
              tuple(Answer::No, "GUSANICIDA|¿Otra?\nDe nuevo|0|No,Sí|1"));
    EXPECT_EQ(ask("¿Seguro?", "", Buttons::YesNo, QMessageBox::Yes),
              tuple(Answer::Yes, "GUSANICIDA|¿Seguro?|0|No,Sí|1"));
    EXPECT_EQ(ask("Has superado la fase", "Enhorabuena", Buttons::Ok, QMessageBox::Ok),
              tuple(Answer::Ok, "Enhorabuena|Has superado la fase|0|Aceptar|1"));
}

// The driver over a real clock the test moves by hand: a step at each real time, then what is due.
TEST(SchedulerDriver, ArmsForTheNextTickCatchesUpInOrderAndLeavesSuspendedTimeOut) {
    testing::testApplication();  // before any Qt timer
    Millis real = 0;
    Scheduler timers;
    SchedulerDriver driver{timers, [&] { return real; }};
    int ticks = 0;
    Timer timer{timers, 1000, [&] { ++ticks; }};
    enum Step { Enable, Disable, Sync, Timeout, Suspend, Resume };
    // clang-format off
    const std::function<void()> act[] = {[&] { timer.setEnabled(true); },
        [&] { timer.setEnabled(false); }, [&] { driver.sync(); }, [&] { driver.onTimeout(); },
        [&] { timers.suspend(); }, [&] { timers.resume(); }};
    // At a real time a step, then the ticks so far, the interval armed (-1: none), the game time.
    const struct { Millis real; Step step; int ticks; int armed; Millis game; } steps[] = {
        {0, Enable, 0, 1000, 0}, {400, Sync, 0, 600, 400}, {1000, Timeout, 1, 1000, 1000},
        {4500, Timeout, 4, 500, 4500}, {4600, Sync, 4, 400, 4600}, {4600, Suspend, 4, -1, 4600},
        {14600, Timeout, 4, -1, 4600}, {14600, Resume, 4, 400, 4600},  // a box was open ten seconds
        {14999, Sync, 4, 1, 4999}, {15000, Sync, 5, 1000, 5000}, {15000, Disable, 5, -1, 5000},
        {20000, Sync, 5, -1, 10000}, {20000, Enable, 5, 1000, 10000},  // counting from the key on
        {20999, Sync, 5, 1, 10999}, {21000, Sync, 6, 1000, 11000}};
    // clang-format on
    for (const auto& s : steps) {
        real = s.real;
        act[s.step]();
        const int armed = driver.armed() ? driver.armedInterval() : -1;
        EXPECT_EQ(tuple(ticks, armed, driver.gameNow()), tuple(s.ticks, s.armed, s.game)) << s.real;
    }
}

TEST(CommandLine, VersionAndHelpAnswerInSpanishAndAnythingElsePlays) {
    std::ostringstream version, help, none;
    EXPECT_EQ(tuple(answerCommandLine({"--version"}, version), answerCommandLine({"--help"}, help),
                    answerCommandLine({}, none), answerCommandLine({"-platform", "x"}, none)),
              tuple(0, 0, std::nullopt, std::nullopt));
    EXPECT_EQ(tuple(version.str(), none.str()), tuple("GUSANICIDA 1.0.0\n", ""));
    EXPECT_NE(help.str().find("Uso: gusanicida"), std::string::npos);
    EXPECT_NE(help.str().find("muestra la versión"), std::string::npos);
}

TEST(KeyCodes, QtKeysBecomeVirtualKeyCodesAndModifiersShiftCtrlAltBits) {
    // clang-format off
    const std::pair<int, int> codes[] = {{Qt::Key_Left, 37}, {Qt::Key_Up, 38}, {Qt::Key_Right, 39},
        {Qt::Key_Down, 40}, {Qt::Key_Space, 32}, {Qt::Key_Shift, 16}, {Qt::Key_CapsLock, 20},
        {Qt::Key_Escape, 27}, {Qt::Key_A, 65}, {Qt::Key_V, 86}, {Qt::Key_Z, 90}, {Qt::Key_B, 66},
        {Qt::Key_Return, 13}, {Qt::Key_Enter, 13}, {Qt::Key_Control, 17}, {Qt::Key_Tab, 9},
        {Qt::Key_F1, 112}, {Qt::Key_VolumeUp, 0}};
    // clang-format on
    for (const auto& [key, code] : codes) EXPECT_EQ(virtualKeyCode(key), code) << key;
    EXPECT_EQ(tuple(virtualKeyCode(Qt::Key_5, true), modifierBits(Qt::NoModifier),
                    modifierBits(Qt::AltModifier),
                    modifierBits(Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier)),
              tuple(101, 0, 4, 3));
}

}  // namespace
}  // namespace gus
