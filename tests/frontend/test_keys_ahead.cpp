// Keys typed while a screen reader runs: the game has its own at once and once; the reader hears
// every key before the game's words, and keys it may take as its own wait for its answer.
#include <gtest/gtest.h>

#include <QTest>

#include "frontend/game_window.h"
#include "frontend/key_receiver.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::SimFrontend;

// Qt's accessibility bridge with a screen reader behind it: every typed key is kept until the
// reader answers, then posted again as a copy, unless the reader took it as its own command.
class Reader : public QObject {
  public:
    bool eventFilter(QObject* to, QEvent* e) override {
        if (!e->spontaneous() || (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease))
            return false;
        const auto* k = static_cast<QKeyEvent*>(e);
        kept_.emplace_back(to, new QKeyEvent(k->type(), k->key(), k->modifiers(),
                                             k->nativeScanCode(), k->nativeVirtualKey(),
                                             k->nativeModifiers(), k->text(), k->isAutoRepeat()));
        return true;
    }
    void answer(bool takesThem = false) {
        for (auto& [to, copy] : kept_) {
            if (takesThem || to == nullptr)
                delete copy;
            else
                QCoreApplication::postEvent(to, copy);
        }
        kept_.clear();
        QCoreApplication::processEvents();
    }

  private:
    std::vector<std::pair<QPointer<QObject>, QKeyEvent*>> kept_;
};

class Ahead : public ::testing::Test {
  protected:
    Ahead() {
        window.Load(), window.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        qApp->installEventFilter(&reader);
        syncs = f.syncs, said = Announcer::program().announcements();
    }
    ~Ahead() override { reader.answer(), qApp->removeEventFilter(&reader); }
    void type(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyPress(window.windowHandle(), key, mods);
        QTest::keyRelease(window.windowHandle(), key, mods);
    }
    int keysHad() const { return f.syncs - syncs; }
    int spoken() const { return Announcer::program().announcements() - said; }

    SimFrontend f;
    GameWindow window{f.services, [] { return Entero{1}; }};
    Reader reader;
    int syncs = 0, said = 0;
};

TEST_F(Ahead, TheGamesKeysActAtOnceTheirWordsWaitForTheReaderAndTheCopiesAreDropped) {
    struct Row {
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        int presses;  // a modifier held is a key of its own
        const char* words;
    };
    const Row rows[] = {{Qt::Key_Z, Qt::NoModifier, 1, "7, 12"},
                        {Qt::Key_V, Qt::ShiftModifier, 2, "5 vidas te quedan"},
                        {Qt::Key_Up, Qt::ControlModifier, 2, nullptr},
                        {Qt::Key_Left, Qt::NoModifier, 1, nullptr},
                        {Qt::Key_Space, Qt::NoModifier, 1, nullptr},
                        {Qt::Key_A, Qt::NoModifier, 1, "1| 0"}};
    int presses = 0;
    for (const Row& row : rows) {
        const int before = spoken();
        type(row.key, row.mods);
        presses += row.presses;
        EXPECT_EQ(std::pair(keysHad(), spoken()), std::pair(presses, before)) << row.key;
        reader.answer();
        EXPECT_EQ(keysHad(), presses) << row.key;
        if (row.words) {
            EXPECT_EQ(Announcer::program().lastAnnounced(), row.words);
        }
    }
}

TEST_F(Ahead, KeysTheReaderMayTakeWaitForItsAnswerAndSoDoesEveryKeyAfterThem) {
    type(Qt::Key_V, Qt::AltModifier);
    type(Qt::Key_Z);  // after a key still waiting: it waits too, to come in its order
    QTest::keyPress(window.windowHandle(), Qt::Key_Insert);
    type(Qt::Key_Left);  // with the reader's key held down
    QTest::keyRelease(window.windowHandle(), Qt::Key_Insert);
    type(Qt::Key_8, Qt::KeypadModifier);
    type(Qt::Key_B);
    EXPECT_EQ(keysHad(), 0);
    reader.answer();
    EXPECT_EQ(std::pair(keysHad(), window.Label1()->text()), std::pair(7, QString("6, 12")));
}

TEST_F(Ahead, AKeyTheReaderTookLeavesItsWordsHeldAQuarterOfASecondAtMost) {
    type(Qt::Key_V);
    reader.answer(true);
    EXPECT_EQ(std::pair(keysHad(), spoken()), std::pair(1, 0));
    QTest::qWait(2 * KeysAhead::kAnswer.count());
    EXPECT_EQ(spoken(), 1);
    type(Qt::Key_Z);  // the next key goes ahead again
    EXPECT_EQ(keysHad(), 2);
}

TEST_F(Ahead, TheReadersKeyReleasedInAnotherProgramHoldsNothingBack) {
    QTest::keyPress(window.windowHandle(), Qt::Key_Insert);
    QEvent away(QEvent::ApplicationDeactivate);
    QCoreApplication::sendEvent(qApp, &away);
    reader.answer();
    type(Qt::Key_Z);
    EXPECT_EQ(keysHad(), 2);
}

TEST_F(Ahead, WithoutAReaderEveryKeyIsHadOnceAndSaidAtOnce) {
    qApp->removeEventFilter(&reader);
    for (Qt::Key key : {Qt::Key_V, Qt::Key_B, Qt::Key_Insert, Qt::Key_Z}) type(key);
    EXPECT_EQ(std::pair(keysHad(), spoken()), std::pair(4, 2));
}

TEST_F(Ahead, AWindowOpeningLetsTheHeldWordsOutFirst) {
    type(Qt::Key_V);
    bool answered = false;
    QTimer::singleShot(20, &reader, [&] { reader.answer(), answered = true; });
    Announcer::program().letHeldWordsOut();
    EXPECT_EQ(std::tuple(answered, spoken(), Announcer::program().held()),
              std::tuple(true, 1, false));
}

}  // namespace
}  // namespace gus
