// Message boxes in Spanish, the status label's announcements and the window opener.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <string>
#include <vector>

#include "platform/qt/accessibility.h"
#include "platform/qt/announcement_spot.h"
#include "platform/qt/announcer.h"
#include "platform/qt/qt_dialogs.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    std::vector<QString> buttons;
    int pointSize = 0;
};

QString withoutAccessKey(QString text) {
    return text.remove(QLatin1Char('&'));
}

// Reads the box once it is open, then presses the button `press`.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        seen.pointSize = box->findChild<QLabel*>("qt_msgbox_label")->font().pointSize();
        for (QAbstractButton* b : box->buttons())
            seen.buttons.push_back(withoutAccessKey(b->text()));
        box->button(press)->click();
    });
}

class QtDialogsTest : public ::testing::Test {
  protected:
    QApplication& app = testing::testApplication();
    QtDialogs dialogs;
    SeenBox seen;
};

TEST_F(QtDialogsTest, AYesNoBoxHasSpanishButtonsNoIconAndTheProgramTitle) {
    answerNextBox(seen, QMessageBox::No);
    const Answer a = dialogs.messageBox("¿Deseas volver a jugar?\r\nDe nuevo", "", Buttons::YesNo);
    EXPECT_EQ(a, Answer::No);
    EXPECT_EQ(seen.title, "GUSANICIDA");
    EXPECT_EQ(seen.text, "¿Deseas volver a jugar?\nDe nuevo");
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_GE(seen.pointSize, 14);
    std::sort(seen.buttons.begin(), seen.buttons.end());
    EXPECT_EQ(seen.buttons, (std::vector<QString>{"No", "Sí"}));
}

TEST_F(QtDialogsTest, YesIsAnsweredAsYes) {
    answerNextBox(seen, QMessageBox::Yes);
    EXPECT_EQ(dialogs.messageBox("¿Seguro?", "", Buttons::YesNo), Answer::Yes);
}

TEST_F(QtDialogsTest, AnOkBoxReadsAceptarAndKeepsItsOwnTitle) {
    answerNextBox(seen, QMessageBox::Ok);
    EXPECT_EQ(dialogs.messageBox("Has superado la fase", "Enhorabuena", Buttons::Ok), Answer::Ok);
    EXPECT_EQ(seen.title, "Enhorabuena");
    EXPECT_EQ(seen.buttons, std::vector<QString>{"Aceptar"});
}

TEST_F(QtDialogsTest, TheGamesWindowsAreOpenedByTheirOwner) {
    std::vector<std::string> opened;
    dialogs.setWindowOpener([&](const std::string& w) { opened.push_back(w); });
    dialogs.showModal("Dialog2");
    EXPECT_EQ(opened, std::vector<std::string>{"Dialog2"});
}

// What the notifications go through as it is announced: hidden, then shown with which text.
class VisibilityLog : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* text = static_cast<AnnouncementText*>(watched);
        if (event->type() == QEvent::Hide) steps.push_back("hide");
        if (event->type() == QEvent::Show) steps.push_back("show " + text->text().toStdString());
        return false;
    }
    std::vector<std::string> steps;
};

TEST(AnnouncerTest, AnEventAnnouncesTheLatestNonEmptyTextWrittenOnce) {
    struct Case {
        std::vector<QString> writes;
        QString announced;
    };
    const Case cases[] = {
        {{"5 vidas te quedan"}, "5 vidas te quedan"},
        {{"/3", " /3"}, " /3"},
        {{" Monstruo eliminado", ""}, " Monstruo eliminado"},  // cleared before a box opens
        {{""}, ""},
        {{}, ""},
    };
    for (const Case& c : cases) {
        Announcer announcer;
        for (const QString& text : c.writes) announcer.written(text);
        announcer.endOfEvent();
        announcer.endOfEvent();
        EXPECT_EQ(announcer.lastAnnounced(), c.announced);
        EXPECT_EQ(announcer.announcements(), c.announced.isEmpty() ? 0 : 1);
    }
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Orca speaks a notification shown again, with no role word inside a status bar and no window
// name from a plain window; the name is the text and nothing follows it.
TEST(AnnouncerTest, EachAnnouncementShowsTheStatusBarsNotificationAgainNamedByTheText) {
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
    EXPECT_EQ(log.steps, (std::vector<std::string>{"show 7, 12", "hide", "show 7, 12", "hide"}));
    QAccessibleInterface* note = QAccessible::queryAccessibleInterface(spot->notification());
    EXPECT_EQ(note->role(), QAccessible::Notification);
    EXPECT_EQ(note->text(QAccessible::Name), "7, 12");
    EXPECT_EQ(note->text(QAccessible::Description), "");
    EXPECT_EQ(note->parent()->role(), QAccessible::StatusBar);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&window)->role(), QAccessible::Window);
}
#endif

}  // namespace
}  // namespace gus
