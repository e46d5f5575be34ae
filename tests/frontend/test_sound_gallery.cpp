// The sound gallery: its fourteen entries and what each plays.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "frontend/form_ini.h"
#include "frontend/gallery_sounds.h"
#include "frontend/sound_gallery.h"
#include "tests/frontend/frontend_fixture.h"

namespace gus {
namespace {

using testing::SimFrontend;

class GalleryTest : public ::testing::Test {
  protected:
    GalleryTest() : gallery(f.services) { gallery.show(); }

    SimEvent lastSound() const {
        const std::vector<SimEvent> s = f.sounds();
        return s.empty() ? SimEvent{} : s.back();
    }

    SimFrontend f;
    Dialog1 gallery;
};

TEST_F(GalleryTest, FourteenEntriesWithTheFirstSelectedAndNothingPlayed) {
    EXPECT_EQ(gallery.windowTitle(), "SONIDOS");
    EXPECT_EQ(gallery.objectName(), "Dialog1");
    ASSERT_EQ(gallery.List1()->count(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(gallery.List1()->item(i)->text(),
                  QString::fromUtf8(gallerySounds().at(static_cast<std::size_t>(i)).caption));
    }
    EXPECT_EQ(gallery.List1()->currentRow(), 0);
    EXPECT_TRUE(f.sounds().empty());
    EXPECT_FALSE(gallery.MP1().playing());
    EXPECT_FALSE(gallery.MP1().autoStart());
    EXPECT_EQ(gallery.MP1().playCount(), 1);
    EXPECT_EQ(gallery.focusWidget(), gallery.List1());
    EXPECT_GE(gallery.List1()->font().pointSize(), 14);
}

TEST_F(GalleryTest, EveryEntryPlaysItsFileWithItsBalanceAndVolume) {
    for (int i = 1; i < 14; ++i) {
        gallery.List1()->setCurrentRow(i);
        const GallerySound& expected = gallerySounds().at(static_cast<std::size_t>(i));
        EXPECT_EQ(lastSound().file, expected.file) << i;
        EXPECT_EQ(lastSound().channel, "MP1");
        EXPECT_EQ(lastSound().balance, expected.balance) << i;
        EXPECT_EQ(lastSound().volume, expected.volume) << i;
        EXPECT_TRUE(gallery.MP1().playing());
    }
    EXPECT_EQ(f.sounds().size(), 13u);
}

TEST_F(GalleryTest, TheFirstEntryIsSilent) {
    gallery.List1()->setCurrentRow(3);
    gallery.List1()->setCurrentRow(0);
    EXPECT_FALSE(gallery.MP1().playing());
    EXPECT_EQ(f.sounds().size(), 1u);
}

TEST_F(GalleryTest, AnArrowReplaysTheEntryThenPlaysTheNextOne) {
    gallery.List1()->setCurrentRow(1);
    f.p.log.clear();
    QTest::keyClick(gallery.List1(), Qt::Key_Down);
    EXPECT_EQ(gallery.List1()->currentRow(), 2);
    const std::vector<SimEvent> s = f.sounds();
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[1].file, Sonido::PasoA);
    EXPECT_EQ(s[1].balance, 3000);
    EXPECT_EQ(s[1].volume, -600);
    // One channel: the replay gave way to the new entry, the two never sound together.
    EXPECT_EQ(f.p.audio.voiceCount(), 1u);
    EXPECT_TRUE(gallery.MP1().playing());
}

TEST_F(GalleryTest, EnterOnAnEntryReplaysItAndKeepsTheGalleryOpen) {
    gallery.List1()->setCurrentRow(7);
    QTest::keyClick(gallery.List1(), Qt::Key_Return);
    EXPECT_EQ(f.starts(Sonido::GusanoTeMata), 2);
    EXPECT_TRUE(gallery.isVisible());
}

TEST_F(GalleryTest, EnterOnTheFirstEntryClosesTheGallery) {
    QTest::keyClick(gallery.List1(), Qt::Key_Return);
    EXPECT_FALSE(gallery.isVisible());
    EXPECT_EQ(gallery.result(), QDialog::Accepted);
    EXPECT_TRUE(f.sounds().empty());
}

TEST(GalleryReopened, EveryOpeningHasFourteenEntriesNotMore) {
    SimFrontend f;
    FormIni menu(f.services, f.modalRunner());
    menu.show();
    std::vector<int> counts;
    auto count = [&](QDialog& d) { counts.push_back(dynamic_cast<Dialog1&>(d).List1()->count()); };
    f.whenModal(count);
    f.whenModal(count);
    menu.Command1(4)->click();
    menu.Command1(4)->click();
    EXPECT_EQ(counts, (std::vector<int>{14, 14}));
}

TEST(GalleryReopened, EnterOnTheFirstEntryGoesBackToTheMenuAndItsMusic) {
    SimFrontend f;
    FormIni menu(f.services, f.modalRunner());
    menu.show();
    bool closed = false;
    f.whenModal([&](QDialog& d) {
        auto& gallery = dynamic_cast<Dialog1&>(d);
        gallery.List1()->setCurrentRow(10);
        gallery.List1()->setCurrentRow(0);
        QTest::keyClick(gallery.List1(), Qt::Key_Enter);
        closed = !gallery.isVisible();
    });
    menu.Command1(4)->click();
    EXPECT_TRUE(closed);
    EXPECT_EQ(f.starts(Sonido::Explosion), 1);
    EXPECT_EQ(f.starts(Sonido::MusicaMenu), 2);
    EXPECT_TRUE(menu.MediaPlayer1().playing());
}

}  // namespace
}  // namespace gus
