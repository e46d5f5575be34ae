// The Qt side of the platform: message boxes, announcements, the timers' driver, the command line.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <sstream>

#include "frontend/command_line.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/announcement_spot.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/scheduler_driver.h"
#include "platform/timer.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using std::tuple;

// Reads the next box once it is open as "title|text|icon|buttons|large", and presses `press`.
void answerNextBox(QString& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QStringList buttons;
        for (QAbstractButton* b : box->buttons()) buttons << b->text().remove('&');
        buttons.sort();
        const int size = box->findChild<QLabel*>("qt_msgbox_label")->font().pointSize();
        seen = QString("%1|%2|%3|%4|%5").arg(box->windowTitle(), box->text()).arg(box->icon());
        seen = seen.arg(buttons.join(",")).arg(size >= 14);
        box->button(press)->click();
    });
}

TEST(MessageBoxes, SpanishButtonsNoIconLargeTextAndTheProgramTitleUnlessTheGameGivesOne) {
    testing::testApplication();
    QtDialogs dialogs;
    QString seen;
    answerNextBox(seen, QMessageBox::No);
    EXPECT_EQ(dialogs.messageBox("¿Otra?\r\nDe nuevo", "", Buttons::YesNo), Answer::No);
    EXPECT_EQ(seen, "GUSANICIDA|¿Otra?\nDe nuevo|0|No,Sí|1");
    answerNextBox(seen, QMessageBox::Yes);
    EXPECT_EQ(dialogs.messageBox("¿Seguro?", "", Buttons::YesNo), Answer::Yes);
    answerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(dialogs.messageBox("Has superado la fase", "Enhorabuena", Buttons::Ok), Answer::Ok);
    EXPECT_EQ(seen, "Enhorabuena|Has superado la fase|0|Aceptar|1");
    std::vector<std::string> opened;
    dialogs.setWindowOpener([&](const std::string& w) { opened.push_back(w); });
    dialogs.showModal("Dialog2");
    EXPECT_EQ(opened, std::vector<std::string>{"Dialog2"});
}

TEST(Announcer, AnEventAnnouncesTheLatestNonEmptyTextWrittenOnce) {
    // clang-format off
    const std::pair<std::vector<QString>, QString> cases[] = {{{"5 vidas"}, "5 vidas"},
        {{"/3", " /3"}, " /3"}, {{" Monstruo eliminado", ""}, " Monstruo eliminado"}, {{""}, ""}, {{}, ""}};
    // clang-format on
    for (const auto& [writes, announced] : cases) {
        Announcer announcer;
        for (const QString& text : writes) announcer.written(text);
        announcer.endOfEvent();
        announcer.endOfEvent();
        EXPECT_EQ(tuple(announcer.lastAnnounced(), announcer.announcements()),
                  tuple(announced, announced.isEmpty() ? 0 : 1));
    }
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// What the notifications go through as it is announced: hidden, then shown with which text.
struct VisibilityLog : QObject {
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* text = static_cast<AnnouncementText*>(watched);
        if (event->type() == QEvent::Hide) steps.push_back("hide");
        if (event->type() == QEvent::Show) steps.push_back("show " + text->text());
        return false;
    }
    QStringList steps;
};

// Orca speaks a notification shown again, with no role word inside a status bar and no window
// name from a plain window; the name is the text and nothing follows it.
TEST(Announcer, EachAnnouncementShowsTheStatusBarsNotificationAgainNamedByTheText) {
    testing::testApplication();
    QWidget window;
    exposeAsPlainWindow(window);
    window.show();
    Announcer announcer;
    announcer.announceIn(&window, "antes");
    auto* spot = window.findChild<AnnouncementSpot*>();
    ASSERT_NE(spot, nullptr);
    VisibilityLog log;
    for (AnnouncementText* text : spot->findChildren<AnnouncementText*>()) {
        text->installEventFilter(&log);
    }
    announcer.announceIn(&window, "7, 12");
    announcer.announceIn(&window, "7, 12");
    // The new words go to the screen reader before the old ones are taken away.
    EXPECT_EQ(log.steps, QStringList({"show 7, 12", "hide", "show 7, 12", "hide"}));
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(spot->notification());
    EXPECT_EQ(
        tuple(note->role(), note->text(QAccessible::Name), note->text(QAccessible::Description),
              note->parent()->role(), QAccessible::queryAccessibleInterface(&window)->role()),
        tuple(QAccessible::Notification, "7, 12", "", QAccessible::StatusBar, QAccessible::Window));
}
#endif

// The driver over a real clock the test moves by hand: `at(t)` brings the timers to time t.
class Driver : public ::testing::Test {
  protected:
    void at(Millis t) { real = t, driver.sync(); }
    QApplication& app = testing::testApplication();  // before any Qt timer
    Millis real = 0;
    Scheduler timers;
    SchedulerDriver driver{timers, [this] { return real; }};
    int ticks = 0;
    Timer timer{timers, 1000, [this] { ++ticks; }};
};

TEST_F(Driver, ArmsForTheNextDueTickOnlyAndCatchesUpLateTimeoutsInOrder) {
    EXPECT_FALSE(driver.armed());
    timer.setEnabled(true);
    EXPECT_EQ(driver.armedInterval(), 1000);
    at(400);
    EXPECT_EQ(tuple(ticks, driver.armedInterval()), tuple(0, 600));
    real = 1000;
    driver.onTimeout();
    EXPECT_EQ(tuple(ticks, driver.armedInterval()), tuple(1, 1000));
    real = 4500;
    driver.onTimeout();
    EXPECT_EQ(tuple(ticks, driver.armedInterval()), tuple(4, 500));
    timer.setEnabled(false);
    EXPECT_FALSE(driver.armed());
}

TEST_F(Driver, TimeSuspendedDoesNotCountAndATimerEnabledAfterSyncCountsFromThatKey) {
    timer.setEnabled(true);
    at(600);
    timers.suspend();
    real = 10600;  // ten seconds with a message box open
    driver.onTimeout();
    EXPECT_EQ(tuple(driver.armed(), driver.gameNow()), tuple(false, 600));
    timers.resume();
    EXPECT_EQ(driver.armedInterval(), 400);
    at(10999);
    EXPECT_EQ(ticks, 0);
    at(11000);
    EXPECT_EQ(ticks, 1);
    timer.setEnabled(false);
    at(15000);
    timer.setEnabled(true);
    at(15999);
    EXPECT_EQ(ticks, 1);
    at(16000);
    EXPECT_EQ(ticks, 2);
    Scheduler own;  // by default the real clock, from the driver's start
    EXPECT_LT(SchedulerDriver(own).gameNow(), 60000);
}

TEST(CommandLine, VersionAndHelpAnswerInSpanishAndAnythingElsePlays) {
    std::ostringstream out;
    EXPECT_EQ(answerCommandLine({"--version"}, out), 0);
    EXPECT_EQ(out.str(), "GUSANICIDA 1.0.0\n");
    out.str("");
    EXPECT_EQ(answerCommandLine({"--help"}, out), 0);
    EXPECT_NE(out.str().find("Uso: gusanicida"), std::string::npos);
    EXPECT_NE(out.str().find("muestra la versión"), std::string::npos);
    out.str("");
    EXPECT_EQ(answerCommandLine({}, out), std::nullopt);
    EXPECT_EQ(answerCommandLine({"-platform", "offscreen"}, out), std::nullopt);
    EXPECT_TRUE(out.str().empty());
}

}  // namespace
}  // namespace gus
