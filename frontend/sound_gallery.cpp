// The sound gallery's list and what each entry plays.
#include "frontend/sound_gallery.h"

#include <QKeyEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "frontend/fixed_dialog.h"
#include "frontend/gallery_sounds.h"
#include "frontend/key_codes.h"
#include "platform/qt/accessibility.h"
#include "platform/qt/announcer.h"
#include "platform/qt/qt_dialogs.h"
#include "sound/sound_path.h"

namespace gus {

void GalleryList::keyPressEvent(QKeyEvent* event) {
    if (beforeKey_ && beforeKey_(event)) return;
    QListWidget::keyPressEvent(event);
}

Dialog1::Dialog1(Services& services, QWidget* parent)
    : QDialog(parent),
      s_(services),
      mp1_(services.audio, "MP1", ChannelSetup{false, 1, -600, 0}),
      list1_(new GalleryList(this)) {
    setWindowTitle(QStringLiteral("SONIDOS"));
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setAccessibleName(QStringLiteral("Sonidos del juego"));
    list1_->setMinimumSize(420, 320);
    QFont large = font();
    large.setPointSize(kDialogPointSize);
    setFont(large);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list1_);
    makeFixedDialog(*this, QStringLiteral("Dialog1"));
    exposeAsPlainWindow(*this);

    list1_->addItem(QString::fromUtf8(gallerySounds()[0].caption));
    connect(list1_, &QListWidget::currentRowChanged, this,
            [this] { s_.road.handle([this] { List1_Click(); }); });
    list1_->setBeforeKey([this](QKeyEvent* e) {
        bool used = false;
        s_.road.handle([&] { used = List1_KeyDown(keyCodeOf(*e)); });
        return used;
    });
    s_.road.handle([this] { Form_Load(); });
}

Dialog1::~Dialog1() = default;

bool Dialog1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !entrySpoken_) {
        entrySpoken_ = true;
        // After the window and the list have been presented: the screen reader names the
        // list, not its selected entry.
        QTimer::singleShot(0, this, [this] {
            if (QListWidgetItem* item = list1_->currentItem()) {
                Announcer::program().announceIn(this, item->text());
            }
        });
    }
    return QDialog::event(e);
}

void Dialog1::Form_Load() {
    for (int i = 1; i < kGalleryEntries; ++i) {
        list1_->addItem(QString::fromUtf8(gallerySounds().at(static_cast<std::size_t>(i)).caption));
    }
    list1_->setCurrentRow(0);
    list1_->setFocus(Qt::OtherFocusReason);
}

void Dialog1::List1_Click() {
    mp1_.stop();
    mp1_.setBalance(0);
    mp1_.setVolume(0);
    const int index = list1_->currentRow();
    if (index >= 1 && index < kGalleryEntries) playEntry(index);
}

void Dialog1::playEntry(int index) {
    const GallerySound& sound = gallerySounds().at(static_cast<std::size_t>(index));
    if (index >= kFirstWallEntry && index <= kLastWallEntry) {
        mp1_.setBalance(sound.balance);
        mp1_.setVolume(sound.volume);
    }
    mp1_.setFileName(soundPath(s_.folder, sound.file));
    mp1_.play();
}

bool Dialog1::List1_KeyDown(Entero KeyCode) {
    const int index = list1_->currentRow();
    if (KeyCode == tecla::Enter && index == 0) {
        accept();
        return true;
    }
    if (index >= 1) List1_Click();
    return false;
}

}  // namespace gus
