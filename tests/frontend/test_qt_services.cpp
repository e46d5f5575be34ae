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
#include "platform/qt/announcing_label.h"
#include "platform/qt/qt_dialogs.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    std::vector<QString> buttons;
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

// What the label goes through as it changes: hidden, then shown again with which text.
class VisibilityLog : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const auto* label = static_cast<QLabel*>(watched);
        if (event->type() == QEvent::Hide) steps.push_back("hide");
        if (event->type() == QEvent::Show) steps.push_back("show " + label->text().toStdString());
        return false;
    }
    std::vector<std::string> steps;
};

class AnnouncingLabelTest : public ::testing::Test {
  protected:
    AnnouncingLabelTest() {
        window.show();
        label->installEventFilter(&log);
    }

    QApplication& app = testing::testApplication();
    QWidget window;
    AnnouncingLabel* label = new AnnouncingLabel(&window);
    VisibilityLog log;
};

TEST_F(AnnouncingLabelTest, IsExposedAsANotificationWhoseNameIsItsText) {
    label->announce("3 vidas te quedan");
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(label);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Notification);
    EXPECT_EQ(iface->text(QAccessible::Name), "3 vidas te quedan");
    EXPECT_TRUE(label->isVisible());
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Assistive technologies learn of a notification when it is shown: each change shows it anew,
// also a text asked for twice.
TEST_F(AnnouncingLabelTest, EveryChangeShowsTheNotificationAgainWithTheNewText) {
    label->announce("7, 12");
    label->announce("7, 12");
    EXPECT_EQ(log.steps, (std::vector<std::string>{"hide", "show 7, 12", "hide", "show 7, 12"}));
}
#endif

TEST_F(AnnouncingLabelTest, AnEmptyStatusIsNotAnnounced) {
    label->announce("algo");
    log.steps.clear();
    label->announce("");
    EXPECT_EQ(label->text(), "");
    EXPECT_TRUE(log.steps.empty());
    EXPECT_TRUE(label->isVisible());
}

}  // namespace
}  // namespace gus
